#include "KorvanePageMgr.h"

#include "FAccountInfoDlg.h"
#include "FActiveDeviceLimitHelper.h"
#include "FAppCrashEvent.h"
#include "FAppLaunchEvent.h"
#include "FBugSplatEvent.h"
#include "FCaddyMessageModel.h"
#include "FCommandLineMap.h"
#include "FEmbedWindowPopupEvent.h"
#include "FLogRetrievalTask.h"
#include "FLoginTokenStore.h"
#include "FNPSHelp.h"
#include "FNativeEngineInfoHelper.h"
#include "FNetworkProxySetting.h"
#include "FProductHomePage.h"
#include "FProductHomePagePresenter.h"
#include "FProjectDocProxy.h"
#include "FPublicInfoEvent.h"
#include "FSplashScreen.h"
#include "FStreamPlayerInfoHelper.h"
#include "FTcPushWorker.h"
#include "FTemplateTimeLinePageButtonClickEvent.h"
#include "FTemplateUseMessage.h"
#include "FTemplateView.h"
#include "FThirdPartyCloud.h"
#include "FUserAccountPages.h"
#include "FUserInfoEvent.h"
#include "FVideoTemplate.h"
#include "HwInfoHelper.h"
#include "IKvAccountService.h"
#include "IKvAppInfo.h"
#include "IKvBaseLog.h"
#include "IKvEnvManager.h"
#include "IKvProjectManager.h"
#include "IKvProjectRecentManager.h"
#include "IKvUpgradeModule.h"
#include "KorvaneMainForm.h"
#include "KorvaneScene.h"
#include "KvAppInfoId.h"
#include "KvAppSettings.h"
#include "KvApplication.h"
#include "KvCloudDisk.h"
#include "KvCustomProductInfo.h"
#include "KvCloudDiskViewPresenter.h"
#include "KvCommunicatorMsg.h"
#include "KvCommunicatorServer.h"
#include "KvConfig.h"
#include "KvCustomEventDispatcher.h"
#include "KvElapsedTimer.h"
#include "KvEventTrackingProxy.h"
#include "KvIniWriter.h"
#include "KvMediaLibraryGoToMsg.h"
#include "KvNetwork.h"
#include "KvProcess.h"
#include "KvProjectSuffixHelper.h"
#include "KvUndoRedoService.h"
#include "KvUtility.h"
#include "StartupTimingTracker.h"
#include "TemplateModeScene.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <QtConcurrent>

#include <cstring>

namespace {

// xcb event codes (response_type without the "sent" bit) and the window
// messages the engine link understands.
constexpr quint8 kXcbFocusIn = 9;
constexpr quint8 kXcbConfigureNotify = 22;
constexpr int kMessageActivate = 6;
constexpr int kMessageWindowPosChanged = 71;

std::atomic<bool> g_safeModeRequested{false};
std::atomic<bool> g_forwardedOpenInProgress{false};

// Scoped hold of a process-wide re-entrance flag.
class FlagGuard
{
public:
    explicit FlagGuard(std::atomic<bool> &flag)
        : m_flag(flag)
        , m_acquired(!flag.exchange(true))
    {
    }
    ~FlagGuard()
    {
        if (m_acquired)
            m_flag = false;
    }
    bool acquired() const { return m_acquired; }

private:
    std::atomic<bool> &m_flag;
    bool m_acquired;
};

void showInformation(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Information, QCoreApplication::applicationName(), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("KorvanePageMgr_Information"));
    box.exec();
}

} // namespace

KorvanePageMgr::KorvanePageMgr()
{
    m_pageState = NoPage;
    init();
    connectSignals();
    IKvAccountService::getInstance()->addObserver(this);
    qApp->installNativeEventFilter(this);
}

KorvanePageMgr::~KorvanePageMgr()
{
    if (m_retrievalTask && m_retrievalTask->isRunning()) {
        KV_LOG_INFO("Release RetrievalTask");
        m_retrievalTask->quit();
        m_retrievalTask->wait();
    }
    delete m_retrievalTask;
    m_retrievalTask = nullptr;
    if (m_pushThread && m_pushThread->isRunning()) {
        KV_LOG_INFO("Release TcPush Thread.");
        m_pushThread->quit();
        m_pushThread->wait();
    }
    KV_LOG_INFO("Release RetrievalTask End");
    IKvAccountService::getInstance()->removeObserver(this);
    releaseUpgradeModule(m_upgradeModule);
    m_upgradeModule = nullptr;
    delete m_hwInfoHelper;
    m_hwInfoHelper = nullptr;
    if (qApp)
        qApp->removeNativeEventFilter(this);
    m_pushWorker.reset();
    delete m_npsHelp;
}

void KorvanePageMgr::init()
{
    KV_LOG_INFO("begin");
    m_upgradeModule = createUpgradeModule(0);
    m_hwInfoHelper = new HwInfoHelper;
    QTimer::singleShot(1000, this, &KorvanePageMgr::checkUpdaterExe);
    FStreamPlayerInfoHelper::getInstance()->init();

    m_pushThread = new QThread(this);
    m_pushThread->setObjectName(QStringLiteral("TcPushThread"));
    m_pushWorker = QSharedPointer<FTcPushWorker>::create();
    FTcPushWorker *worker = m_pushWorker.data();
    KvCustomEventDispatcher::registerListener(worker, QStringLiteral("NotifyTCIDReport"),
                                              [worker](const QVariantList &) { worker->onNotifyTCIDReport(); });
    KvCustomEventDispatcher::registerListener(worker, QStringLiteral("NotifyTCIDReponse"),
                                              [worker](const QVariantList &args) {
                                                  worker->onNotifyTCIDReponse(args.value(0).toInt(),
                                                                              args.value(1).toInt(),
                                                                              args.value(2).toBool());
                                              });
    worker->moveToThread(m_pushThread);
    m_pushThread->start(QThread::InheritPriority);
    KV_LOG_INFO("end");
}

void KorvanePageMgr::connectSignals()
{
    FNativeEngineInfoHelper *engine = FNativeEngineInfoHelper::instance();
    connect(engine, &FNativeEngineInfoHelper::sigOrvalaDownloadProject, this,
            &KorvanePageMgr::slotOrvalaDownloadProject);
    connect(engine, &FNativeEngineInfoHelper::sigCloudDiskShare, this, &KorvanePageMgr::slotCloudDiskShare);
    connect(engine, &FNativeEngineInfoHelper::sigActiveMainWindow, this, &KorvanePageMgr::slotActiveMainWindow);
    connect(m_upgradeModule, &IKvUpgradeModule::sigExitForForceUpgrade, this,
            &KorvanePageMgr::slotExitForForceUpgrade);
    connect(m_upgradeModule, &IKvUpgradeModule::sigRestartForUpgrade, this, &KorvanePageMgr::slotRestartForUpgrade);
    KvCommunicatorServer *server = KvCommunicatorServer::GetInstance();
    connect(server, &KvCommunicatorServer::sigReceveMsgFrom, this, &KorvanePageMgr::slotOpenDbClickProject);
    connect(server, &KvCommunicatorServer::sigReceveMsgFrom, this, &KorvanePageMgr::raiseOnReopen);
    connect(server, &KvCommunicatorServer::sigTrackPublic, this, &KorvanePageMgr::slotOnTrackPublic);
    KvCloudDiskViewPresenter *cloud = getCloudDisk()->viewPresenter();
    connect(cloud, &KvCloudDiskViewPresenter::sigOpenProject, this, [this](const QString &path) {
        KV_LOG_INFO("openProject");
        openProject(path);
    });
    connect(cloud, &KvCloudDiskViewPresenter::sigLocationProjectTemplate, this,
            &KorvanePageMgr::locateInMediaLibrary);
    connect(cloud, &KvCloudDiskViewPresenter::sigRefreshToken, this,
            [] { KV_LOG_INFO("cloud storage asks for a fresh token"); });
    connect(cloud, &KvCloudDiskViewPresenter::uploadVideoFinished, this,
            [] { KV_LOG_INFO("cloud storage upload finished"); });
    connect(cloud, &KvCloudDiskViewPresenter::downloadShareFinished, this,
            [] { KV_LOG_INFO("cloud storage share download finished"); });
}

KorvanePageMgr::PageState KorvanePageMgr::chooseFirstPage(bool unsavedProject, const QString &openPath,
                                                          bool templateMapEmpty, const QString &shareString,
                                                          bool showProjectLibrary,
                                                          const std::function<bool()> &activeProjectWillExist,
                                                          const std::function<bool()> &isTemplateProject)
{
    if (!unsavedProject && openPath.isEmpty() && templateMapEmpty && shareString.isEmpty() && showProjectLibrary)
        return StartPage;
    if (!activeProjectWillExist())
        return StartPage;
    return isTemplateProject() ? TemplateEditor : EditingScene;
}

bool KorvanePageMgr::isMemoryLow(double totalMB, double freeMB)
{
    return totalMB < 4096 || freeMB < 1024;
}

bool KorvanePageMgr::safeModeRequested()
{
    return g_safeModeRequested;
}

void KorvanePageMgr::setSplashProgress(int percent)
{
    if (!m_splash)
        return;
    m_splash->setProgress(percent);
    m_splash->repaint();
    KV_LOG_INFO("Splash: %d / 100", percent);
}

bool KorvanePageMgr::run(const StartupPageInfo &info)
{
    StartupTimingTracker *tracker = StartupTimingTracker::instance();
    tracker->start(QStringLiteral("StartUp_InitUI"));
    KV_LOG_INFO("begin");
    KvElapsedTimer timer("KorvanePageMgr::run");
    m_splash = info.splash;
    setSplashProgress(50);

    const QMap<QString, QString> map = FCommandLineMap::build(QCoreApplication::arguments());
    m_velloqHelper.parseStartParams(map.value(FCommandLineMap::kVelloqParamKey));
    const QString openPath = map.value(FCommandLineMap::kOpenKey);
    const QString shareString = map.value(FCommandLineMap::kShareKey);

    tracker->stop(QStringLiteral("StartUp_InitUI"));
    tracker->stop(QStringLiteral("StartUp_Total"), info.userTime);
    KV_LOG_INFO("StartUp Finished: %s, userTime: %d", KV_CSTR(tracker->summary()), info.userTime);

    startBackgroundJob();

    if (!autoLogin()) {
        m_messageCaddyStarted = true;
        FCaddyMessageModel::instance()->init(false);
    }
    FGeneralSettings &general = KvAppSettings::GetInstance()->GetSettings().GetGeneralSetting();
    if (general.GetLaunchVelloq() && KvVelloqHelper::isVelloqInstalled())
        KvVelloqHelper::startVelloq();

    KvConfig *config = KvConfig::Instance();
    if (!config->IsFirstStart() && !general.GetShowProjectLibrary() && !config->IsShowHomePageUpdated()) {
        KV_LOG_INFO("ShowHomePageUpdated");
        general.SetShowProjectLibrary(true);
    }
    config->SetShowHomePageUpdated(true);

    setSplashProgress(99);

    const bool unsavedProject = info.launchResult.unsavedProjectFound;
    const bool templateMapEmpty = m_velloqHelper.getPrjTemplateMap().isEmpty();
    const bool showLibrary = general.GetShowProjectLibrary();
    KV_LOG_INFO("unsave project: %d, project path: %d, velloq TemplateMap: %d, show project: %d", unsavedProject,
                openPath.isEmpty(), templateMapEmpty, showLibrary);

    FProjectDocProxy *docProxy = FProjectDocProxy::instance();
    const PageState target = chooseFirstPage(
        unsavedProject, openPath, templateMapEmpty, shareString, showLibrary,
        [docProxy] { return docProxy->ensureActivateProjectExist(false, false); },
        [docProxy] { return docProxy->isDelayLoadTemplateProject(); });
    switchToPage(target);
    KvApplication::reportFirstExpose(currentPageWidget());

    if (m_splash) {
        m_splash->setProgress(100);
        if (QWidget *page = currentPageWidget())
            m_splash->finish(page);
        else
            m_splash->close();
        KV_LOG_INFO("Splash: %d / 100", 100);
        m_splash->deleteLater();
        m_splash = nullptr;
    }
    m_currentPageWidget.clear();

    QTimer::singleShot(10, this, &KorvanePageMgr::startLogRetrieval);
    KV_LOG_INFO("end");
    return true;
}

void KorvanePageMgr::startBackgroundJob()
{
    QPointer<FTcPushWorker> worker = m_pushWorker.data();
    HwInfoHelper *hwInfo = m_hwInfoHelper;
    QtConcurrent::run([worker, hwInfo] {
        getEventTrackingProxy()->sendEvent(FUserInfoEvent());
        getEventTrackingProxy()->sendEvent(FPublicInfoEvent());
        const qint64 pid = QCoreApplication::applicationPid();
        KV_LOG_INFO("GACMD_TRACK_SERVER_PID:%lld,", pid);
        getEventTrackingProxy()->command(QStringLiteral("GACMD_TRACK_SERVER_PID"), {QString::number(pid)});
        const QString crashMarker = QCoreApplication::applicationDirPath() + QStringLiteral("/BugSplat_Crash.ini");
        if (QFile::exists(crashMarker)) {
            QFile::remove(crashMarker);
            getEventTrackingProxy()->sendEvent(FBugSplatEvent());
            getEventTrackingProxy()->sendEvent(FAppCrashEvent());
            KV_LOG_INFO("BugSplat/Crash");
        }
        FAppLaunchEvent launch;
        StartupTimingTracker *tracker = StartupTimingTracker::instance();
        for (const char *section : {"StartUp_Total", "StartUp_InitDecoder", "StartUp_InitUI", "StartUp_PrepareRun",
                                    "StartUp_InitVBLProjectMgr"})
            launch.setTiming(QString::fromLatin1(section), tracker->result(QString::fromLatin1(section)));
        getEventTrackingProxy()->sendEvent(launch);
        if (hwInfo)
            hwInfo->runTask();
        if (worker)
            KvCustomEventDispatcher::dispatch(QStringLiteral("NotifyTCIDReport"), worker);
    });
}

bool KorvanePageMgr::autoLogin()
{
    IKvAccountService *account = IKvAccountService::getInstance();
    const IKvAccountService::KvAccountUser user = account->currentUser();
    if (!user.token.isEmpty() && !user.userName.isEmpty())
        return account->restoreLogin();

    QByteArray token;
    QString userId;
    if (FLoginTokenStore::load(&token, &userId))
        return account->loginByToken(token, userId);
    if (m_velloqHelper.isAppStartByVelloq()) {
        const QPair<QString, QString> pair = m_velloqHelper.getUserPwdPair();
        if (!pair.first.isEmpty() && !pair.second.isEmpty())
            return account->loginByUserPwd(pair.first, pair.second);
    }
    KV_LOG_INFO("nobody is logged in");
    return false;
}

void KorvanePageMgr::startLogRetrieval()
{
    QSettings settings(KvConfig::Instance()->GetKorvaneConfigFile(), QSettings::IniFormat);
    const bool flashback = settings.value(QStringLiteral("LogRetrieval/flashback"), false).toBool();
    m_retrievalTask = new FLogRetrievalTask(this, flashback ? 2 : 1);
    connect(m_retrievalTask, &QThread::finished, this, [this] {
        KV_LOG_INFO("m_flashbackRetrievalTask finished");
        if (!m_retrievalTask)
            return;
        m_retrievalTask->quit();
        m_retrievalTask->wait();
        m_retrievalTask->deleteLater();
        m_retrievalTask = nullptr;
        KV_LOG_INFO("m_flashbackRetrievalTask deleted");
    });
    m_retrievalTask->start(QThread::InheritPriority);
}

void KorvanePageMgr::checkUpdaterExe()
{
    if (KvProcess::hasSameNameProcess(IKvUpgradeModule::updaterExecutableName())) {
        QTimer::singleShot(1000, this, &KorvanePageMgr::checkUpdaterExe);
        return;
    }
    if (m_upgradeModule)
        m_upgradeModule->checkAndInstallUpdateExe();
}

QWidget *KorvanePageMgr::currentPageWidget() const
{
    switch (m_pageState) {
    case StartPage:
        return m_startPage;
    case EditingScene:
        return m_korvaneScene ? m_korvaneScene->mainForm() : nullptr;
    case TemplateEditor:
        return m_templateModeScene ? m_templateModeScene->videoTemplate() : nullptr;
    case TemplateList:
        return m_templateModeScene ? m_templateModeScene->templateView() : nullptr;
    case NoPage:
        break;
    }
    return nullptr;
}

FProductHomePage *KorvanePageMgr::startPage()
{
    if (m_startPage)
        return m_startPage;
    m_startPage = new FProductHomePage;
    FProductHomePagePresenter *presenter = m_startPage->presenter();
    connect(presenter, &FProductHomePagePresenter::sigOpenNormalProject, this,
            &KorvanePageMgr::enterEditingFromStartPage, Qt::QueuedConnection);
    connect(presenter, &FProductHomePagePresenter::sigToolClicked, this, &KorvanePageMgr::slotHomePageToolClicked,
            Qt::QueuedConnection);
    connect(presenter, &FProductHomePagePresenter::sigUseTemplate, this, &KorvanePageMgr::useTemplate,
            Qt::QueuedConnection);
    connect(presenter, &FProductHomePagePresenter::sigTemplateSeeAll, this, &KorvanePageMgr::slotTemplateSeeAll,
            Qt::QueuedConnection);
    connect(presenter, &FProductHomePagePresenter::sigOpenTemplateProject, this,
            [this](const QString &path) {
                if (!path.isEmpty())
                    FProjectDocProxy::instance()->SetDelayLoadProjectPath(path);
                enterTemplateMode();
            }, Qt::QueuedConnection);
    connect(presenter, &FProductHomePagePresenter::sigUpdate, this, &KorvanePageMgr::slotUpdate);
    connect(presenter, &FProductHomePagePresenter::sigOpenOrvala, this, &KorvanePageMgr::slotOpenOrvala);
    connect(presenter, &FProductHomePagePresenter::sigOpenMediaFolderAndSearch, this,
            &KorvanePageMgr::slotOpenMediaFolderAndSearch, Qt::QueuedConnection);
    connect(presenter, &FProductHomePagePresenter::sigOpenMediaFolder, this, &KorvanePageMgr::slotOpenMediaFolder,
            Qt::QueuedConnection);
    connect(presenter, &FProductHomePagePresenter::sigLogin, this, &KorvanePageMgr::slotLogin);
    connect(presenter, &FProductHomePagePresenter::sigLogout, this, &KorvanePageMgr::slotLogout);
    connect(presenter, &FProductHomePagePresenter::sigCheckUpgrade, this, &KorvanePageMgr::slotCheckUpgrade);
    connect(m_startPage, &FProductHomePage::sigClose, this, &KorvanePageMgr::slotClose, Qt::DirectConnection);
    return m_startPage;
}

KorvaneScene *KorvanePageMgr::korvaneScene()
{
    if (m_korvaneScene)
        return m_korvaneScene;
    FStreamPlayerInfoHelper::quit();
    m_korvaneScene = new KorvaneScene;
    m_korvaneScene->setUndoRedoService(IKvProjectManager::getInstance()->undoRedoService());
    m_korvaneScene->createMainForm();
    KorvaneMainForm *form = m_korvaneScene->mainForm();
    connect(form, &KorvaneMainForm::sigCloseGetStart, this, [this] {
        if (m_startPage)
            m_startPage->accept();
    });
    connect(form, &KorvaneMainForm::sigBackHomepage, this, &KorvanePageMgr::slotMainViewBackHomepage);
    connect(form, &KorvaneMainForm::sigOpenOrvala, this, &KorvanePageMgr::slotOpenOrvala);
    connect(form, &KorvaneMainForm::sigMainFormClose, this, &KorvanePageMgr::slotClose, Qt::DirectConnection);
    connect(form, &KorvaneMainForm::sigLogin, this, &KorvanePageMgr::slotLogin);
    connect(form, &KorvaneMainForm::sigLogout, this, &KorvanePageMgr::slotLogout);
    connect(form, &KorvaneMainForm::sigExportTimeline, this, &KorvanePageMgr::slotExportTimeline);
    connect(form, &KorvaneMainForm::sigShowLoginDialog, this, &KorvanePageMgr::slotShowLoginDialog);
    connect(form, &KorvaneMainForm::sigCheckUpgrade, this, &KorvanePageMgr::slotCheckUpgrade);
    connect(form, &KorvaneMainForm::sigRestartApp, this, &KorvanePageMgr::slotRestartApp);
    connect(this, &KorvanePageMgr::sigHasReward, form, &KorvaneMainForm::slotHasReward);
    return m_korvaneScene;
}

TemplateModeScene *KorvanePageMgr::templateModeScene()
{
    if (m_templateModeScene)
        return m_templateModeScene;
    m_templateModeScene = new TemplateModeScene;
    m_templateModeScene->init();
    TemplateModeScene *scene = m_templateModeScene;
    connect(scene, &TemplateModeScene::sigEnterTimelineMode, this, &KorvanePageMgr::slotEnterTimelineMode);
    connect(scene, &TemplateModeScene::sigClose, this, &KorvanePageMgr::slotClose, Qt::DirectConnection);
    connect(scene, &TemplateModeScene::sigBackHomepage, this, [this] {
        getEventTrackingProxy()->sendEvent(FTemplateTimeLinePageButtonClickEvent());
        deferBackHomepage();
    });
    connect(scene, &TemplateModeScene::sigShowVendaraEffect, this, &KorvanePageMgr::slotVendaraEffect);
    connect(scene, &TemplateModeScene::sigCheckUpgrade, this, &KorvanePageMgr::slotCheckUpgrade);
    connect(scene, &TemplateModeScene::sigBackTemplateView, this, [this] {
        m_pageState = TemplateList;
        m_templateModeScene->showTemplateList();
    });
    connect(scene, &TemplateModeScene::sigEnterEditView, this, [this] {
        m_pageState = TemplateEditor;
        m_templateModeScene->showTemplateEditor();
    });
    connect(scene, &TemplateModeScene::sigLogin, this, &KorvanePageMgr::slotLogin);
    return m_templateModeScene;
}

void KorvanePageMgr::setStartPageVisible(bool visible)
{
    if (visible) {
        FProductHomePage *page = startPage();
        page->show();
        page->raise();
        page->activateWindow();
        m_currentPageWidget = page;
        return;
    }
    dropStartPage();
}

void KorvanePageMgr::dropStartPage()
{
    if (!m_startPage)
        return;
    m_startPage->hide();
    if (getCloudDisk()->isViewOpen())
        getCloudDisk()->closeView();
    m_startPage->deleteLater();
    m_startPage = nullptr;
}

void KorvanePageMgr::setKorvaneSceneVisible(bool visible)
{
    if (!visible) {
        destroyKorvaneScene();
        return;
    }
    KorvaneScene *scene = korvaneScene();
    KorvaneMainForm *form = scene->mainForm();
    KvUtility::gSetMainWindow(form);
    armSurveyTimer();
    form->showWithStoredGeometry();
    KvUtility::gSetMainWindow(form);
    m_currentPageWidget = form;
}

void KorvanePageMgr::destroyKorvaneScene()
{
    if (!m_korvaneScene)
        return;
    KV_LOG_INFO("delete korvane scene start");
    KorvaneScene *scene = m_korvaneScene;
    m_korvaneScene = nullptr;
    if (KorvaneMainForm *form = scene->mainForm())
        form->hide();
    scene->stop();
    if (KvUtility::gMainWindow() == scene->mainForm())
        KvUtility::gSetMainWindow(nullptr);
    delete scene;
    KV_LOG_INFO("delete korvane scene end");
}

void KorvanePageMgr::setTemplateModeSceneVisible(bool visible)
{
    if (!visible) {
        destroyTemplateModeScene();
        return;
    }
    armSurveyTimer();
    TemplateModeScene *scene = templateModeScene();
    if (m_pageState == TemplateList)
        scene->showTemplateList();
    else
        scene->showTemplateEditor();
    m_currentPageWidget = currentPageWidget();
}

void KorvanePageMgr::destroyTemplateModeScene()
{
    if (!m_templateModeScene)
        return;
    KV_LOG_INFO("delete templatemode scene start");
    TemplateModeScene *scene = m_templateModeScene;
    m_templateModeScene = nullptr;
    scene->releaseAllView();
    delete scene;
    KV_LOG_INFO("delete templatemode scene end");
}

void KorvanePageMgr::armSurveyTimer()
{
    if (m_surveyTimerArmed)
        return;
    m_surveyTimerArmed = true;
    QTimer::singleShot(int(KvConfig::Instance()->GetNpsTimingTime()), this, &KorvanePageMgr::slotWhetherShowNPS);
}

void KorvanePageMgr::switchToPage(PageState target)
{
    if (target == m_pageState)
        return;
    KV_LOG_INFO("page %d -> %d", int(m_pageState), int(target));
    m_pageState = target;

    if (m_upgradeModule)
        m_upgradeModule->setParentWidget(nullptr);
    KvCloudDisk *cloud = getCloudDisk();
    const bool cloudViewWasOpen = cloud->isViewOpen();
    if (cloudViewWasOpen)
        cloud->closeView();

    FProjectDocProxy *docProxy = FProjectDocProxy::instance();
    switch (target) {
    case StartPage:
        destroyKorvaneScene();
        destroyTemplateModeScene();
        setStartPageVisible(true);
        break;
    case EditingScene:
        dropStartPage();
        destroyTemplateModeScene();
        setKorvaneSceneVisible(true);
        docProxy->korvaneStartUp();
        docProxy->clearDelayLoadProjectInfos();
        break;
    case TemplateEditor: {
        dropStartPage();
        destroyKorvaneScene();
        if (m_templateModeScene && m_templateModeScene->templateView())
            m_templateModeScene->templateView()->hide();
        setTemplateModeSceneVisible(true);
        const bool opened = docProxy->korvaneStartUp();
        docProxy->clearDelayLoadProjectInfos();
        if (!opened) {
            m_pageState = TemplateList;
            m_templateModeScene->showTemplateList();
            m_currentPageWidget = currentPageWidget();
        }
        break;
    }
    case TemplateList:
        dropStartPage();
        destroyKorvaneScene();
        if (m_templateModeScene && m_templateModeScene->videoTemplate())
            m_templateModeScene->videoTemplate()->hide();
        setTemplateModeSceneVisible(true);
        docProxy->korvaneStartUp();
        docProxy->clearDelayLoadProjectInfos();
        break;
    case NoPage:
        break;
    }

    QWidget *page = currentPageWidget();
    if (cloudViewWasOpen)
        cloud->openView(page);
    if (m_upgradeModule)
        m_upgradeModule->setParentWidget(page);
}

void KorvanePageMgr::releasePages()
{
    const QString configure = QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../Configure.ini"));
    QString error;
    if (!KvIniWriter::writePrivateProfileString(QStringLiteral("Launcher"), QStringLiteral("wait_for_last_program_exit"),
                                                QStringLiteral("1"), configure, &error))
        KV_LOG_ERROR("cannot write %s: %s", KV_CSTR(configure), KV_CSTR(error));
    if (m_pageState != NoPage) {
        m_pageState = NoPage;
        if (m_upgradeModule)
            m_upgradeModule->setParentWidget(nullptr);
        KvCloudDisk *cloud = getCloudDisk();
        if (cloud->isViewOpen()) {
            cloud->closeView();
            cloud->openView(nullptr);
            cloud->closeView();
        }
    }
    FStreamPlayerInfoHelper::quit();
    if (m_startPage) {
        m_startPage->hide();
        delete m_startPage;
        m_startPage = nullptr;
    }
    destroyKorvaneScene();
    destroyTemplateModeScene();
}

void KorvanePageMgr::openProject(const QString &path)
{
    IKvProjectManager *manager = IKvProjectManager::getInstance();
    if (manager->isBusy()) {
        KV_LOG_INFO("project manager busy, open of %s ignored", KV_CSTR(path));
        return;
    }
    manager->prepareOpen();
    const bool isTemplate = KvProjectSuffixHelper::isInstantModeFile(path);
    FProjectDocProxy *docProxy = FProjectDocProxy::instance();
    switch (m_pageState) {
    case NoPage:
    case StartPage:
    case TemplateList:
        docProxy->SetDelayLoadProjectPath(path);
        if (isTemplate)
            enterTemplateMode();
        else
            switchToPage(EditingScene);
        return;
    case EditingScene:
        if (isTemplate) {
            if (!m_korvaneScene || !m_korvaneScene->mainForm()->closeProject())
                return;
            docProxy->SetDelayLoadProjectPath(path);
            enterTemplateMode();
            return;
        }
        break;
    case TemplateEditor:
        if (!isTemplate) {
            if (m_templateModeScene && m_templateModeScene->videoTemplate()
                && !m_templateModeScene->videoTemplate()->backHomepage())
                return;
            QTimer::singleShot(0, this, [this, path] {
                IKvProjectManager::getInstance()->closeProject();
                FProjectDocProxy::instance()->SetDelayLoadProjectPath(path);
                switchToPage(EditingScene);
            });
            return;
        }
        break;
    }
    KV_LOG_INFO("openProject");
    docProxy->openProject(path, false);
}

void KorvanePageMgr::deferBackHomepage()
{
    QTimer::singleShot(0, this, [this] {
        switchToPage(StartPage);
        IKvProjectManager::getInstance()->reset(true);
    });
}

void KorvanePageMgr::enterEditingFromStartPage(const QString &path)
{
    if (!path.isEmpty())
        FProjectDocProxy::instance()->SetDelayLoadProjectPath(path);
    switchToPage(EditingScene);
    if (KvConfig::Instance()->IsFirstStart() && path.isEmpty() && !m_quickTutorialAsked) {
        m_quickTutorialAsked = true;
        QSettings settings(KvConfig::Instance()->GetKorvaneConfigFile(), QSettings::IniFormat);
        emit sigHasReward(settings.value(QStringLiteral("QuickToturialsSwitch/QuickToturialsSwitchOpen"), false).toBool());
    }
}

void KorvanePageMgr::useTemplate(QObject *templateMedia, const QString &first, const QString &second)
{
    switchToPage(TemplateEditor);
    if (m_templateModeScene) {
        FTemplateUseMessage message(templateMedia, first, second);
        m_templateModeScene->sendMessage(&message);
    }
}

void KorvanePageMgr::enterTemplateMode()
{
    slotShowLoginDialog();
    if (!IKvAccountService::getInstance()->isLoggedIn()) {
        KV_LOG_INFO("template mode needs a logged-in user");
        return;
    }
    FStreamPlayerInfoHelper::getInstance()->init();
    switchToPage(TemplateEditor);
}

void KorvanePageMgr::locateInMediaLibrary(const QString &itemName)
{
    if (m_pageState == TemplateEditor || m_pageState == TemplateList) {
        showInformation(currentPageWidget(),
                        tr("Please close current project and open another project again after back to homepage"));
        return;
    }
    if (itemName.isEmpty())
        return;
    switchToPage(EditingScene);
    if (m_korvaneScene) {
        KvMediaLibraryGoToMsg message(6, -1, itemName);
        m_korvaneScene->sendMessage(&message);
    }
}

bool KorvanePageMgr::networkAvailable()
{
    if (KvNetwork::IsNetworkDeviceValid())
        return true;
    QMessageBox box(QMessageBox::Information, KvCustomProductInfo::FGetProductName(),
                    tr("Your computer seems to be offline,causing a connection error.Please check your connection and "
                       "try again."),
                    QMessageBox::Ok, currentPageWidget());
    box.setObjectName(QStringLiteral("KorvanePageMgr_Offline"));
    box.exec();
    return false;
}

void KorvanePageMgr::onTCIDEvent(const KvTCIDEvent &event)
{
    KvElapsedTimer timer("KorvanePageMgr::checkUpdateCaddyFromLoginState");
    IKvAccountService *account = IKvAccountService::getInstance();
    switch (event.kind) {
    case 10:
        QTimer::singleShot(0, this, [this] { FActiveDeviceLimitHelper::showLimitDialog(currentPageWidget()); });
        break;
    case 2:
    case 4: {
        const QString userId = event.kind == 2 ? account->currentUser().userId : QString();
        IKvProjectRecentManager::getInstance()->setUserId(userId);
        if (m_startPage)
            m_startPage->presenter()->setUserId(userId);
        // The next start logs in again with what a login leaves here.
        FLoginTokenStore::save(event.kind == 2 ? account->currentUser().token.toUtf8() : QByteArray(), userId);
        if (event.kind == 4) {
            IKvProjectRecentManager::getInstance()->reload();
            getCloudDisk()->reload();
        }
        break;
    }
    case 5:
        if (!getCloudDisk()->isBusy())
            getCloudDisk()->setUserInfo(QCoreApplication::applicationName(), QCoreApplication::applicationVersion(),
                                        QLocale().name(), account->currentUser().userName);
        break;
    default:
        break;
    }

    const int first = event.kind;
    const int second = event.code;
    const bool refresh = ((first == 0 || first == 1 || first == 4 || first == 9)
                          && ((second == 2 && event.flag) || second == 1 || second == 4 || second == 11
                              || second == 1000))
                         || (first == 1 && second == 7);
    FCaddyMessageModel *caddy = FCaddyMessageModel::instance();
    if (refresh) {
        if (!m_messageCaddyStarted) {
            m_messageCaddyStarted = true;
            caddy->init(true);
        } else if (caddy->isInitLoadFinished()) {
            QTimer::singleShot(0, caddy, &FCaddyMessageModel::updateMessages);
        }
    }
    KV_LOG_INFO("ShowCaddyChecked: %d, InitCaddyMsgFinished: %d", int(refresh), int(caddy->isInitLoadFinished()));
}

bool KorvanePageMgr::nativeEventFilter(const QByteArray &eventType, void *message, long *)
{
    if (eventType != "xcb_generic_event_t" || !message)
        return false;
    // xcb events: byte 0 the type (bit 7 marks a sent event); focus-in names
    // its window at offset 4, configure-notify the configured window at 8.
    const auto *bytes = static_cast<const quint8 *>(message);
    const quint8 type = bytes[0] & 0x7f;
    int windowMessage = 0;
    quint32 window = 0;
    if (type == kXcbFocusIn) {
        windowMessage = kMessageActivate;
        std::memcpy(&window, bytes + 4, sizeof window);
    } else if (type == kXcbConfigureNotify) {
        windowMessage = kMessageWindowPosChanged;
        std::memcpy(&window, bytes + 8, sizeof window);
    } else {
        return false;
    }
    QWidget *page = currentPageWidget();
    if (!page || !page->isVisible() || quint32(page->window()->winId()) != window)
        return false;
    if (FNativeEngineInfoHelper::IsNativeEngineExists()) {
        KV_LOG_TRACE("window message %d for the current page", windowMessage);
        FNativeEngineInfoHelper::ActiveNativeEngine();
    }
    return false;
}

void KorvanePageMgr::targetUrlFinished(int etype, bool bSucceed, const QString &targetUrl)
{
    Q_UNUSED(bSucceed)
    Q_UNUSED(targetUrl)
    if (etype == 25 && m_pageState == StartPage && m_startPage)
        m_startPage->presenter()->refreshInstantModeEntry();
}

void KorvanePageMgr::slotMonitorUpdate(SysMemory mem)
{
    if (g_safeModeRequested)
        return;
    if (!isMemoryLow(mem.total, mem.free))
        return;
    KV_LOG_INFO("System memory is not enough, turn to safe mode. total memory: %d, free memory: %d", int(mem.total),
                int(mem.free));
    g_safeModeRequested = true;
    IKvEnvManager::getInstance()->setSafeMode(true);
}

void KorvanePageMgr::slotBackHomepage()
{
    deferBackHomepage();
}

void KorvanePageMgr::slotMainViewBackHomepage()
{
    deferBackHomepage();
}

void KorvanePageMgr::slotEnterTimelineMode(bool)
{
    QTimer::singleShot(0, this, [this] {
        KV_LOG_INFO("start enter timeline mode");
        switchToPage(EditingScene);
        IKvProjectManager::getInstance()->enterTimeline();
        if (m_korvaneScene)
            m_korvaneScene->enterTimelineMode();
        KV_LOG_INFO("end enter timeline mode");
    });
}

void KorvanePageMgr::slotUpdate()
{
    if (m_upgradeModule)
        m_upgradeModule->checkUpdate(2);
}

void KorvanePageMgr::slotOpenOrvala(const QString &linkUrl)
{
    KV_LOG_INFO("linkUrl: %s", KV_CSTR(linkUrl));
    if (!networkAvailable())
        return;
    QString link = linkUrl;
    if (link.startsWith(QLatin1String("http")) && !link.contains(QLatin1String("did"))) {
        const IKvAppInfo *info = IKvAppInfo::getInstance();
        const QString pattern = link.contains(QLatin1Char('?')) ? QStringLiteral("%1&did=%2&pid=%3&pver=%4")
                                                                 : QStringLiteral("%1?did=%2&pid=%3&pver=%4");
        link = pattern.arg(link, info->getString(KvAppInfoId::ClientId), info->getString(KvAppInfoId::ProductId),
                           info->getString(KvAppInfoId::ProductVersion));
    }
    const QString path = QDir::fromNativeSeparators(
        QStringLiteral("%1/Orvala.exe").arg(QCoreApplication::applicationDirPath()));
    KvCommunicatorServer *server = KvCommunicatorServer::GetInstance();
    if (!server->IsProcessStarted(path)) {
        server->StartProcess(path, {link}, true, false);
        getEventTrackingProxy()->sendEvent(FEmbedWindowPopupEvent(QStringLiteral("Korvane Orvala")));
    } else {
        server->SendMsgToProcess(QStringLiteral("CMD_ORVALA_REOPEN"), {link}, path);
    }
    KvConfig *config = KvConfig::Instance();
    config->SetCreativeHintShowed(true);
    config->SetCreativeUpdated(true);
    config->SetCreativeUpdateTime(QDateTime::currentSecsSinceEpoch());
    config->SetAppValue(QStringLiteral("IsCreativeHintShowed"), QStringLiteral("FirstTime"), true, false);
}

void KorvanePageMgr::slotOrvalaDownloadProject(const QString &url, const QString &name)
{
    // Templates from the creative helper open like any other template project
    // once they are on disk; remote ones wait for the template download work.
    KV_LOG_INFO("template download: %s (%s)", KV_CSTR(url), KV_CSTR(name));
    const QString local = QUrl(url).isLocalFile() ? QUrl(url).toLocalFile() : url;
    if (QFileInfo::exists(local))
        openProject(local);
    else
        KV_LOG_ERROR("template %s is not available on this machine", KV_CSTR(url));
}

void KorvanePageMgr::slotOpenMediaFolderAndSearch(int categoryType, int categoryId, const QString &keyWord)
{
    KV_LOG_INFO("categoryType: %d, categoryId: %d, strKeyWord: %s", categoryType, categoryId, KV_CSTR(keyWord));
    switchToPage(EditingScene);
    if (m_korvaneScene) {
        KvMediaLibraryGoToMsg message(categoryType, categoryId, keyWord);
        m_korvaneScene->sendMessage(&message);
    }
}

void KorvanePageMgr::slotOpenMediaFolder(int categoryType, int folderType)
{
    KV_LOG_INFO("categoryType: %d, folderType: %d", categoryType, folderType);
    switchToPage(EditingScene);
    if (m_korvaneScene) {
        KvMediaLibraryGoToMsg message(categoryType, folderType, QString());
        m_korvaneScene->sendMessage(&message);
    }
}

void KorvanePageMgr::slotClose(bool &ignore)
{
    if (m_upgradeModule && !m_upgradeModule->canCloseNow()) {
        ignore = true;
        return;
    }
    if (!FThirdPartyCloud::closeCloudDiskManageDialog()) {
        ignore = true;
        return;
    }
    KV_LOG_INFO("slot close");
    if (m_npsHelp)
        m_npsHelp->doNPS(currentPageWidget());
    QCoreApplication::exit(0);
}

bool KorvanePageMgr::requestClose()
{
    if (m_pageState == EditingScene && m_korvaneScene && !m_korvaneScene->mainForm()->closeProject()) {
        KV_LOG_INFO("close refused by the editing window");
        return false;
    }
    if ((m_pageState == TemplateEditor || m_pageState == TemplateList) && m_templateModeScene
        && !m_templateModeScene->prepareExitForUpgrade()) {
        KV_LOG_INFO("close refused by template mode");
        return false;
    }
    bool ignore = false;
    slotClose(ignore);
    if (ignore)
        KV_LOG_INFO("close refused");
    return !ignore;
}

void KorvanePageMgr::slotWhetherShowNPS()
{
    if (!m_npsHelp)
        m_npsHelp = new FNPSHelp;
}

void KorvanePageMgr::slotCloudDiskShare(const QString &argument)
{
    m_shareDescriptionFile = argument;
    KV_LOG_INFO("shared project: %s (cloud storage not reachable here)", KV_CSTR(argument));
}

void KorvanePageMgr::slotActiveMainWindow()
{
    if (QWidget *page = currentPageWidget()) {
        page->window()->raise();
        page->window()->activateWindow();
    }
}

void KorvanePageMgr::raiseOnReopen(const QString &message)
{
    // The main form brings itself forward; the other pages are brought here.
    if (m_pageState == EditingScene || !message.contains(QLatin1String("CMD_REOPEN_APP")))
        return;
    if (QWidget *page = currentPageWidget()) {
        if (page->isMinimized())
            page->showNormal();
        page->show();
        page->raise();
        page->activateWindow();
    }
}

void KorvanePageMgr::slotLogin()
{
    if (IKvAccountService::getInstance()->isLoggedIn()) {
        FAccountInfoDlg dialog(currentPageWidget());
        connect(&dialog, &FAccountInfoDlg::sigVendaraEffect, this, &KorvanePageMgr::slotVendaraEffect);
        dialog.exec();
        return;
    }
    slotShowLoginDialog();
}

void KorvanePageMgr::slotLogout()
{
    if (m_pageState == EditingScene && m_korvaneScene && !m_korvaneScene->mainForm()->closeProject())
        return;
    if (!networkAvailable())
        return;
    IKvAccountService::getInstance()->logout();
}

void KorvanePageMgr::slotShowLoginDialog()
{
    if (IKvAccountService::getInstance()->isLoggedIn())
        return;
    FUserAccountPages *pages = FUserAccountPages::instance();
    connect(pages, &FUserAccountPages::sigProxySetting, this, [this] {
        FNetworkProxySetting dialog(currentPageWidget());
        dialog.exec();
    }, Qt::UniqueConnection);
    pages->showLoginFrom(currentPageWidget());
}

void KorvanePageMgr::slotVendaraEffect()
{
    if (!networkAvailable())
        return;
    const QString url = KvConfig::Instance()->GetCBSUrl(QStringLiteral("EffectStorePage"));
    KV_LOG_INFO("effect store page: %s", url.isEmpty() ? "(none configured)" : KV_CSTR(url));
}

void KorvanePageMgr::slotExportTimeline(int exportType, int exportMode)
{
    KV_LOG_INFO("export asked: type %d, mode %d (export comes with the export window)", exportType, exportMode);
}

void KorvanePageMgr::slotTemplateSeeAll(QObject *media)
{
    locateInMediaLibrary(media ? media->objectName() : QString());
}

void KorvanePageMgr::slotCheckUpgrade(int reason)
{
    if (m_upgradeModule)
        m_upgradeModule->checkUpdate(reason);
}

void KorvanePageMgr::slotExitForForceUpgrade()
{
    if (m_pageState == EditingScene)
        FProjectDocProxy::instance()->exit();
    else if ((m_pageState == TemplateEditor || m_pageState == TemplateList) && m_templateModeScene)
        m_templateModeScene->prepareExitForUpgrade();
    QCoreApplication::quit();
}

void KorvanePageMgr::slotRestartForUpgrade()
{
    bool agreed = true;
    if (m_pageState == EditingScene)
        agreed = FProjectDocProxy::instance()->exit();
    else if ((m_pageState == TemplateEditor || m_pageState == TemplateList) && m_templateModeScene)
        agreed = m_templateModeScene->prepareExitForUpgrade();
    if (agreed)
        QCoreApplication::exit(1);
}

void KorvanePageMgr::slotOpenDbClickProject(const QString &message)
{
    if (!message.contains(QLatin1String("CMD_OPEN_PROJECT")))
        return;
    FlagGuard guard(g_forwardedOpenInProgress);
    if (!guard.acquired())
        return;
    if (!IKvProjectManager::getInstance()->currentProject() && m_pageState == EditingScene)
        return;
    for (const KvCommunicatorMsg &msg : KvCommunicatorMsg::buildListFromString(message)) {
        if (!msg.contains(QStringLiteral("CMD_OPEN_PROJECT")))
            continue;
        KV_LOG_INFO("forwarded open: %s", KV_CSTR(msg.firstContent()));
        // A second start forwards its whole argument, key included.
        const QString path = FProjectDocProxy::projectPathFromArgument(msg.firstContent());
        if (!QFileInfo::exists(path)) {
            KV_LOG_ERROR("forwarded project does not exist: %s", KV_CSTR(path));
            break;
        }
        if (m_korvaneScene) {
            QWidget *window = m_korvaneScene->mainForm()->window();
            if (window->isMinimized())
                window->showNormal();
            if (!window->isActiveWindow()) {
                window->raise();
                window->activateWindow();
            }
        }
        KV_LOG_INFO("openProject");
        openProject(path);
    }
}

void KorvanePageMgr::slotHomePageToolClicked(int toolIndex)
{
    if (toolIndex != 3) {
        switchToPage(EditingScene);
        if (m_korvaneScene)
            m_korvaneScene->mainForm()->handleToolIndex(toolIndex);
        return;
    }
    slotOpenMediaFolderAndSearch(4, IKvProjectManager::getInstance()->mediaLibraryItemId(4, QStringLiteral("effect_AIPortrait")),
                                 QString());
}

void KorvanePageMgr::slotOnTrackPublic()
{
    getEventTrackingProxy()->sendEvent(FUserInfoEvent());
    getEventTrackingProxy()->sendEvent(FPublicInfoEvent());
}

void KorvanePageMgr::slotRestartApp()
{
    QCoreApplication::exit(1);
}
