#include "KorvaneApp.h"

#include "FAppLaunchTest.h"
#include "KvTrackEvents.h"
#include "FCBSUpdater.h"
#include "FCommandLineMap.h"
#include "FEffectInstallerCommunicatorHelper.h"
#include "FForwardingStart.h"
#include "FEnvNoticeSteps.h"
#include "FIPCServer.h"
#include "FNativeEngineInfoHelper.h"
#include "FProjectDocProxy.h"
#include "FRecoveryPrompt.h"
#include "FSplashScreen.h"
#include "FStartUpCrashRecord.h"
#include "FStartUpGraphs.h"
#include "FStartUpTaskCreator.h"
#include "FStartUpTasks.h"
#include "FAppearance.h"
#include "FSystemMonitorThread.h"
#include "FTerminationSignals.h"
#include "FWebHelperReaper.h"
#include "IKvAppInfo.h"
#include "IKvBaseLog.h"
#include "IKvEnvManager.h"
#include "IKvProjectManager.h"
#include "IKvUploadManager.h"
#include "KorvaneDirectories.h"
#include "KorvanePageMgr.h"
#include "KvAppInfoId.h"
#include "KvAppSettings.h"
#include "KvAppStuckMonitoring.h"
#include "KvCloudDisk.h"
#include "KvCommunicatorServer.h"
#include "KvConfig.h"
#include "KvCustomProductInfo.h"
#include "KvEventTrackingProxy.h"
#include "KvFlagUtility.h"
#include "KvCheck.h"
#include "KvCommunicatorCommands.h"
#include "KvLazySingleton.h"
#include "KvLazySingletonManager.h"
#include "KvMediaLibraryUtils.h"
#include "KvNetwork.h"
#include "KvOpenProjectEvent.h"
#include "KvScheduleProject.h"
#include "KvScheduleProjectBuilder.h"
#include "KvTcPushProxy.h"
#include "KvToolTipHelper.h"
#include "KvUnmonitoredEventHelper.h"
#include "StartupTimingTracker.h"

#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QIcon>
#include <QScreen>
#include <QSet>
#include <QThread>
#include <QUuid>

#include <cstdio>

namespace {

const QString kProductName = QStringLiteral("Korvane");
const QString kFullProductName = QStringLiteral("Tessaracorp Korvane X");
const QString kVersion = QStringLiteral("11.8.1.1523");

// Whether the xcb GL integration was chosen by the user's environment.
bool g_glIntegrationFromUser = false;

} // namespace

KorvaneApp::KorvaneApp(int &argc, char **argv)
    : FApplication(argc, argv)
    , m_startUpTasks(std::make_unique<FStartUpTasks>(*this))
{
    // Must be set before the first window exists.
    qputenv("QT_QPA_DISABLE_ENHANCED_MOUSE", "1");
    setApplicationName(productName());
    setApplicationVersion(kVersion);
    // What an installation registers with the desktop: its entry and icon.
    setDesktopFileName(QStringLiteral("korvane"));
    setWindowIcon(QIcon::fromTheme(QStringLiteral("korvane")));
    StartupTimingTracker::instance()->start(QStringLiteral("StartUp_Total"));
}

KorvaneApp::~KorvaneApp()
{
    // The second start-up graph is not waited for at start; it must be over
    // before what its tasks created goes away.
    if (m_secondTaskProject)
        m_secondTaskProject->waitForFinished();
    {
        QMutexLocker locker(&m_memoryMonitorMutex);
        if (m_memoryMonitor) {
            m_memoryMonitor->requestInterruption();
            m_memoryMonitor->stop();
        }
        m_memoryMonitor.reset();
    }
    m_launchTest.reset();
}

void KorvaneApp::prepareProcessEnvironment()
{
    g_glIntegrationFromUser = qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION");
    if (!g_glIntegrationFromUser)
        qputenv("QT_XCB_GL_INTEGRATION", "none");
}

bool KorvaneApp::startUpInterrupted()
{
    if (m_startUpInterrupted.load())
        return true;
    const int signalNumber = FTerminationSignals::pendingSignal();
    if (signalNumber == 0 || m_inEventLoop)
        return false;
    if (!m_startUpInterrupted.exchange(true))
        KV_LOG_INFO("signal %d during start-up: ending once what has started is released", signalNumber);
    return true;
}

void KorvaneApp::onTerminationSignal(int signalNumber)
{
    if (!m_inEventLoop) {
        // Start-up skips what is left at its next step.
        if (!m_startUpInterrupted.exchange(true))
            KV_LOG_INFO("signal %d during start-up: ending once what has started is released", signalNumber);
        // A dialog that start-up waits on (a notice, a question) would hold
        // that next step until the user answers: dismiss it as its close
        // button would.
        closeModalDialogs();
        return;
    }
    if (!KorvanePageMgr::instance()->requestClose())
        m_terminationSignals->rearm();
}

void KorvaneApp::closeModalDialogs()
{
    // Each dismissed dialog ends its own loop; a dialog that refuses to go
    // (or is not a dialog) is closed once and left, never looped on.
    QSet<QWidget *> tried;
    while (QWidget *modal = QApplication::activeModalWidget()) {
        if (tried.contains(modal))
            break;
        tried.insert(modal);
        KV_LOG_INFO("dismissing \"%s\" for the termination signal", KV_CSTR(modal->objectName()));
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        else
            modal->close();
    }
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
    // Before anything that a signal's default action would leave half done.
    m_terminationSignals = std::make_unique<FTerminationSignals>(
        [this](int signalNumber) { onTerminationSignal(signalNumber); });
    FAppQuitEvent::startTime();
    KvNetwork::GetNetManager();
    initMainAppFlag();
    FApplication::init();
    // The first windows come up in the stored language and theme.
    FAppearance::applyStored();

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
    KV_LOG_INFO("xcb GL integration \"%s\" (%s)", qgetenv("QT_XCB_GL_INTEGRATION").constData(),
                g_glIntegrationFromUser ? "from the environment" : "the editor's default");
    initRegistryInfo();

    IKvAppInfo *appInfo = IKvAppInfo::getInstance();
    appInfo->setValue(KvAppInfoId::VideoImportFilter, KvMediaLibraryUtils::getImportVideoFilter());
    appInfo->setValue(KvAppInfoId::AudioImportFilter, KvMediaLibraryUtils::getImportAudioFilter());
    appInfo->setValue(KvAppInfoId::ImageImportFilter, KvMediaLibraryUtils::getImportImageFilter());

    if (!KvCommunicatorServer::GetInstance()->Listen(FForwardCommand::ServerName))
        KV_LOG_ERROR("cannot listen on %s: second starts will not reach this instance",
                     KV_CSTR(FForwardCommand::ServerName));

    const QString enginePath = QDir::toNativeSeparators(
        QStringLiteral("%1/%2").arg(QCoreApplication::applicationDirPath(), QStringLiteral("Ordwick.exe")));
    FNativeEngineInfoHelper::SetProcessPath(enginePath);
    return true;
}

bool KorvaneApp::prepareRun()
{
    if (startUpInterrupted())
        return true;
    StartupTimingSection section(QStringLiteral("StartUp_PrepareRun"));
    const bool testRan = runLaunchTest() != 0;
    section.setUserTime(m_userTimeMs);
    if (startUpInterrupted())
        return true;
    // Starts that died twice in a row in the same task: this one runs in safe mode.
    if (FStartUpCrashRecord::forThisRun().begin()) {
        m_launchTest->setSafeMode(true);
        KvAppSettings::Save();
    }

    FIPCServer::instance()->start();
    FApplication::initQueryDomainNameFunc();
    getCloudDisk();
    KvTcPushProxy::getInstance();
    KvToolTipHelper::GetInstance();

    KvScheduleProjectBuilder builder(new FStartUpTaskCreator);
    FStartUpTasks *tasks = m_startUpTasks.get();
    FStartUpGraphs::describeFirst(builder, [tasks](QLatin1String name) { return tasks->stepFor(name); }, testRan);
    std::unique_ptr<KvScheduleProject> project(builder.create());
    const QStringList errors = builder.errors();
    m_firstGraphTaskNames = project->taskNames();
    KV_LOG_INFO("start-up graph of %d tasks started", project->taskCount());
    project->start();
    project->waitForFinished();
    return errors.isEmpty();
}

int KorvaneApp::runLaunchTest()
{
    KV_LOG_INFO("launchTest start");
    QElapsedTimer timer;
    timer.start();
    m_launchTest = std::make_unique<FAppLaunchTest>();
    if (!m_launchTest->needTest())
        return 0;
    // The first-run test shows a dialog, which needs what the base
    // preparation sets up; the "Prepare Run" task is left out then.
    FApplication::prepareRun();
    m_launchResult = m_launchTest->start();
    {
        StartupTimingSection section(QStringLiteral("StartUp_WaitForTest"));
        if (m_launchResult.hardwareBelowRequirement && m_launchResult.driverUpdateNoticeWanted)
            FEnvNoticeSteps::showRequirementQuestion();
        else if (m_launchResult.hardwareBelowRequirement)
            FEnvNoticeSteps::showRequirementInformation();
        else if (m_launchResult.driverUpdateNoticeWanted)
            FEnvNoticeSteps::showSafeModeStep(m_launchResult);
    }
    m_userTimeMs += qint32(timer.elapsed());
    KV_LOG_INFO("launchTest finished, cost = %d", m_userTimeMs);
    return 1;
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

void KorvaneApp::startSecondGraph()
{
    if (m_secondTaskProject || startUpInterrupted())
        return;
    KvScheduleProjectBuilder builder(new FStartUpTaskCreator);
    FStartUpTasks *tasks = m_startUpTasks.get();
    FStartUpGraphs::describeSecond(builder, [tasks](QLatin1String name) { return tasks->stepFor(name); });
    m_secondTaskProject.reset(builder.create());
    m_secondTaskProject->start();
}

FCBSUpdater *KorvaneApp::cbsUpdater()
{
    if (!m_cbsUpdater)
        m_cbsUpdater = createCBSUpdater(this);
    return m_cbsUpdater;
}

void KorvaneApp::alreadyRun()
{
    KV_LOG_INFO("%s already run", KV_CSTR(productName()));
    if (!callExistAppDoSomething())
        setAlreadyRunResult(1);
}

KorvaneApp::ForwardCommand KorvaneApp::forwardCommandFor(const QMap<QString, QString> &map,
                                                         const KvVelloqHelper &velloq)
{
    return FForwardCommand::forStartArguments(map, velloq);
}

bool KorvaneApp::callExistAppDoSomething()
{
    const QMap<QString, QString> map = FCommandLineMap::build(arguments());
    m_velloqHelper.parseStartParams(map.value(FCommandLineMap::kVelloqParamKey));
    const QString openEntry = map.value(FCommandLineMap::kOpenKey);
    if (!openEntry.isEmpty())
        KV_LOG_INFO("doubleClickProjectPath: %s", KV_CSTR(openEntry));
    return FForwardingStart::forward(forwardCommandFor(map, m_velloqHelper), FForwardCommand::ServerName,
                                     FForwardingStart::kBudgetMs, stderr);
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
    return FRecoveryPrompt::run(IKvAppInfo::getInstance()->getString(KvAppInfoId::BackupDir), unsavedProjectFound,
                                FProjectDocProxy::instance());
}

int KorvaneApp::doRun()
{
    KV_LOG_INFO("begin");
    if (startUpInterrupted()) {
        // Nothing is shown any more; runFinished() releases what started.
        if (KvLazySingleton<KorvanePageMgr>::exists())
            KorvanePageMgr::instance()->releasePages();
        KV_LOG_INFO("end");
        return 0;
    }
    KV_LOG_INFO("Show dialog");
    QElapsedTimer timer;
    timer.start();
    if (m_pathNotWritable.load())
        FEnvNoticeSteps::showPathDialog();
    if (m_checkUnsavedProject) {
        KV_LOG_INFO("Show unsaved project dialog begin");
        const int ret = runRecoveryPrompt(&m_launchResult.unsavedProjectFound);
        KV_LOG_INFO("Show unsaved project dialog end, ret = %d", ret > 0);
        if (ret <= 0) {
            KV_CHECK(m_launchTest, m_launchTest = std::make_unique<FAppLaunchTest>());
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
    if (KorvanePageMgr::instance()->run(info) && !startUpInterrupted()) {
        // From here on a termination signal closes the editor like its close
        // button; one that came before the loop is handled on its first turn.
        m_inEventLoop = true;
        FStartUpCrashRecord::forThisRun().finish();
        result = exec();
        m_inEventLoop = false;
        // The editor is closing; signals change nothing any more.
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
    FStartUpCrashRecord::forThisRun().finish();

    getEventTrackingProxy()->sendEvent(FAppQuitEvent());
    KV_LOG_INFO("sendGaInfoBeforeExit Done");
    KvAppStuckMonitoring::closeMonitoring();
    getEventTrackingProxy()->sendMsgToProcess(KvCommand::ExitRequest, {});
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
