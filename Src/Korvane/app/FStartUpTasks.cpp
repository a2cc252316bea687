#include "FStartUpTasks.h"

#include "FAppLaunchTest.h"
#include "FCBSUpdater.h"
#include "FEffectInstallerCommunicatorHelper.h"
#include "FNativeEngineInfoHelper.h"
#include "FProjectDocProxy.h"
#include "FStartUpCrashRecord.h"
#include "FStartUpTaskNames.h"
#include "KvTrackEvents.h"
#include "FSystemMonitorThread.h"
#include "IKvAppInfo.h"
#include "IKvBaseLog.h"
#include "IKvEnvManager.h"
#include "IKvProjectManager.h"
#include "KorvaneApp.h"
#include "KorvaneDirectories.h"
#include "KorvanePageMgr.h"
#include "KvAppInfoId.h"
#include "KvAppSettings.h"
#include "KvCheck.h"
#include "KvCloudDisk.h"
#include "KvCloudFontManager.h"
#include "KvCloudResourceUAC.h"
#include "KvCommunicatorServer.h"
#include "KvConfig.h"
#include "KvElapsedTimer.h"
#include "KvEventTrackingProxy.h"
#include "KvExportPresetManager.h"
#include "KvFontInfoManager.h"
#include "KvLocale.h"
#include "KvNetworkProxyInfo.h"
#include "KvTcPushProxy.h"
#include "StartupTimingTracker.h"

#include <QCoreApplication>
#include <QDir>
#include <QThread>

using namespace FStartUpTaskNames;

FStartUpTasks::FStartUpTasks(KorvaneApp &app)
    : m_app(app)
{
    KorvaneApp *const a = &app;
    m_steps = {
        {InitEnvironment, [this] { return initKvEnv(); }},
        {RemovePackage,
         [] {
             FEffectInstallerCommunicatorHelper::instance()->removeMarkedPackages();
             return true;
         }},
        {InitNetworkProxy,
         [] {
             KvNetworkProxyInfo::loadProxyInfo();
             return true;
         }},
        {LoadLaunchTestCache,
         [a] {
             KV_LOG_INFO("Load app launch test cache");
             KV_CHECK(a->m_launchTest, return false);
             a->m_launchResult.gpuCrashClass = a->m_launchTest->loadCache().gpuCrashClass;
             return true;
         }},
        {InitGpuInfo,
         [] {
             KvAppSettings::GetInstance()->GetSettings().GetPerformanceSettings().InitGpuInfo();
             return true;
         }},
        {CheckFolderPermission, [this] { return checkFolderPermission(); }},
        {InitProjectEditor, [this] { return initProjectEditor(); }},
        {ShowSplashScreen,
         [a] {
             a->showSplash();
             return true;
         }},
        {PrepareRun, [a] { return a->FApplication::prepareRun(); }},
        {InitSensorData,
         [] {
             getEventTrackingProxy()->init(KvCommunicatorServer::GetInstance(),
                                           QStringLiteral("%1/%2").arg(QCoreApplication::applicationDirPath(),
                                                                       QStringLiteral("Brenlow.exe")));
             return true;
         }},
        {InitCloudResourceUac,
         [] {
             KvCloudResourceUAC::instance()->init(IKvAppInfo::getInstance()->getString(KvAppInfoId::CloudResourceDir)
                                                  + QStringLiteral("/CloudResourceUAC.txt"));
             return true;
         }},
        {InitCloudDisk,
         [] {
             const IKvAppInfo *info = IKvAppInfo::getInstance();
             getCloudDisk()->configure(info->getValue(KvAppInfoId::CustomMainProductId).toInt(),
                                       info->getString(KvAppInfoId::ClientId), info->getString(KvAppInfoId::AppKey),
                                       info->getString(KvAppInfoId::LogDir) + QStringLiteral("/Korvane_cds.log"));
             return true;
         }},
        {InitCbsUrl,
         [a] {
             a->cbsUpdater()->refresh();
             return true;
         }},
        {InitTcPush, [this] { return initTcPush(); }},
        {InitEffectInstaller,
         [] {
             FEffectInstallerCommunicatorHelper::instance()->start();
             return true;
         }},
        {InitCategoryTree,
         [] {
             IKvProjectManager::getInstance()->initCategoryTree();
             return true;
         }},
        {ConnectSignals, [this] { return connectSignals(); }},
        {InitExportPresetManager,
         [] {
             KvExportPresetManager::instance();
             return true;
         }},
        {ExtractArgs,
         [a] {
             a->extractArgs();
             return true;
         }},

        {InitVblFont,
         [] {
             StartupTimingSection section(QStringLiteral("StartUp_InitFont"));
             IKvEnvManager::getInstance()->loadFonts();
             KV_LOG_INFO("initFontManager finished");
             return true;
         }},
        {InitDecoder,
         [] {
             StartupTimingSection section(QStringLiteral("StartUp_InitDecoder"));
             KV_LOG_INFO("initDecodeManager start");
             const bool ok = IKvEnvManager::getInstance()->initDecoder();
             KV_LOG_INFO("initDecodeManager finished");
             return ok;
         }},
        {InitLocalFont,
         [] {
             KV_LOG_INFO("initFontManager start");
             KvFontInfoManager::instance();
             KvCloudFontManager::instance()->start();
             return true;
         }},
        {InitProject, [this] { return initProject(); }},
        {LoadInstalledEffect,
         [] {
             FEffectInstallerCommunicatorHelper::instance()->loadInstalledEffectPack();
             return true;
         }},
        {StartSystemMonitor, [this] { return startSystemMonitor(); }},
    };
}

FStartUpGraphs::Step FStartUpTasks::stepFor(QLatin1String name) const
{
    const QString task(name);
    FStartUpGraphs::Step step = m_steps.value(task);
    if (!step) {
        KV_LOG_ERROR("no work for the start-up task \"%s\"", KV_CSTR(task));
        return [] { return false; };
    }
    KorvaneApp *const app = &m_app;
    return [app, task, step] {
        // Skipping is no failure of the task: the editor is asked to end.
        if (app->startUpInterrupted()) {
            KV_LOG_INFO("%s skipped: the editor is ending", KV_CSTR(task));
            return true;
        }
        // A start that dies here is told apart at the next start.
        FStartUpCrashRecord &record = FStartUpCrashRecord::forThisRun();
        record.taskStarted(task);
        const bool ok = step();
        record.taskFinished(task);
        return ok;
    };
}

bool FStartUpTasks::initKvEnv()
{
    KvAppSettings::GetInstance();
    KvElapsedTimer timer("KorvaneApp::initKvEnv");
    const IKvAppInfo *info = IKvAppInfo::getInstance();
    const QString shippedRoot = info->getString(KvAppInfoId::ShippedConfigRoot);
    const QString configDir = info->getString(KvAppInfoId::ConfigDir);
    const KorvaneDirectories::ConfigCopy copy = KorvaneDirectories::ensureConfigDir(shippedRoot, configDir);
    if (copy != KorvaneDirectories::ConfigCopy::AlreadyPresent)
        KV_LOG_INFO("copy config files : %d", copy == KorvaneDirectories::ConfigCopy::Copied ? 1 : 0);
    KvEnvRecord record;
    record.values = KorvaneDirectories::environmentValues(FApplication::appProgramDataDir());
    record.flag = true;
    IKvEnvManager::getInstance()->init(record);
    m_app.setProperty("subevent_loop", false);
    return true;
}

bool FStartUpTasks::checkFolderPermission()
{
    const FFolderSettings folders = KvAppSettings::GetInstance()->GetSettings().GetFolderSettings();
    const QStringList unwritable = KorvaneApp::unwritableFolders(
        {folders.GetDownloadFileFolder(), folders.GetTempFileFolder(), folders.GetCaptureFileFolder(),
         folders.GetRecorderVoiceFolder(), folders.GetYouTobeFileFolder(), folders.GetSnapShotFileFolder(),
         folders.GetCloudDiskFileFolder(), folders.GetInstallEffectPackTo()});
    // Not an error of the editor: the user is told at start by the flag's dialog.
    for (const QString &folder : unwritable)
        KV_LOG_INFO("folder not writable: %s", KV_CSTR(folder));
    if (!unwritable.isEmpty())
        m_app.m_pathNotWritable.exchange(true);
    return true;
}

bool FStartUpTasks::initProjectEditor()
{
    StartupTimingSection section(QStringLiteral("StartUp_InitVBLProjectMgr"));
    KorvaneApp *const app = &m_app;
    IKvProjectManager::getInstance()->initialize([app](bool ok) {
        if (!ok)
            KV_LOG_ERROR("project manager reported a failed start");
        app->startSecondGraph();
    });
    FProjectDocProxy::instance()->init();
    KV_LOG_INFO("initProjectManager finished");
    return true;
}

bool FStartUpTasks::initProject()
{
    KV_LOG_INFO("init project");
    IKvProjectManager *manager = IKvProjectManager::getInstance();
    manager->setStartEnabled(true);
    manager->load();
    const KvSaveSettings save = KvAppSettings::GetInstance()->GetSettings().GetSaveSettings();
    manager->setAutoBackupInterval(save.GetAutoBackupProjectTime() * 60, 10);
    manager->setAutoBackupEnabled(save.GetAutoBackupProject());
    manager->setBackupProjectFile(save.GetBackupProjectFile());
    return true;
}

bool FStartUpTasks::startSystemMonitor()
{
    QMutexLocker locker(&m_app.m_memoryMonitorMutex);
    if (m_app.m_memoryMonitor) {
        // Started again (a running one is left as it is).
        m_app.m_memoryMonitor->start(QThread::InheritPriority);
        return true;
    }
    m_app.m_memoryMonitor = std::make_unique<FSystemMonitorThread>();
    FSystemMonitorThread *monitor = m_app.m_memoryMonitor.get();
    // The page manager lives on the GUI thread; wire it there.
    QMetaObject::invokeMethod(&m_app, [monitor] {
        QObject::connect(monitor, &FSystemMonitorThread::sigUpdateMem, KorvanePageMgr::instance(),
                         &KorvanePageMgr::slotMonitorUpdate, Qt::QueuedConnection);
    }, Qt::QueuedConnection);
    monitor->start(QThread::InheritPriority);
    return true;
}

QString FStartUpTasks::tcPushDataDir() const
{
    return QDir(FApplication::appProgramDataDir()).filePath(QStringLiteral("TcPush"));
}

bool FStartUpTasks::initTcPush()
{
    KvTcPushProxy *push = KvTcPushProxy::getInstance();
    push->init(tcPushDataDir());
    QObject::connect(push, &KvTcPushProxy::sigDataReport, &m_app, [](const QVariantMap &data) {
        KvTrackEvent event(KvTrackEvents::nameOf(KvTrackEventKind::PushReport));
        for (auto it = data.cbegin(); it != data.cend(); ++it)
            event.setField(it.key(), it.value());
        getEventTrackingProxy()->sendEvent(event);
    }, Qt::UniqueConnection);
    QObject::connect(FNativeEngineInfoHelper::instance(), &FNativeEngineInfoHelper::sigCaddyDataReport, &m_app,
                     [](const QString &report) {
                         KvTrackEvent event(KvTrackEvents::nameOf(KvTrackEventKind::CaddyReport));
                         event.setField(QStringLiteral("data"), report);
                         getEventTrackingProxy()->sendEvent(event);
                     }, Qt::UniqueConnection);
    return true;
}

bool FStartUpTasks::connectSignals()
{
    QObject::connect(KvLocale::instance(), &KvLocale::sigLanguageTypeChanged, &m_app,
                     [this] { onLanguageChanged(); }, Qt::UniqueConnection);
    QObject::connect(m_app.cbsUpdater(), &FCBSUpdater::sigTargetUrlFinished, KorvanePageMgr::instance(),
                     &KorvanePageMgr::targetUrlFinished, Qt::UniqueConnection);
    return true;
}

void FStartUpTasks::onLanguageChanged()
{
    if (m_app.m_cbsUpdater)
        m_app.m_cbsUpdater->refresh();
    IKvAppInfo::getInstance()->setValue(KvAppInfoId::ProductId, KvConfig::Instance()->GetCBSUrl(QStringLiteral("PID")));
    KvTcPushProxy::getInstance()->init(tcPushDataDir());
    getEventTrackingProxy()->sendEvent(FPublicInfoEvent());
    getEventTrackingProxy()->sendEvent(FUserInfoEvent());
}
