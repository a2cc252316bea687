#pragma once

// Identifiers of the values of the application information service
// (IKvAppInfo). The numbers are fixed: every library reads values by them.
namespace KvAppInfoId {

// Identity of this installation and user
constexpr int ClientId = 0;
constexpr int AccountId = 1;
constexpr int AppKey = 2;
constexpr int AppSecret = 3;
constexpr int ProductVersion = 5;
constexpr int ProductId = 6;
// Set only when the custom product information names one.
constexpr int CustomMainProductId = 7;

// Installation
// The folder whose "configs" holds the configuration shipped with the editor.
constexpr int ShippedConfigRoot = 8;
// Root of the per-user registry values.
constexpr int RegistryPath = 9;
constexpr int LogDir = 11;
constexpr int CloudResourceDir = 13;
// The engine's cache of decoded media and waveforms (program data).
constexpr int EngineCacheDir = 15;
// Where new projects are saved by default (documents) and where project
// templates are kept (program data).
constexpr int DefaultProjectDir = 63;
constexpr int ProjectTemplateDir = 64;
constexpr int ResourcesDir = 14;
constexpr int InstalledFontsDir = 26;
constexpr int WarningClipVideo = 27;
constexpr int WarningClipImage = 28;
constexpr int CaptionsDir = 43;

// Per-user documents
constexpr int BackupDir = 16;
constexpr int VBLDataDir = 17;
constexpr int UserMediaDir = 19;
constexpr int UserFontsDir = 21;
constexpr int DownloadedDir = 24;
constexpr int DownloadKorvaneDir = 25;
constexpr int RenderDir = 34;
constexpr int SnapshotDir = 35;
constexpr int GPUConfigDir = 49;
constexpr int MediaProxyDir = 48;
constexpr int SilenceDetectionDir = 50;
constexpr int TTSOutputDir = 54;
constexpr int STTOutputDir = 55;
constexpr int TempThumbnailDir = 66;

// Program data
constexpr int DefaultEffectsDir = 20;
constexpr int TextArtThumbnailDir = 41;
constexpr int BeatDetectionDatabase = 44;
constexpr int OpenFXImagesDir = 51;
constexpr int OpenFXDownloadDir = 52;
constexpr int CacheDatabase = 62;

// Configuration directory and what lives in it
constexpr int ConfigDir = 65;
constexpr int AnimationThumbnailDir = 36;
constexpr int ColorAnd3dLutPresetDir = 37;
constexpr int TextStyleDir = 39;
constexpr int TextArtDir = 40;
constexpr int SpeedDir = 42;

// File dialog filters for media import
constexpr int VideoImportFilter = 45;
constexpr int AudioImportFilter = 46;
constexpr int ImageImportFilter = 47;

} // namespace KvAppInfoId
