#include "KorvanePageMgr.h"

#include "FAccountSession.h"
#include "FCBSUpdater.h"
#include "FCreativeHelperLink.h"
#include "FEffectStoreOpener.h"
#include "FForwardedOpenHandler.h"
#include "FKorvaneIniSettings.h"
#include "FLowMemorySwitch.h"
#include "FPageFactory.h"
#include "FPageLeaveSteps.h"
#include "FPageNavigation.h"
#include "FPageNotices.h"
#include "FPageWindowEventFilter.h"
#include "FProjectTemplateDownload.h"
#include "FProductHomePage.h"
#include "FProductHomePagePresenter.h"
#include "FProjectDocProxy.h"
#include "FProjectOpenNotice.h"
#include "FPushChannelHost.h"
#include "FSharedProjectOpener.h"
#include "FStartupBackgroundWork.h"
#include "FStartupHandover.h"
#include "FStreamPlayerInfoHelper.h"
#include "FTemplateView.h"
#include "FTimelineExportStep.h"
#include "FUpgradeCoordinator.h"
#include "FVideoTemplate.h"
#include "IKvAccountService.h"
#include "IKvBaseLog.h"
#include "IKvProjectManager.h"
#include "KorvaneMainForm.h"
#include "KorvaneScene.h"
#include "KvCheck.h"
#include "KvCloudDisk.h"
#include "KvCommunicatorCommands.h"
#include "KvConfig.h"
#include "KvEventTrackingProxy.h"
#include "KvLocale.h"
#include "KvProjectSuffixHelper.h"
#include "KvTrackEvents.h"
#include "KvUtility.h"
#include "TemplateModeScene.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace {

// The web-address key of the start page's instant-mode entry.
constexpr int kInstantModeUrlType = 25;
// Value handed to the upgrade module when the user asks for an update.
constexpr int kUserAskedUpdate = 2;

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
    // The pool job reports to the push worker: it ends before the worker does.
    m_background->waitForJob();
    m_background->stopLogRetrieval();
    m_push->stop();
    KV_LOG_INFO("Release RetrievalTask End");
    IKvAccountService::getInstance()->removeObserver(this);
    m_upgrade.reset();
    m_background.reset();
    if (qApp)
        qApp->removeNativeEventFilter(this);
    m_push.reset();
}

void KorvanePageMgr::init()
{
    KV_LOG_TRACE("begin");
    m_upgrade = std::make_unique<FUpgradeCoordinator>();
    m_background = std::make_unique<FStartupBackgroundWork>();
    m_upgrade->scheduleUpdaterCheck();
    FStreamPlayerInfoHelper::getInstance()->init();
    m_push = std::make_unique<FPushChannelHost>();
    m_account = std::make_unique<FAccountSession>([this] { return currentPageWidget(); });
    m_windowFilter = std::make_unique<FPageWindowEventFilter>([this] { return currentPageWidget(); });
    FForwardedOpenHandler::Hooks hooks;
    // With no project, an editing scene is still starting up and opens its own.
    hooks.mayOpen = [this] { return IKvProjectManager::getInstance()->currentProject() || m_pageState != EditingScene; };
    hooks.raiseEditor = [this] { raiseEditingWindow(); };
    hooks.openProject = [this](const QString &path) { openProject(path); };
    hooks.reportProblem = [this](const FProjectOpenProblem &problem) { reportFailedOpen(problem, false); };
    m_forwardedOpen = std::make_unique<FForwardedOpenHandler>(std::move(hooks));
    FPageFactory::createOpeners(*this);
    KV_LOG_TRACE("end");
}

void KorvanePageMgr::connectSignals()
{
    FPageFactory::connectServices(*this);
}

IKvUpgradeModule *KorvanePageMgr::upgradeModule() const
{
    return m_upgrade->module();
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
    return FLowMemorySwitch::isMemoryLow(totalMB, freeMB);
}

bool KorvanePageMgr::safeModeRequested()
{
    return FLowMemorySwitch::requested();
}

bool KorvanePageMgr::run(const StartupPageInfo &info)
{
    FStartupHandover handover(info.splash);
    return handover.run(*this, info);
}

bool KorvanePageMgr::autoLogin()
{
    return m_account->autoLogin(m_velloqHelper);
}

QWidget *KorvanePageMgr::currentPageWidget() const
{
    switch (m_pageState) {
    case StartPage:
        return m_startPage.get();
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
    if (!m_startPage)
        m_startPage = FPageFactory::createStartPage(*this);
    return m_startPage.get();
}

KorvaneScene *KorvanePageMgr::korvaneScene()
{
    if (!m_korvaneScene)
        m_korvaneScene = FPageFactory::createKorvaneScene(*this);
    return m_korvaneScene.get();
}

TemplateModeScene *KorvanePageMgr::templateModeScene()
{
    if (!m_templateModeScene)
        m_templateModeScene = FPageFactory::createTemplateModeScene(*this);
    return m_templateModeScene.get();
}

void KorvanePageMgr::setStartPageVisible(bool visible)
{
    if (!visible) {
        dropStartPage();
        return;
    }
    FProductHomePage *page = startPage();
    page->show();
    page->raise();
    page->activateWindow();
    m_currentPageWidget = page;
}

void KorvanePageMgr::dropStartPage()
{
    FPageFactory::dropStartPage(std::move(m_startPage));
}

void KorvanePageMgr::setKorvaneSceneVisible(bool visible)
{
    if (!visible) {
        destroyKorvaneScene();
        return;
    }
    KorvaneMainForm *form = korvaneScene()->mainForm();
    KvUtility::gSetMainWindow(form);
    m_background->armSurveyTimer();
    form->showWithStoredGeometry();
    KvUtility::gSetMainWindow(form);
    m_currentPageWidget = form;
}

void KorvanePageMgr::destroyKorvaneScene()
{
    // Moved out first, so nothing reaches the scene while it goes.
    FPageFactory::destroyKorvaneScene(std::move(m_korvaneScene));
}

void KorvanePageMgr::setTemplateModeSceneVisible(bool visible)
{
    if (!visible) {
        destroyTemplateModeScene();
        return;
    }
    m_background->armSurveyTimer();
    TemplateModeScene *scene = templateModeScene();
    if (m_pageState == TemplateList)
        scene->showTemplateList();
    else
        scene->showTemplateEditor();
    m_currentPageWidget = currentPageWidget();
}

void KorvanePageMgr::destroyTemplateModeScene()
{
    FPageFactory::destroyTemplateModeScene(std::move(m_templateModeScene));
}

void KorvanePageMgr::switchToPage(PageState target)
{
    if (target == m_pageState)
        return;
    KV_LOG_INFO("page %d -> %d", int(m_pageState), int(target));
    m_pageState = target;

    m_upgrade->setParentWidget(nullptr);
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
        // The scene was built before its project was opened: bind it now.
        KV_CHECK(m_korvaneScene, break);
        m_korvaneScene->updateProjectEditorPlayer();
        break;
    case TemplateEditor:
    case TemplateList: {
        dropStartPage();
        destroyKorvaneScene();
        // The other view of template mode gives way.
        if (m_templateModeScene) {
            QWidget *other = target == TemplateEditor ? static_cast<QWidget *>(m_templateModeScene->templateView())
                                                      : m_templateModeScene->videoTemplate();
            if (other)
                other->hide();
        }
        setTemplateModeSceneVisible(true);
        const bool opened = docProxy->korvaneStartUp();
        docProxy->clearDelayLoadProjectInfos();
        // Without a project the editor has nothing to show: the list instead.
        if (target == TemplateEditor && !opened) {
            m_pageState = TemplateList;
            templateModeScene()->showTemplateList();
            m_currentPageWidget = currentPageWidget();
        }
        break;
    }
    case NoPage:
        break;
    }

    QWidget *page = currentPageWidget();
    if (cloudViewWasOpen)
        cloud->openView(page);
    m_upgrade->setParentWidget(page);
}

void KorvanePageMgr::releasePages()
{
    FPageLeaveSteps::tellLauncherToWait();
    if (m_pageState != NoPage) {
        m_pageState = NoPage;
        m_upgrade->setParentWidget(nullptr);
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
        m_startPage.reset();
    }
    destroyKorvaneScene();
    destroyTemplateModeScene();
}

void KorvanePageMgr::openProject(const QString &path)
{
    IKvProjectManager *manager = IKvProjectManager::getInstance();
    // An open, save or close is running (it turns the event loop): this one
    // follows when it has ended, it is never dropped.
    if (FForwardedOpenHandler::projectServicesBusy()) {
        KV_CHECK(m_forwardedOpen, return);
        m_forwardedOpen->queue(path);
        return;
    }
    // What can be told without reading is told before any page changes.
    const FProjectOpenProblem problem = FProjectOpenProblem::probe(FProjectDocProxy::projectPathFromArgument(path));
    if (problem.isProblem()) {
        reportFailedOpen(problem, false);
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
            FPageNavigation::enterTemplateMode(*this);
        else
            switchToPage(EditingScene);
        reportFailedOpen(docProxy->lastOpenProblem(), true);
        return;
    case EditingScene:
        if (isTemplate) {
            KV_CHECK(m_korvaneScene, return);
            if (!m_korvaneScene->mainForm()->closeProject())
                return;
            docProxy->SetDelayLoadProjectPath(path);
            FPageNavigation::enterTemplateMode(*this);
            return;
        }
        break;
    case TemplateEditor:
        if (!isTemplate) {
            if (m_templateModeScene && m_templateModeScene->videoTemplate()
                && !m_templateModeScene->videoTemplate()->backHomepage())
                return;
            // Queued: leaving template mode destroys the scene that may be asking.
            QTimer::singleShot(0, this, [this, path] {
                IKvProjectManager::getInstance()->closeProject();
                FProjectDocProxy::instance()->SetDelayLoadProjectPath(path);
                switchToPage(EditingScene);
                reportFailedOpen(FProjectDocProxy::instance()->lastOpenProblem(), true);
            });
            return;
        }
        break;
    }
    KV_LOG_INFO("openProject");
    if (!docProxy->openProject(path, false))
        reportFailedOpen(docProxy->lastOpenProblem(), false);
}

void KorvanePageMgr::reportFailedOpen(const FProjectOpenProblem &problem, bool leaveEditing)
{
    // No problem: the open succeeded, or the user cancelled it.
    if (!problem.isProblem())
        return;
    // The editing window would only show the untitled stand-in project.
    if (leaveEditing && m_pageState == EditingScene) {
        switchToPage(StartPage);
        IKvProjectManager::getInstance()->reset(true);
    }
    FProjectOpenNotice::show(currentPageWidget(), problem);
}

void KorvanePageMgr::enterEditingFromStartPage(const QString &path)
{
    if (!path.isEmpty())
        FProjectDocProxy::instance()->SetDelayLoadProjectPath(path);
    switchToPage(EditingScene);
    if (KvConfig::Instance()->IsFirstStart() && path.isEmpty() && !m_quickTutorialAsked) {
        m_quickTutorialAsked = true;
        emit sigHasReward(FKorvaneIniSettings::value(FKorvaneIniSettings::QuickTutorialsSwitchOpen));
    }
}

void KorvanePageMgr::onTCIDEvent(const KvTCIDEvent &event)
{
    m_account->onTCIDEvent(event);
}

bool KorvanePageMgr::nativeEventFilter(const QByteArray &eventType, void *message, long *)
{
    m_windowFilter->handle(eventType, message);
    return false; // the toolkit handles the event as well
}

void KorvanePageMgr::targetUrlFinished(int etype, bool bSucceed, const QString &targetUrl)
{
    Q_UNUSED(bSucceed)
    Q_UNUSED(targetUrl)
    if (etype == kInstantModeUrlType && m_pageState == StartPage && m_startPage)
        m_startPage->presenter()->refreshInstantModeEntry();
}

void KorvanePageMgr::slotMonitorUpdate(SysMemory mem)
{
    FLowMemorySwitch::onReading(mem);
}

void KorvanePageMgr::slotBackHomepage()
{
    // Deferred: the page asking is destroyed by the switch.
    QTimer::singleShot(0, this, [this] {
        switchToPage(StartPage);
        IKvProjectManager::getInstance()->reset(true);
    });
}

void KorvanePageMgr::slotMainViewBackHomepage()
{
    slotBackHomepage();
}

void KorvanePageMgr::slotEnterTimelineMode(bool)
{
    QTimer::singleShot(0, this, [this] {
        KV_LOG_INFO("start enter timeline mode");
        switchToPage(EditingScene);
        IKvProjectManager::getInstance()->enterTimeline();
        KV_CHECK(m_korvaneScene, return);
        m_korvaneScene->enterTimelineMode();
        KV_LOG_INFO("end enter timeline mode");
    });
}

void KorvanePageMgr::slotUpdate()
{
    m_upgrade->checkUpdate(kUserAskedUpdate);
}

void KorvanePageMgr::slotOpenOrvala(const QString &linkUrl)
{
    FCreativeHelperLink::open(linkUrl, currentPageWidget());
}

void KorvanePageMgr::slotOrvalaDownloadProject(const QString &url, const QString &name)
{
    m_templateDownload->request(url, name);
}

void KorvanePageMgr::slotOpenMediaFolderAndSearch(int categoryType, int categoryId, const QString &keyWord)
{
    KV_LOG_INFO("categoryType: %d, categoryId: %d, strKeyWord: %s", categoryType, categoryId, KV_CSTR(keyWord));
    FPageNavigation::goToMediaLibrary(*this, categoryType, categoryId, keyWord);
}

void KorvanePageMgr::slotOpenMediaFolder(int categoryType, int folderType)
{
    KV_LOG_INFO("categoryType: %d, folderType: %d", categoryType, folderType);
    FPageNavigation::goToMediaLibrary(*this, categoryType, folderType, QString());
}

void KorvanePageMgr::slotClose(bool &ignore)
{
    FPageLeaveSteps::close(*this, ignore);
}

bool KorvanePageMgr::requestClose()
{
    return FPageLeaveSteps::requestClose(*this);
}

void KorvanePageMgr::slotWhetherShowNPS()
{
    m_background->prepareSurvey();
}

void KorvanePageMgr::slotCloudDiskShare(const QString &argument)
{
    m_shareOpener->handle(argument);
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
    if (m_pageState != EditingScene && message.contains(KvCommand::ReopenApp))
        FPageNotices::bringForward(currentPageWidget());
}

void KorvanePageMgr::raiseEditingWindow()
{
    if (m_korvaneScene)
        FPageNotices::bringForward(m_korvaneScene->mainForm()->window());
}

void KorvanePageMgr::slotLogin()
{
    m_account->showAccount();
}

void KorvanePageMgr::slotLogout()
{
    m_account->logout([this] { return FPageLeaveSteps::editingFormAgrees(*this); });
}

void KorvanePageMgr::slotShowLoginDialog()
{
    m_account->showLoginDialog();
}

void KorvanePageMgr::slotVendaraEffect()
{
    if (!FPageNotices::ensureOnline(currentPageWidget()))
        return;
    FEffectStoreOpener::open(this);
}

void KorvanePageMgr::slotExportTimeline(int exportType, int exportMode)
{
    KV_CHECK(m_pageState == EditingScene && m_korvaneScene, return);
    if (!m_exportStep)
        m_exportStep = std::make_unique<FTimelineExportStep>();
    m_exportStep->request(m_korvaneScene->mainForm(), exportType, KvExportMode(exportMode));
}

void KorvanePageMgr::slotTemplateSeeAll(QObject *media)
{
    FPageNavigation::locateInMediaLibrary(*this, media ? media->objectName() : QString());
}

void KorvanePageMgr::slotCheckUpgrade(int reason)
{
    m_upgrade->checkUpdate(reason);
}

void KorvanePageMgr::slotExitForForceUpgrade()
{
    m_upgrade->exitForForceUpgrade([this] { return FPageLeaveSteps::pageAgreesToLeave(*this); });
}

void KorvanePageMgr::slotRestartForUpgrade()
{
    m_upgrade->restartForUpgrade([this] { return FPageLeaveSteps::pageAgreesToLeave(*this); });
}

void KorvanePageMgr::slotOpenDbClickProject(const QString &message)
{
    m_forwardedOpen->handle(message);
}

void KorvanePageMgr::slotHomePageToolClicked(int toolIndex)
{
    FPageNavigation::openHomePageTool(*this, toolIndex);
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
