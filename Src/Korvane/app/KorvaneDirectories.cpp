#include "KorvaneDirectories.h"

#include "IKvAppInfo.h"
#include "IKvRegistryInfo.h"
#include "KvAppInfoId.h"
#include "KvDir.h"
#include "KvPaths.h"

#include <QDir>
#include <QFileInfo>

namespace KorvaneDirectories {

namespace {

enum class Base { Install, ProgramData, Documents, Config };

struct DirEntry
{
    int id;
    Base base;
    const char *relative;
    bool create;
};

// In the order they are published.
const DirEntry kDirectories[] = {
    {KvAppInfoId::ResourcesDir, Base::Install, "resources", false},
    {KvAppInfoId::BackupDir, Base::Documents, "Backup", false},
    {KvAppInfoId::VBLDataDir, Base::Documents, "VBLData", false},
    {KvAppInfoId::UserMediaDir, Base::Documents, "User Media", false},
    {KvAppInfoId::DefaultEffectsDir, Base::ProgramData, "Default Effects", false},
    {KvAppInfoId::DownloadedDir, Base::Documents, "Download/Downloaded", false},
    {KvAppInfoId::DownloadKorvaneDir, Base::Documents, "Download/Korvane", false},
    {KvAppInfoId::UserFontsDir, Base::Documents, "Fonts", false},
    {KvAppInfoId::InstalledFontsDir, Base::Install, "Fonts", false},
    {KvAppInfoId::WarningClipVideo, Base::Install, "resources/common/warning_clip.mp4", false},
    {KvAppInfoId::WarningClipImage, Base::Install, "resources/common/warning_clip.png", false},
    {KvAppInfoId::ConfigDir, Base::Config, "", false},
    {KvAppInfoId::RenderDir, Base::Documents, "Render", true},
    {KvAppInfoId::AnimationThumbnailDir, Base::ProgramData, "AnimationThumbnail", false},
    {KvAppInfoId::ColorAnd3dLutPresetDir, Base::Config, "ColorAnd3dLutPreset", false},
    {KvAppInfoId::SnapshotDir, Base::Documents, "Snapshot", false},
    {KvAppInfoId::GPUConfigDir, Base::Documents, "GPUConfig", true},
    {KvAppInfoId::BeatDetectionDatabase, Base::ProgramData, "BeatDetection.db", false},
    {KvAppInfoId::MediaProxyDir, Base::Documents, "MediaProxy", true},
    {KvAppInfoId::TextStyleDir, Base::Config, "TextStyle", false},
    {KvAppInfoId::TextArtDir, Base::Config, "TextArt", false},
    {KvAppInfoId::TextArtThumbnailDir, Base::ProgramData, "TextArtThumbnail", false},
    {KvAppInfoId::SpeedDir, Base::Config, "Speed", false},
    {KvAppInfoId::CaptionsDir, Base::Install, "resources/captions", false},
    {KvAppInfoId::RegistryPath, Base::Install, nullptr, false},
    {KvAppInfoId::SilenceDetectionDir, Base::Documents, "User Media/Silence Detection", false},
    {KvAppInfoId::TempThumbnailDir, Base::Documents, "TempThumbnail", false},
    {KvAppInfoId::OpenFXImagesDir, Base::ProgramData, "Plugins/Download/OpenFXImages", true},
    {KvAppInfoId::OpenFXDownloadDir, Base::ProgramData, "Plugins/Download/OpenFXDownload", true},
    {KvAppInfoId::STTOutputDir, Base::Documents, "Download/STTOutput", false},
    {KvAppInfoId::TTSOutputDir, Base::Documents, "Download/TTSOutput", false},
    {KvAppInfoId::CacheDatabase, Base::ProgramData, "/cache.db", false},
};

// Values whose contents the editor defines itself.
struct OwnEntry
{
    int id;
    Base base;
    const char *relative;
};
const OwnEntry kOwnValues[] = {
    {KvAppInfoId::ShippedConfigRoot, Base::Install, ""},
    {KvAppInfoId::CloudResourceDir, Base::ProgramData, "CloudResource"},
    {KvAppInfoId::EngineCacheDir, Base::ProgramData, "Cache"},
    {KvAppInfoId::DefaultProjectDir, Base::Documents, "Projects"},
    {KvAppInfoId::ProjectTemplateDir, Base::ProgramData, "Templates"},
};

struct RegistryName
{
    int id;
    const char *name;
};
const RegistryName kRegistryNames[] = {
    {0, "ConfigDir"},      {1, "UserState"},          {2, "Silence Detection OutputPath"},
    {3, "SmartEditStartState"}, {4, "FirstExportTime"}, {5, "FirstVistDate"},
    {6, "FirstInstallVersion"}, {8, "NewFeatureGuide"}, {9, "UsedWordArtPreset"},
    {14, "CreatorHubVisitInfo"}, {10, "UserTagCollectState"}, {11, "UserTagCloseDate"},
};

QString join(const QString &base, const char *relative)
{
    const QString rel = QString::fromUtf8(relative);
    if (rel.isEmpty())
        return QDir::cleanPath(base);
    return QDir::cleanPath(base + QLatin1Char('/') + rel);
}

} // namespace

QString registryPath()
{
    return QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\Tessaracorp\\Tessaracorp Korvane");
}

QString animationThumbnailDir(const QString &programDataDir)
{
    return join(programDataDir, "AnimationThumbnail");
}

void publish(const QString &installDir, const QString &programDataDir, const QString &documentsDir)
{
    const QString configDir = join(programDataDir, "configs");
    auto baseDir = [&](Base base) {
        switch (base) {
        case Base::Install:
            return installDir;
        case Base::ProgramData:
            return programDataDir;
        case Base::Documents:
            return documentsDir;
        case Base::Config:
            return configDir;
        }
        return QString();
    };
    IKvAppInfo *info = IKvAppInfo::getInstance();
    for (const OwnEntry &entry : kOwnValues)
        info->setValue(entry.id, join(baseDir(entry.base), entry.relative));
    // Beside the installation unless this user cannot write there.
    info->setValue(KvAppInfoId::LogDir, KvPaths::installStateDir(installDir) + QStringLiteral("/Log"));
    for (const DirEntry &entry : kDirectories) {
        if (!entry.relative) {
            info->setValue(entry.id, registryPath());
            continue;
        }
        const QString path = join(baseDir(entry.base), entry.relative);
        info->setValue(entry.id, path);
        if (entry.create)
            KvDir::checkDir(path, true);
    }
}

ConfigCopy ensureConfigDir(const QString &shippedRoot, const QString &configDir)
{
    if (QFileInfo::exists(configDir))
        return ConfigCopy::AlreadyPresent;
    return KvDir::copyDirectoryFiles(shippedRoot + QStringLiteral("/configs"), configDir, true) ? ConfigCopy::Copied
                                                                                              : ConfigCopy::Failed;
}

void registerValueNames()
{
    IKvRegistryInfo *registry = IKvRegistryInfo::getInstance();
    registry->setRootPath(IKvAppInfo::getInstance()->getString(KvAppInfoId::RegistryPath));
    for (const RegistryName &name : kRegistryNames)
        registry->setValueName(name.id, QString::fromUtf8(name.name));
}

QStringList environmentValues(const QString &programDataDir)
{
    const IKvAppInfo *info = IKvAppInfo::getInstance();
    auto value = [info](int id) { return info->getString(id); };
    const QString effects = QStringList{value(KvAppInfoId::DefaultEffectsDir), value(KvAppInfoId::DownloadedDir),
                                        value(KvAppInfoId::DownloadKorvaneDir)}
                                .join(QLatin1Char(';'));
    return {value(KvAppInfoId::ShippedConfigRoot),
            value(KvAppInfoId::ShippedConfigRoot),
            value(KvAppInfoId::ResourcesDir),
            programDataDir,
            value(KvAppInfoId::EngineCacheDir),
            value(KvAppInfoId::BackupDir),
            value(KvAppInfoId::VBLDataDir),
            value(KvAppInfoId::UserMediaDir),
            effects,
            value(KvAppInfoId::UserFontsDir),
            value(KvAppInfoId::WarningClipVideo),
            value(KvAppInfoId::LogDir),
            value(KvAppInfoId::DefaultProjectDir),
            value(KvAppInfoId::ProjectTemplateDir),
            value(KvAppInfoId::ShippedConfigRoot)};
}

} // namespace KorvaneDirectories
