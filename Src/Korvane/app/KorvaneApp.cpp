#include "KorvaneApp.h"

#include "FAppLaunchTest.h"
#include "FAppQuitEvent.h"
#include "FCBSUpdater.h"
#include "FEffectInstallerCommunicatorHelper.h"
#include "FIPCServer.h"
#include "FPublicInfoEvent.h"
#include "FSplashScreen.h"
#include "FStartUpTaskCreator.h"
#include "FTerminationSignals.h"
#include "FWebHelperReaper.h"
#include "FSystemMonitorThread.h"
#include "FUserInfoEvent.h"
#include "IKvEnvManager.h"
#include "IKvProjectManager.h"
#include "IKvUploadManager.h"
#include "KorvaneDirectories.h"
#include "KvAppSettings.h"
#include "KvCloudDisk.h"
#include "KvCloudFontManager.h"
#include "KvCloudResourceUAC.h"
#include "KvLazySingletonManager.h"
#include "KvConfig.h"
#include "KvCustomProductInfo.h"
#include "KvEventTrackingProxy.h"
#include "KvExportPresetManager.h"
#include "KvFontInfoManager.h"
#include "KvLocale.h"
#include "KvNetworkProxyInfo.h"
#include "KvScheduleProject.h"
#include "KvScheduleProjectBuilder.h"
#include "KvTcPushProxy.h"
#include "KvToolTipHelper.h"
#include "StartupTimingTracker.h"
#include "FCommandLineMap.h"
#include "FNativeEngineInfoHelper.h"
#include "FProjectDocProxy.h"
#include "IKvAppInfo.h"
#include "KvAppInfoId.h"
#include "IKvBaseLog.h"
#include "KorvanePageMgr.h"
#include "KvAppStuckMonitoring.h"
#include "KvCommunicatorClient.h"
#include "KvCommunicatorServer.h"
#include "KvElapsedTimer.h"
#include "KvFileLock.h"
#include "KvFlagUtility.h"
#include "KvMediaLibraryUtils.h"
#include "KvNetwork.h"
#include "KvOpenProjectEvent.h"
#include "KvUnmonitoredEventHelper.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QScreen>
#include <QUuid>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

namespace {

const QString kServerName = QStringLiteral("NEW_SERVER_KORVANE_COMMUNICATOR_NAME");
const QString kProductName = QStringLiteral("Korvane");
const QString kFullProductName = QStringLiteral("Tessaracorp Korvane X");
const QString kVersion = QStringLiteral("11.8.1.1523");

// A second start can come while the first is still between taking its lock
// and listening; keep trying that long before giving the command up.
constexpr int kConnectPatienceMs = 3000;
constexpr int kForwardPauseMs = 200;

// The pause after sending runs an event loop rather than sleeping, so the
// socket keeps writing while this process waits to end.
void pauseWithEvents(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

KorvaneApp::KorvaneApp(int &argc, char **argv)
    : FApplication(argc, argv)
{
    // Must be set before the first window exists.
    qputenv("QT_QPA_DISABLE_ENHANCED_MOUSE", "1");
    setApplicationName(productName());
    setApplicationVersion(kVersion);
    StartupTimingTracker::instance()->start(QStringLiteral("StartUp_Total"));
}

KorvaneApp::~KorvaneApp()
{
    // The second start-up graph is not waited for at start; it must be over
    // before what its tasks created goes away.
    if (m_secondTaskProject)
        m_secondTaskProject->waitForFinished();
    QMutexLocker locker(&m_memoryMonitorMutex);
    if (m_memoryMonitor) {
        m_memoryMonitor->requestInterruption();
        m_memoryMonitor->stop();
    }
    m_memoryMonitor.reset();
    m_launchTest.reset();
}

bool KorvaneApp::notify(QObject *receiver, QEvent *event)
{
    if (QThread::currentThread() != thread())
        return QApplication::notify(receiver, event);
    KvUnmonitoredEventHelper::instance()->updateMonitoringState(int(event->type()));
    KvAppStuckMonitoring::start();
    const bool handled = QApplication::notify(receiver, event);
    KvAppStuckMonitoring::end();
    return handled;
}

QString KorvaneApp::productName() const
{
    return kProductName;
}

bool KorvaneApp::init()
{
    FAppQuitEvent::startTime();
    KvNetwork::GetNetManager();
    initMainAppFlag();
    FApplication::init();

    KvUnmonitoredEventHelper *unmonitored = KvUnmonitoredEventHelper::instance();
    KvAppStuckMonitoring *monitoring = KvAppStuckMonitoring::instance();
    connect(unmonitored, &KvUnmonitoredEventHelper::sigContinueMonitoring, monitoring,
            &KvAppStuckMonitoring::slotContinueMonitoring);
    connect(unmonitored, &KvUnmonitoredEventHelper::sigSuspendMonitoring, monitoring,
            &KvAppStuckMonitoring::slotSuspendMonitoring);
    connect(
        unmonitored, &KvUnmonitoredEventHelper::sigContinueMonitoring, this,
        [this] { setProperty("subevent_loop", false); }, Qt::DirectConnection);
    connect(
        unmonitored, &KvUnmonitoredEventHelper::sigSuspendMonitoring, this,
        [this] { setProperty("subevent_loop", true); }, Qt::DirectConnection);
    KvAppStuckMonitoring::openMonitoring(1000);

    KvApplication::logScreenInfo();
    initRegistryInfo();

    IKvAppInfo *appInfo = IKvAppInfo::getInstance();
    appInfo->setValue(KvAppInfoId::VideoImportFilter, KvMediaLibraryUtils::getImportVideoFilter());
    appInfo->setValue(KvAppInfoId::AudioImportFilter, KvMediaLibraryUtils::getImportAudioFilter());
    appInfo->setValue(KvAppInfoId::ImageImportFilter, KvMediaLibraryUtils::getImportImageFilter());

    if (!KvCommunicatorServer::GetInstance()->Listen(kServerName))
        KV_LOG_ERROR("cannot listen on %s: second starts will not reach this instance", KV_CSTR(kServerName));

    const QString enginePath = QDir::toNativeSeparators(
        QStringLiteral("%1/%2").arg(QCoreApplication::applicationDirPath(), QStringLiteral("Ordwick.exe")));
    FNativeEngineInfoHelper::SetProcessPath(enginePath);
    return true;
}

bool KorvaneApp::prepareRun()
{
    StartupTimingSection section(QStringLiteral("StartUp_PrepareRun"));
    const bool testRan = runLaunchTest();
    section.setUserTime(m_userTimeMs);

    FIPCServer::instance()->start();
    FApplication::initQueryDomainNameFunc();
    getCloudDisk();
    KvTcPushProxy::getInstance();
    KvToolTipHelper::GetInstance();

    KvScheduleProjectBuilder builder(new FStartUpTaskCreator);
    builder.add(QStringLiteral("Init Environment"), [this] { return initKvEnv(); }).runInMainThread().setPriority(100);
    builder.add(QStringLiteral("Remove Package"), [] {
        FEffectInstallerCommunicatorHelper::instance()->removeMarkedPackages();
        return true;
    }).runInMainThread().setPriority(100);
    builder.add(QStringLiteral("Init Network Proxy"), [] {
        KvNetworkProxyInfo::loadProxyInfo();
        return true;
    }).after(QStringLiteral("Init Environment"));
    builder.add(QStringLiteral("Load Launch Test Cache"), [this] {
        KV_LOG_INFO("Load app launch test cache");
        m_launchTest->loadCache();
        return true;
    }).setPriority(90).after(QStringLiteral("Init Environment"));
    builder.add(QStringLiteral("Init GPU Info"), [] {
        KvAppSettings::GetInstance()->GetSettings().GetPerformanceSettings().InitGpuInfo();
        return true;
    }).setPriority(100).after(QStringLiteral("Load Launch Test Cache"));
    builder.add(QStringLiteral("Check Folder Permission"), [this] { return checkFolderPermission(); })
        .setPriority(70)
        .after(QStringLiteral("Init Environment"));
    builder.add(QStringLiteral("Init Project Editor"), [this] { return initProjectEditor(); })
        .runInMainThread()
        .setPriority(100)
        .after(QStringLiteral("Init Environment"))
        .after(QStringLiteral("Init GPU Info"))
        .after(QStringLiteral("Remove Package"));
    builder.add(QStringLiteral("show Splash Screen"), [this] {
        showSplash();
        return true;
    }).runInMainThread().setPriority(99).after(QStringLiteral("Init Environment"));
    if (!testRan) {
        builder.add(QStringLiteral("Prepare Run"), [this] { return FApplication::prepareRun(); })
            .runInMainThread()
            .setPriority(95)
            .after(QStringLiteral("Init Project Editor"));
    }
    builder.add(QStringLiteral("Init SensorData"), [] {
        getEventTrackingProxy()->init(KvCommunicatorServer::GetInstance(),
                                      QStringLiteral("%1/%2").arg(QCoreApplication::applicationDirPath(),
                                                                  QStringLiteral("Brenlow.exe")));
        return true;
    }).runInMainThread().after(QStringLiteral("Init Network Proxy"));
    builder.add(QStringLiteral("Init CloudResourceUAC"), [] {
        KvCloudResourceUAC::instance()->init(IKvAppInfo::getInstance()->getString(KvAppInfoId::CloudResourceDir)
                                             + QStringLiteral("/CloudResourceUAC.txt"));
        return true;
    }).after(QStringLiteral("Init Environment"));
    builder.add(QStringLiteral("Init CloudDisk"), [] {
        const IKvAppInfo *info = IKvAppInfo::getInstance();
        getCloudDisk()->configure(info->getValue(KvAppInfoId::CustomMainProductId).toInt(),
                                  info->getString(KvAppInfoId::ClientId), info->getString(KvAppInfoId::AppKey),
                                  info->getString(KvAppInfoId::LogDir) + QStringLiteral("/Korvane_cds.log"));
        return true;
    }).after(QStringLiteral("Init Network Proxy"));
    builder.add(QStringLiteral("Init CbsUrl"), [this] {
        cbsUpdater()->refresh();
        return true;
    }).runInMainThread().after(QStringLiteral("Init Network Proxy"));
    builder.add(QStringLiteral("Init TcPush"), [this] { return initTcPush(); })
        .after(QStringLiteral("Init Network Proxy"))
        .after(QStringLiteral("Init CbsUrl"));
    builder.add(QStringLiteral("Init Effect Installer"), [] {
        FEffectInstallerCommunicatorHelper::instance()->start();
        return true;
    }).after(QStringLiteral("Init Network Proxy"));
    builder.add(QStringLiteral("Init Category Tree"), [] {
        IKvProjectManager::getInstance()->initCategoryTree();
        return true;
    })
        .after(QStringLiteral("Init CbsUrl"))
        .after(QStringLiteral("Init Project Editor"))
        .after(QStringLiteral("Init Network Proxy"));
    builder.add(QStringLiteral("Connect Signals"), [this] { return connectSignals(); })
        .runInMainThread()
        .after(QStringLiteral("Init Network Proxy"));
    builder.add(QStringLiteral("Init ExportPresetManager"), [] {
        KvExportPresetManager::instance();
        return true;
    }).after(QStringLiteral("Init Project Editor"));
    builder.add(QStringLiteral("Extract Args"), [this] {
        extractArgs();
        return true;
    })
        .after(QStringLiteral("Init Project Editor"))
        .after(QStringLiteral("Init ExportPresetManager"));

    std::unique_ptr<KvScheduleProject> project(builder.create());
    m_firstGraphTaskNames = project->taskNames();
    project->start();
    project->waitForFinished();
    return true;
}

bool KorvaneApp::runLaunchTest()
{
    m_launchTest = std::make_unique<FAppLaunchTest>();
    return m_launchTest->run();
}

bool KorvaneApp::initKvEnv()
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
    record.values = KorvaneDirectories::environmentValues(appProgramDataDir());
    record.flag = true;
    IKvEnvManager::getInstance()->init(record);
    setProperty("subevent_loop", false);
    return true;
}

QStringList KorvaneApp::unwritableFolders(const QStringList &folders)
{
    QStringList unwritable;
    for (const QString &folder : folders) {
        const QFileInfo info(folder);
        if (folder.isEmpty() || !info.exists())
            continue;
        if (!info.isWritable())
            unwritable << folder;
    }
    return unwritable;
}

bool KorvaneApp::checkFolderPermission()
{
    const FFolderSettings folders = KvAppSettings::GetInstance()->GetSettings().GetFolderSettings();
    const QStringList unwritable = unwritableFolders(
        {folders.GetDownloadFileFolder(), folders.GetTempFileFolder(), folders.GetCaptureFileFolder(),
         folders.GetRecorderVoiceFolder(), folders.GetYouTobeFileFolder(), folders.GetSnapShotFileFolder(),
         folders.GetCloudDiskFileFolder(), folders.GetInstallEffectPackTo()});
    for (const QString &folder : unwritable)
        KV_LOG_ERROR("folder not writable: %s", KV_CSTR(folder));
    if (!unwritable.isEmpty())
        m_pathNotWritable.exchange(true);
    return unwritable.isEmpty();
}

bool KorvaneApp::initProjectEditor()
{
    StartupTimingSection section(QStringLiteral("StartUp_InitVBLProjectMgr"));
    IKvProjectManager::getInstance()->initialize([this](bool ok) {
        if (!ok)
            KV_LOG_ERROR("project manager reported a failed start");
        startSecondGraph();
    });
    FProjectDocProxy::instance()->init();
    KV_LOG_INFO("initProjectManager finished");
    return true;
}

void KorvaneApp::startSecondGraph()
{
    if (m_secondTaskProject)
        return;
    KvScheduleProjectBuilder builder(new FStartUpTaskCreator);
    builder.add(QStringLiteral("Init Vbl Font"), [] {
        StartupTimingSection section(QStringLiteral("StartUp_InitFont"));
        IKvEnvManager::getInstance()->loadFonts();
        KV_LOG_INFO("initFontManager finished");
        return true;
    });
    builder.add(QStringLiteral("Init Decoder"), [] {
        StartupTimingSection section(QStringLiteral("StartUp_InitDecoder"));
        KV_LOG_INFO("initDecodeManager start");
        const bool ok = IKvEnvManager::getInstance()->initDecoder();
        KV_LOG_INFO("initDecodeManager finished");
        return ok;
    });
    builder.add(QStringLiteral("Init Local Font"), [] {
        KV_LOG_INFO("initFontManager start");
        KvFontInfoManager::instance();
        KvCloudFontManager::instance()->start();
        return true;
    }).after(QStringLiteral("Init Vbl Font"));
    builder.add(QStringLiteral("Init Project"), [this] { return initProject(); }).runInMainThread();
    builder.add(QStringLiteral("Load Installed Effect"), [] {
        FEffectInstallerCommunicatorHelper::instance()->loadInstalledEffectPack();
        return true;
    }).after(QStringLiteral("Init Project"));
    builder.add(QStringLiteral("Start System Monitor"), [this] {
        QMutexLocker locker(&m_memoryMonitorMutex);
        if (!m_memoryMonitor) {
            m_memoryMonitor = std::make_unique<FSystemMonitorThread>();
            FSystemMonitorThread *monitor = m_memoryMonitor.get();
            // The page manager lives on the GUI thread; wire it there.
            QMetaObject::invokeMethod(this, [monitor] {
                connect(monitor, &FSystemMonitorThread::sigUpdateMem, KorvanePageMgr::instance(),
                        &KorvanePageMgr::slotMonitorUpdate, Qt::QueuedConnection);
            }, Qt::QueuedConnection);
            m_memoryMonitor->start(QThread::LowPriority);
        }
        return true;
    });
    m_secondTaskProject = builder.create(this);
    m_secondTaskProject->start();
}

bool KorvaneApp::initProject()
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

QString KorvaneApp::tcPushDataDir() const
{
    return QDir(appProgramDataDir()).filePath(QStringLiteral("TcPush"));
}

bool KorvaneApp::initTcPush()
{
    KvTcPushProxy *push = KvTcPushProxy::getInstance();
    push->init(tcPushDataDir());
    connect(push, &KvTcPushProxy::sigDataReport, this, [](const QVariantMap &data) {
        KvTrackEvent event(QStringLiteral("push_report"));
        for (auto it = data.cbegin(); it != data.cend(); ++it)
            event.setField(it.key(), it.value());
        getEventTrackingProxy()->sendEvent(event);
    }, Qt::UniqueConnection);
    connect(FNativeEngineInfoHelper::instance(), &FNativeEngineInfoHelper::sigCaddyDataReport, this,
            [](const QString &report) {
                KvTrackEvent event(QStringLiteral("caddy_report"));
                event.setField(QStringLiteral("data"), report);
                getEventTrackingProxy()->sendEvent(event);
            }, Qt::UniqueConnection);
    return true;
}

FCBSUpdater *KorvaneApp::cbsUpdater()
{
    if (!m_cbsUpdater)
        m_cbsUpdater = createCBSUpdater(this);
    return m_cbsUpdater;
}

bool KorvaneApp::connectSignals()
{
    connect(KvLocale::instance(), &KvLocale::sigLanguageTypeChanged, this, &KorvaneApp::onLanguageChanged,
            Qt::UniqueConnection);
    // The start page takes the addresses over once it exists.
    connect(cbsUpdater(), &FCBSUpdater::sigTargetUrlFinished, this, [](int requestType, const QString &url) {
        KV_LOG_INFO("web address %d ready: %s", requestType, KV_CSTR(url));
    }, Qt::UniqueConnection);
    return true;
}

void KorvaneApp::onLanguageChanged()
{
    if (m_cbsUpdater)
        m_cbsUpdater->refresh();
    IKvAppInfo::getInstance()->setValue(KvAppInfoId::ProductId, KvConfig::Instance()->GetCBSUrl(QStringLiteral("PID")));
    KvTcPushProxy::getInstance()->init(tcPushDataDir());
    getEventTrackingProxy()->sendEvent(FPublicInfoEvent());
    getEventTrackingProxy()->sendEvent(FUserInfoEvent());
}

void KorvaneApp::alreadyRun()
{
    KV_LOG_INFO("%s already run", KV_CSTR(productName()));
    callExistAppDoSomething();
}

KorvaneApp::ForwardCommand KorvaneApp::forwardCommandFor(const QMap<QString, QString> &map,
                                                         const KvVelloqHelper &velloq)
{
    return FForwardCommand::forStartArguments(map, velloq);
}

void KorvaneApp::callExistAppDoSomething()
{
    const QMap<QString, QString> map = FCommandLineMap::build(arguments());
    m_velloqHelper.parseStartParams(map.value(FCommandLineMap::kVelloqParamKey));
    const QString openEntry = map.value(FCommandLineMap::kOpenKey);
    if (!openEntry.isEmpty())
        KV_LOG_INFO("doubleClickProjectPath: %s", KV_CSTR(openEntry));

    auto client = std::make_unique<KvCommunicatorClient>(nullptr);
    QElapsedTimer patience;
    patience.start();
    bool connected = client->ConnectToServer(kServerName);
    while (!connected && patience.elapsed() < kConnectPatienceMs
           && KvFileLock::isHeldByOther(instanceLockPath(productName()))) {
        pauseWithEvents(20);
        connected = client->ConnectToServer(kServerName);
    }
    if (!connected)
        KV_LOG_ERROR("the running instance is not reachable on %s", KV_CSTR(kServerName));

    const ForwardCommand forward = forwardCommandFor(map, m_velloqHelper);
    client->SendMsg(forward.command, forward.contents, true);
    pauseWithEvents(kForwardPauseMs);
    client.reset();
}

bool KorvaneApp::applyStartArgs(const QMap<QString, QString> &map, const KvVelloqHelper &velloq,
                                FProjectDocProxy *docProxy, bool checkUnsavedProject)
{
    const QString openEntry = map.value(FCommandLineMap::kOpenKey);
    if (!openEntry.isEmpty()) {
        docProxy->SetDelayLoadProjectPath(openEntry);
        KvOpenProjectEvent::isAfterLaunch = false;
        return false;
    }
    const QVariantMap templateMap = velloq.getPrjTemplateMap();
    if (templateMap.isEmpty()) {
        const QString shareEntry = map.value(FCommandLineMap::kShareKey);
        if (!shareEntry.isEmpty())
            docProxy->SetDelayLoadShareInfoPath(shareEntry);
        return checkUnsavedProject;
    }
    docProxy->SetDelayLoadPrjTemplateMap(templateMap);
    return false;
}

void KorvaneApp::extractArgs()
{
    const QMap<QString, QString> map = FCommandLineMap::build(arguments());
    m_velloqHelper.parseStartParams(map.value(FCommandLineMap::kVelloqParamKey));
    m_checkUnsavedProject =
        applyStartArgs(map, m_velloqHelper, FProjectDocProxy::instance(), m_checkUnsavedProject);
}

int KorvaneApp::runRecoveryPrompt(bool *unsavedProjectFound)
{
    // The automatic-backup prompt comes with the backup service; with no
    // backup to offer the run goes on normally.
    Q_UNUSED(unsavedProjectFound)
    KV_LOG_INFO("no automatic backup to offer");
    return 1;
}

int KorvaneApp::doRun()
{
    KV_LOG_INFO("begin");
    KV_LOG_INFO("Show dialog");
    QElapsedTimer timer;
    timer.start();
    if (m_pathNotWritable.load())
        KV_LOG_ERROR("some of the editor's folders are not writable");
    if (m_checkUnsavedProject) {
        KV_LOG_INFO("Show unsaved project dialog begin");
        const int ret = runRecoveryPrompt(&m_launchResult.unsavedProjectFound);
        KV_LOG_INFO("Show unsaved project dialog end, ret = %d", ret > 0);
        if (ret <= 0) {
            m_launchTest->setSafeMode(true);
            KvAppSettings::Save();
        }
    }
    const qint32 cost = qint32(timer.elapsed());
    m_userTimeMs += cost;
    KV_LOG_INFO("Show dialog, cost = %d", cost);

    StartupPageInfo info;
    info.splash = m_splash;
    info.launchResult = m_launchResult;
    info.gpuCrashClass = m_launchResult.gpuCrashClass;
    info.userTime = m_userTimeMs;
    // The page manager finishes the splash on the first page.
    m_splash = nullptr;
    int result = 0;
    if (KorvanePageMgr::instance()->run(info)) {
        // A termination signal closes the editor like its close button.
        m_terminationSignals = new FTerminationSignals([this](int) {
            if (!KorvanePageMgr::instance()->requestClose())
                m_terminationSignals->rearm();
        }, this);
        result = exec();
        // From here on the editor is closing; signals change nothing.
        m_terminationSignals->ignoreFurtherSignals();
    }
    KorvanePageMgr::instance()->releasePages();
    KV_LOG_INFO("end");
    return result;
}

void KorvaneApp::runFinished()
{
    KV_LOG_INFO("runFinished Begin");
    if (m_secondTaskProject)
        m_secondTaskProject->waitForFinished();
    KV_LOG_INFO("task after init project finished");
    delete m_splash;
    m_splash = nullptr;

    KvConfig *config = KvConfig::Instance();
    if (config->IsFirstStart())
        config->SetFirstStart(false);
    config->SetAppCrashed(false);

    getEventTrackingProxy()->sendEvent(FAppQuitEvent());
    KV_LOG_INFO("sendGaInfoBeforeExit Done");
    KvAppStuckMonitoring::closeMonitoring();
    getEventTrackingProxy()->sendMsgToProcess(QStringLiteral("GACMD_EXIT_REQUEST"), {});
    KV_LOG_INFO("KV_EVENT_TRACKING_PROXY->sendMsgToProcess Done");
    KvLazySingletonManager::releaseAll();
    KV_LOG_INFO("KV_LAZY_SINGLETON_MGR->releaseAll Done");
    FEffectInstallerCommunicatorHelper::Release();
    KV_LOG_INFO("FEffectInstallerCommunicatorHelper::Release Done");
    KvTcPushProxy::release();
    KV_LOG_INFO("KvTcPushProxy::release Done");
    KvCommunicatorServer::Release();
    FIPCServer::release();
    KV_LOG_INFO("KvCommunicatorServer::Release Done");
    KvAppSettings::Release();
    KV_LOG_INFO("FSETTINGS_APP->Release Done");
    IKvEnvManager::getInstance()->uninit();
    KV_LOG_INFO("uninitKvEnv Done");
    IKvEnvManager::releaseInstance();
    KV_LOG_INFO("KVENVMANAGER->releaseInstance Done");
    IKvProjectManager::releaseInstance();
    KV_LOG_INFO("IKvProjectManager::releaseInstance Done");
    FWebHelperReaper::KillUnusedCefProgress();
    KvNetwork::ReleaseManeger();
    FApplication::runFinished();
    KV_LOG_INFO("runFinished End");
}

void KorvaneApp::initDirInfo()
{
    FApplication::initDirInfo();
    KorvaneDirectories::publish(appPath(), appProgramDataDir(), appDocumentDir());
    KvConfig::Instance()->SetAppValue(KorvaneDirectories::registryPath(), QStringLiteral("APP_VERSION"), kVersion,
                                      false);
    const QString customPid = KvCustomProductInfo::FGetCustomMainPID();
    if (!customPid.isEmpty())
        IKvAppInfo::getInstance()->setValue(KvAppInfoId::CustomMainProductId, customPid);
    IKvUploadManager::getInstance();

    // Who this installation is to the maker's services: a random id made at
    // the first start and kept.
    KvConfig *config = KvConfig::Instance();
    QString clientId = config->GetAppValue(QStringLiteral("Device"), QStringLiteral("ClientId"), false, QString()).toString();
    if (clientId.isEmpty()) {
        clientId = QUuid::createUuid().toString(QUuid::WithoutBraces);
        config->SetAppValue(QStringLiteral("Device"), QStringLiteral("ClientId"), clientId, false);
    }
    IKvAppInfo *info = IKvAppInfo::getInstance();
    info->setValue(KvAppInfoId::ClientId, clientId);
    info->setValue(KvAppInfoId::ProductVersion, kVersion);
    info->setValue(KvAppInfoId::ProductId, config->GetCBSUrl(QStringLiteral("PID")));
}

QString KorvaneApp::productFullName() const
{
    return kFullProductName;
}

QString KorvaneApp::logName() const
{
    return QStringLiteral("app_log");
}

void KorvaneApp::showSplash()
{
    StartupTimingSection section(QStringLiteral("StartUp_SplashScreen"));
    QScreen *screen = QGuiApplication::primaryScreen();
    m_splash = new FSplashScreen(screen);
    if (screen) {
        const QRect geometry = screen->geometry();
        m_splash->move(geometry.x() + geometry.width() / 2 - 300, geometry.y() + geometry.height() / 2 - 180);
    }
    m_splash->show();
}

bool KorvaneApp::initMainAppFlag()
{
    KvFlagUtility::setIsMainAppFlag(true);
    return true;
}

bool KorvaneApp::needSingleInstance() const
{
    return true;
}

void KorvaneApp::initRegistryInfo()
{
    KorvaneDirectories::registerValueNames();
}
