#pragma once

#include <QLatin1String>

// Names of the start-up tasks. Orders between tasks refer to these names, so
// each is spelled once, here; the graphs themselves are in FStartUpGraphs.
namespace FStartUpTaskNames {

// First graph, run to its end before the first page.
constexpr QLatin1String InitEnvironment("Init Environment");
constexpr QLatin1String RemovePackage("Remove Package");
constexpr QLatin1String InitNetworkProxy("Init Network Proxy");
constexpr QLatin1String LoadLaunchTestCache("Load Launch Test Cache");
constexpr QLatin1String InitGpuInfo("Init GPU Info");
constexpr QLatin1String CheckFolderPermission("Check Folder Permission");
constexpr QLatin1String InitProjectEditor("Init Project Editor");
constexpr QLatin1String ShowSplashScreen("show Splash Screen");
constexpr QLatin1String PrepareRun("Prepare Run");
constexpr QLatin1String InitSensorData("Init SensorData");
constexpr QLatin1String InitCloudResourceUac("Init CloudResourceUAC");
constexpr QLatin1String InitCloudDisk("Init CloudDisk");
constexpr QLatin1String InitCbsUrl("Init CbsUrl");
constexpr QLatin1String InitTcPush("Init TcPush");
constexpr QLatin1String InitEffectInstaller("Init Effect Installer");
constexpr QLatin1String InitCategoryTree("Init Category Tree");
constexpr QLatin1String ConnectSignals("Connect Signals");
constexpr QLatin1String InitExportPresetManager("Init ExportPresetManager");
constexpr QLatin1String ExtractArgs("Extract Args");

// Second graph, started once the project manager is ready and not waited for.
constexpr QLatin1String InitVblFont("Init Vbl Font");
constexpr QLatin1String InitDecoder("Init Decoder");
constexpr QLatin1String InitLocalFont("Init Local Font");
constexpr QLatin1String InitProject("Init Project");
constexpr QLatin1String LoadInstalledEffect("Load Installed Effect");
constexpr QLatin1String StartSystemMonitor("Start System Monitor");

} // namespace FStartUpTaskNames
