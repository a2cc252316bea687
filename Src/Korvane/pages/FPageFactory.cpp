#include "FPageFactory.h"

#include "FPageNavigation.h"

#include "FAccountSession.h"
#include "FNativeEngineInfoHelper.h"
#include "FProductHomePage.h"
#include "FProductHomePagePresenter.h"
#include "FProjectDocProxy.h"
#include "FProjectOpenProblem.h"
#include "FProjectTemplateDownload.h"
#include "FSharedProjectOpener.h"
#include "FStartupBackgroundWork.h"
#include "FStreamPlayerInfoHelper.h"
#include "KvTrackEvents.h"
#include "IKvBaseLog.h"
#include "IKvProjectManager.h"
#include "IKvUpgradeModule.h"
#include "KorvaneMainForm.h"
#include "KorvanePageMgr.h"
#include "KorvaneScene.h"
#include "KvCloudDisk.h"
#include "KvCloudDiskViewPresenter.h"
#include "KvCommunicatorServer.h"
#include "KvEventTrackingProxy.h"
#include "KvUndoRedoService.h"
#include "KvUtility.h"
#include "TemplateModeScene.h"

using Mgr = KorvanePageMgr;

void FPageFactory::connectServices(KorvanePageMgr &mgr)
{
    KorvanePageMgr *m = &mgr;
    FNativeEngineInfoHelper *engine = FNativeEngineInfoHelper::instance();
    QObject::connect(engine, &FNativeEngineInfoHelper::sigOrvalaDownloadProject, m, &Mgr::slotOrvalaDownloadProject);
    QObject::connect(engine, &FNativeEngineInfoHelper::sigCloudDiskShare, m, &Mgr::slotCloudDiskShare);
    QObject::connect(engine, &FNativeEngineInfoHelper::sigActiveMainWindow, m, &Mgr::slotActiveMainWindow);
    IKvUpgradeModule *upgrade = mgr.upgradeModule();
    QObject::connect(upgrade, &IKvUpgradeModule::sigExitForForceUpgrade, m, &Mgr::slotExitForForceUpgrade);
    QObject::connect(upgrade, &IKvUpgradeModule::sigRestartForUpgrade, m, &Mgr::slotRestartForUpgrade);
    KvCommunicatorServer *server = KvCommunicatorServer::GetInstance();
    QObject::connect(server, &KvCommunicatorServer::sigReceveMsgFrom, m, &Mgr::slotOpenDbClickProject);
    QObject::connect(server, &KvCommunicatorServer::sigReceveMsgFrom, m, &Mgr::raiseOnReopen);
    // The engine link may have been made on a start-up worker: the page
    // manager's thread carries the call.
    QObject::connect(server, &KvCommunicatorServer::sigReceveMsgFrom, m,
                     [engine](const QString &text) { engine->relayCommunicatorText(text); });
    QObject::connect(server, &KvCommunicatorServer::sigTrackPublic, m, &Mgr::slotOnTrackPublic);
    KvCloudDiskViewPresenter *cloud = getCloudDisk()->viewPresenter();
    QObject::connect(cloud, &KvCloudDiskViewPresenter::sigOpenProject, m, [m](const QString &path) {
        KV_LOG_INFO("openProject");
        m->openProject(path);
    });
    QObject::connect(cloud, &KvCloudDiskViewPresenter::sigLocationProjectTemplate, m,
                     [m](const QString &itemName) { FPageNavigation::locateInMediaLibrary(*m, itemName); });
    QObject::connect(cloud, &KvCloudDiskViewPresenter::sigRefreshToken, m,
                     [] { KV_LOG_INFO("cloud storage asks for a fresh token"); });
    QObject::connect(cloud, &KvCloudDiskViewPresenter::uploadVideoFinished, m,
                     [] { KV_LOG_INFO("cloud storage upload finished"); });
    QObject::connect(cloud, &KvCloudDiskViewPresenter::downloadShareFinished, m,
                     [] { KV_LOG_INFO("cloud storage share download finished"); });

    QObject::connect(mgr.m_background.get(), &FStartupBackgroundWork::sigSurveyDue, m, &Mgr::slotWhetherShowNPS);
    QObject::connect(mgr.m_account.get(), &FAccountSession::sigVendaraEffect, m, &Mgr::slotVendaraEffect);
    QObject::connect(mgr.m_account.get(), &FAccountSession::sigUserIdChanged, m, [m](const QString &userId) {
        if (m->m_startPage)
            m->m_startPage->presenter()->setUserId(userId);
    });
}

void FPageFactory::createOpeners(KorvanePageMgr &mgr)
{
    KorvanePageMgr *m = &mgr;
    FSharedProjectOpener::Hooks share;
    share.currentPage = [m] { return m->currentPageWidget(); };
    share.locateTemplate = [m](const QString &item) { FPageNavigation::locateInMediaLibrary(*m, item); };
    mgr.m_shareOpener = std::make_unique<FSharedProjectOpener>(std::move(share));

    FProjectTemplateDownload::Hooks download;
    download.enterEditing = [m] { m->switchToPage(Mgr::EditingScene); };
    download.mainWindow = [m]() -> QWidget * {
        return m->m_korvaneScene ? m->m_korvaneScene->mainForm()->window() : m->currentPageWidget();
    };
    download.openTemplate = [m](const QString &file, const QString &name) {
        FProjectDocProxy *docProxy = FProjectDocProxy::instance();
        if (!docProxy->openProjectTemplate(file, name))
            m->reportFailedOpen(docProxy->lastOpenProblem(), false);
    };
    mgr.m_templateDownload = std::make_unique<FProjectTemplateDownload>(std::move(download));
}

std::unique_ptr<FProductHomePage> FPageFactory::createStartPage(KorvanePageMgr &mgr)
{
    KorvanePageMgr *m = &mgr;
    auto page = std::make_unique<FProductHomePage>();
    FProductHomePagePresenter *presenter = page->presenter();
    QObject::connect(presenter, &FProductHomePagePresenter::sigOpenNormalProject, m, &Mgr::enterEditingFromStartPage,
                     Qt::QueuedConnection);
    QObject::connect(presenter, &FProductHomePagePresenter::sigToolClicked, m, &Mgr::slotHomePageToolClicked,
                     Qt::QueuedConnection);
    QObject::connect(presenter, &FProductHomePagePresenter::sigUseTemplate, m,
                     [m](QObject *media, const QString &first, const QString &second) {
                         FPageNavigation::useTemplate(*m, media, first, second);
                     }, Qt::QueuedConnection);
    QObject::connect(presenter, &FProductHomePagePresenter::sigTemplateSeeAll, m, &Mgr::slotTemplateSeeAll,
                     Qt::QueuedConnection);
    QObject::connect(presenter, &FProductHomePagePresenter::sigOpenTemplateProject, m, [m](const QString &path) {
        if (!path.isEmpty())
            FProjectDocProxy::instance()->SetDelayLoadProjectPath(path);
        FPageNavigation::enterTemplateMode(*m);
    }, Qt::QueuedConnection);
    QObject::connect(presenter, &FProductHomePagePresenter::sigUpdate, m, &Mgr::slotUpdate);
    QObject::connect(presenter, &FProductHomePagePresenter::sigOpenOrvala, m, &Mgr::slotOpenOrvala);
    QObject::connect(presenter, &FProductHomePagePresenter::sigOpenMediaFolderAndSearch, m,
                     &Mgr::slotOpenMediaFolderAndSearch, Qt::QueuedConnection);
    QObject::connect(presenter, &FProductHomePagePresenter::sigOpenMediaFolder, m, &Mgr::slotOpenMediaFolder,
                     Qt::QueuedConnection);
    QObject::connect(presenter, &FProductHomePagePresenter::sigLogin, m, &Mgr::slotLogin);
    QObject::connect(presenter, &FProductHomePagePresenter::sigLogout, m, &Mgr::slotLogout);
    QObject::connect(presenter, &FProductHomePagePresenter::sigCheckUpgrade, m, &Mgr::slotCheckUpgrade);
    // Direct: the close request answers through its bool& argument.
    QObject::connect(page.get(), &FProductHomePage::sigClose, m, &Mgr::slotClose, Qt::DirectConnection);
    return page;
}

std::unique_ptr<KorvaneScene> FPageFactory::createKorvaneScene(KorvanePageMgr &mgr)
{
    KorvanePageMgr *m = &mgr;
    FStreamPlayerInfoHelper::quit();
    auto scene = std::make_unique<KorvaneScene>();
    scene->setUndoRedoService(IKvProjectManager::getInstance()->undoRedoService());
    scene->createMainForm();
    KorvaneMainForm *form = scene->mainForm();
    QObject::connect(form, &KorvaneMainForm::sigCloseGetStart, m, [m] {
        if (m->m_startPage)
            m->m_startPage->accept();
    });
    QObject::connect(form, &KorvaneMainForm::sigBackHomepage, m, &Mgr::slotMainViewBackHomepage);
    QObject::connect(form, &KorvaneMainForm::sigOpenOrvala, m, &Mgr::slotOpenOrvala);
    QObject::connect(form, &KorvaneMainForm::sigMainFormClose, m, &Mgr::slotClose, Qt::DirectConnection);
    QObject::connect(form, &KorvaneMainForm::sigLogin, m, &Mgr::slotLogin);
    QObject::connect(form, &KorvaneMainForm::sigLogout, m, &Mgr::slotLogout);
    QObject::connect(form, &KorvaneMainForm::sigExportTimeline, m, &Mgr::slotExportTimeline);
    QObject::connect(form, &KorvaneMainForm::sigShowLoginDialog, m, &Mgr::slotShowLoginDialog);
    QObject::connect(form, &KorvaneMainForm::sigCheckUpgrade, m, &Mgr::slotCheckUpgrade);
    QObject::connect(form, &KorvaneMainForm::sigRestartApp, m, &Mgr::slotRestartApp);
    QObject::connect(m, &Mgr::sigHasReward, form, &KorvaneMainForm::slotHasReward);
    return scene;
}

std::unique_ptr<TemplateModeScene> FPageFactory::createTemplateModeScene(KorvanePageMgr &mgr)
{
    KorvanePageMgr *m = &mgr;
    auto owned = std::make_unique<TemplateModeScene>();
    TemplateModeScene *scene = owned.get();
    scene->init();
    QObject::connect(scene, &TemplateModeScene::sigEnterTimelineMode, m, &Mgr::slotEnterTimelineMode);
    QObject::connect(scene, &TemplateModeScene::sigClose, m, &Mgr::slotClose, Qt::DirectConnection);
    QObject::connect(scene, &TemplateModeScene::sigBackHomepage, m, [m] {
        getEventTrackingProxy()->sendEvent(FTemplateTimeLinePageButtonClickEvent());
        m->slotBackHomepage();
    });
    QObject::connect(scene, &TemplateModeScene::sigShowVendaraEffect, m, &Mgr::slotVendaraEffect);
    QObject::connect(scene, &TemplateModeScene::sigCheckUpgrade, m, &Mgr::slotCheckUpgrade);
    // The two template-mode steps that move the page state without a switch.
    QObject::connect(scene, &TemplateModeScene::sigBackTemplateView, m, [m, scene] {
        m->m_pageState = Mgr::TemplateList;
        scene->showTemplateList();
    });
    QObject::connect(scene, &TemplateModeScene::sigEnterEditView, m, [m, scene] {
        m->m_pageState = Mgr::TemplateEditor;
        scene->showTemplateEditor();
    });
    QObject::connect(scene, &TemplateModeScene::sigLogin, m, &Mgr::slotLogin);
    return owned;
}

void FPageFactory::dropStartPage(std::unique_ptr<FProductHomePage> page)
{
    if (!page)
        return;
    page->hide();
    if (getCloudDisk()->isViewOpen())
        getCloudDisk()->closeView();
    page.release()->deleteLater();
}

void FPageFactory::destroyKorvaneScene(std::unique_ptr<KorvaneScene> scene)
{
    if (!scene)
        return;
    KV_LOG_INFO("delete korvane scene start");
    KorvaneMainForm *form = scene->mainForm();
    if (form)
        form->hide();
    scene->stop();
    if (KvUtility::gMainWindow() == form)
        KvUtility::gSetMainWindow(nullptr);
    scene.reset();
    KV_LOG_INFO("delete korvane scene end");
}

void FPageFactory::destroyTemplateModeScene(std::unique_ptr<TemplateModeScene> scene)
{
    if (!scene)
        return;
    KV_LOG_INFO("delete templatemode scene start");
    scene->releaseAllView();
    scene.reset();
    KV_LOG_INFO("delete templatemode scene end");
}
