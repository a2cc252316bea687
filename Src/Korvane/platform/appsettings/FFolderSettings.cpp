#include "FFolderSettings.h"

using namespace KvAppSettingChecks;
using KvAppSettingDefaults::inDocuments;

const QVector<KvAppSetting> &FFolderSettings::table()
{
    static const QVector<KvAppSetting> settings = {
        {DownloadFileFolder, "DownloadFileFolder", inDocuments("Downloads"), notBlank},
        {TempFileFolder, "TempFileFolder", inDocuments("Temp"), notBlank},
        {CaptureFileFolder, "CaptureFileFolder", inDocuments("Recorded"), notBlank},
        {RecorderVoiceFolder, "RecorderVoiceFolder", inDocuments("Recorded Audio"), notBlank},
        {YouTobeFileFolder, "YouTobeFileFolder", inDocuments("Online Videos"), notBlank},
        {SnapShotFileFolder, "SnapShotFileFolder", inDocuments("Snapshot"), notBlank},
        {CloudDiskFileFolder, "CloudDiskFileFolder", inDocuments("Cloud Projects"), notBlank},
        {ThirdPartyCloudFileFolder, "ThirdPartyCloudFileFolder", inDocuments("Downloads/Other Apps"), notBlank},
        {InstallEffectPackTo, "InstallEffectPackTo", QDir(KvPaths::userDataDir()).filePath(QStringLiteral("Effect Packs")),
         notBlank},
    };
    return settings;
}

FFolderSettings::FFolderSettings()
    : KvAppSettingsGroup("Folders", table())
{
}
