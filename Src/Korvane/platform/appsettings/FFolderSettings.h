#pragma once

#include "KvAppSettingsGroup.h"

// Where the editor puts the files it downloads, records and caches. Every
// folder defaults below the user's documents (effect packs below the per-user
// program data); an empty path is refused.
class FFolderSettings : public KvAppSettingsGroup
{
public:
    enum Key {
        DownloadFileFolder,
        TempFileFolder,
        CaptureFileFolder,
        RecorderVoiceFolder,
        YouTobeFileFolder,
        SnapShotFileFolder,
        CloudDiskFileFolder,
        ThirdPartyCloudFileFolder,
        InstallEffectPackTo,
        KeyCount
    };

    FFolderSettings();

    static const QVector<KvAppSetting> &table();

    QString GetDownloadFileFolder() const { return text(DownloadFileFolder); }
    void SetDownloadFileFolder(const QString &folder) { setValue(DownloadFileFolder, folder); }
    QString GetTempFileFolder() const { return text(TempFileFolder); }
    void SetTempFileFolder(const QString &folder) { setValue(TempFileFolder, folder); }
    // Screen recordings.
    QString GetCaptureFileFolder() const { return text(CaptureFileFolder); }
    void SetCaptureFileFolder(const QString &folder) { setValue(CaptureFileFolder, folder); }
    // Voice-over recordings.
    QString GetRecorderVoiceFolder() const { return text(RecorderVoiceFolder); }
    void SetRecoderVoiceFolder(const QString &folder) { setValue(RecorderVoiceFolder, folder); }
    // Videos fetched from online video sites.
    QString GetYouTobeFileFolder() const { return text(YouTobeFileFolder); }
    void SetYouTobeFileFolder(const QString &folder) { setValue(YouTobeFileFolder, folder); }
    QString GetSnapShotFileFolder() const { return text(SnapShotFileFolder); }
    void SetSnapShotFileFolder(const QString &folder) { setValue(SnapShotFileFolder, folder); }
    QString GetCloudDiskFileFolder() const { return text(CloudDiskFileFolder); }
    void SetCloudDiskFileFolder(const QString &folder) { setValue(CloudDiskFileFolder, folder); }
    // Files downloaded from other apps' cloud storage.
    QString GetThirdPartyCloudFileFolder() const { return text(ThirdPartyCloudFileFolder); }
    void SetThirdPartyCloudFileFolder(const QString &folder) { setValue(ThirdPartyCloudFileFolder, folder); }
    QString GetInstallEffectPackTo() const { return text(InstallEffectPackTo); }
    void SetInstanllEffectPackTo(const QString &folder) { setValue(InstallEffectPackTo, folder); }
};
