#include "FStartUpGraphs.h"

#include "FStartUpTaskNames.h"
#include "KvScheduleProjectBuilder.h"

using namespace FStartUpTaskNames;

namespace {

QString name(QLatin1String text)
{
    return QString(text);
}

} // namespace

void FStartUpGraphs::describeFirst(KvScheduleProjectBuilder &builder, const StepFor &stepFor, bool launchTestRan)
{
    auto add = [&builder, &stepFor](QLatin1String task) -> KvScheduleProjectBuilder & {
        return builder.add(name(task), stepFor(task));
    };
    add(InitEnvironment).runInMainThread().setPriority(100);
    add(RemovePackage).runInMainThread().setPriority(100);
    add(InitNetworkProxy).after(name(InitEnvironment));
    add(LoadLaunchTestCache).setPriority(90).after(name(InitEnvironment));
    add(InitGpuInfo).setPriority(100).after(name(LoadLaunchTestCache));
    add(CheckFolderPermission).setPriority(70).after(name(InitEnvironment));
    add(InitProjectEditor)
        .runInMainThread()
        .setPriority(100)
        .after(name(InitEnvironment))
        .after(name(InitGpuInfo))
        .after(name(RemovePackage));
    add(ShowSplashScreen).runInMainThread().setPriority(99).after(name(InitEnvironment));
    if (!launchTestRan)
        add(PrepareRun).runInMainThread().setPriority(95).after(name(InitProjectEditor));
    add(InitSensorData).runInMainThread().after(name(InitNetworkProxy));
    add(InitCloudResourceUac).after(name(InitEnvironment));
    add(InitCloudDisk).after(name(InitNetworkProxy));
    add(InitCbsUrl).runInMainThread().after(name(InitNetworkProxy));
    add(InitTcPush).after(name(InitNetworkProxy)).after(name(InitCbsUrl));
    add(InitEffectInstaller).after(name(InitNetworkProxy));
    add(InitCategoryTree).after(name(InitCbsUrl)).after(name(InitProjectEditor)).after(name(InitNetworkProxy));
    add(ConnectSignals).runInMainThread().after(name(InitNetworkProxy));
    add(InitExportPresetManager).after(name(InitProjectEditor));
    add(ExtractArgs).after(name(InitProjectEditor)).after(name(InitExportPresetManager));
}

void FStartUpGraphs::describeSecond(KvScheduleProjectBuilder &builder, const StepFor &stepFor)
{
    auto add = [&builder, &stepFor](QLatin1String task) -> KvScheduleProjectBuilder & {
        return builder.add(name(task), stepFor(task));
    };
    add(InitVblFont);
    add(InitDecoder);
    add(InitLocalFont).after(name(InitVblFont));
    add(InitProject).runInMainThread();
    add(LoadInstalledEffect).after(name(InitProject));
    add(StartSystemMonitor);
}
