#include "TemplateModeScene.h"

#include "FAboutDialog.h"
#include "FFeedBackDialog.h"
#include "FProjectDocProxy.h"
#include "FTemplateModeMenu.h"
#include "FTemplateView.h"
#include "FTemplateViewPresenter.h"
#include "FVideoTemplate.h"
#include "FVideoTemplatePresenter.h"
#include "IKvAccountService.h"
#include "IKvBaseLog.h"
#include "IKvProjectManager.h"
#include "KvAppSettings.h"
#include "KvConfig.h"
#include "KvProjectSuffixHelper.h"
#include "KvUndoRedoService.h"

#include <QAction>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QScreen>
#include <QUrl>

TemplateModeScene::TemplateModeScene(QObject *parent)
    : QObject(parent)
    , FUpdateProjectEditorPlayer(this)
{
    IKvProjectManager *manager = IKvProjectManager::getInstance();
    manager->setSceneMode(IKvProjectManager::SceneTemplate);
    FProjectDocProxy::instance()->setProjectSuffix(KvProjectSuffixHelper::instantModeFileSuffix());
    manager->bindTimeline(this);
}

TemplateModeScene::~TemplateModeScene()
{
    releaseAllView();
    // Parented to a view it went with it; one made without a view is ours.
    if (m_feedback && !m_feedback->parent())
        delete m_feedback.data();
    if (!IKvProjectManager::hasInstance())
        return;
    IKvProjectManager *manager = IKvProjectManager::getInstance();
    manager->unbindTimeline(this);
    if (KvAppSettings::GetInstance()->GetSettings().GetPerformanceSettings().GetAutomaticallyDeleteRenderFile())
        manager->clearRenderFiles();
}

void TemplateModeScene::init()
{
    if (m_templateView || m_videoTemplate) {
        KV_LOG_ERROR("template mode is already initialised");
        return;
    }
    setUndoRedoService(IKvProjectManager::getInstance()->undoRedoService());

    auto *listPresenter = new FTemplateViewPresenter;
    m_templateView = new FTemplateView(listPresenter, this);
    listPresenter->setParent(m_templateView);
    addView(m_templateView);
    connect(m_templateView, &FTemplateView::sigClose, this, &TemplateModeScene::sigClose);
    connect(m_templateView, &FTemplateView::sigBackHomepage, this, &TemplateModeScene::sigBackHomepage);
    connect(m_templateView, &FTemplateView::sigEnterEditView, this, &TemplateModeScene::sigEnterEditView);
    connect(m_templateView, &FTemplateView::sigShowMenu, this, &TemplateModeScene::showMenu);

    auto *editorPresenter = new FVideoTemplatePresenter(qobject_cast<KvUndoRedoService *>(undoRdoService()));
    m_videoTemplate = new FVideoTemplate(editorPresenter, this);
    editorPresenter->setParent(m_videoTemplate);
    addView(m_videoTemplate);
    connect(m_videoTemplate, &FVideoTemplate::sigClose, this, &TemplateModeScene::sigClose);
    connect(m_videoTemplate, &FVideoTemplate::sigBackHomepage, this, &TemplateModeScene::sigBackHomepage);
    connect(m_videoTemplate, &FVideoTemplate::sigEnterTimelineMode, this, &TemplateModeScene::sigEnterTimelineMode);
    connect(m_videoTemplate, &FVideoTemplate::sigBackTemplateView, this, &TemplateModeScene::sigBackTemplateView);
    connect(m_videoTemplate, &FVideoTemplate::sigShowMenu, this, &TemplateModeScene::showMenu);
}

void TemplateModeScene::showTemplateList()
{
    if (!m_templateView) {
        KV_LOG_ERROR("no template list to show");
        return;
    }
    if (m_videoTemplate)
        m_videoTemplate->hide();
    centreOn(m_templateView, m_videoTemplate, m_editorShown);
    m_templateView->show();
    m_listShown = true;
}

void TemplateModeScene::showTemplateEditor()
{
    if (!m_videoTemplate) {
        KV_LOG_ERROR("no template editor to show");
        return;
    }
    if (m_templateView)
        m_templateView->hide();
    if (m_showMaximizedNextTime) {
        m_showMaximizedNextTime = false;
        m_videoTemplate->showMaximized();
    } else {
        m_videoTemplate->show();
        if (!m_videoTemplate->isMaximized() && !m_videoTemplate->isMinimized())
            centreOn(m_videoTemplate, m_templateView, m_listShown);
    }
    m_editorShown = true;
}

bool TemplateModeScene::prepareExitForUpgrade()
{
    if (m_videoTemplate && m_videoTemplate->isVisible())
        return m_videoTemplate->prepareExitForUpgrade();
    if (m_templateView && m_templateView->isVisible())
        return m_templateView->prepareExitForUpgrade();
    return true;
}

void TemplateModeScene::bringToFront()
{
    QWidget *window = visibleView();
    if (!window) {
        KV_LOG_ERROR("no template mode window to bring to the front");
        return;
    }
    window->activateWindow();
    // Top-most for a moment: lifts the window above others without pinning it.
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    window->show();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, false);
    window->show();
    window->raise();
    window->activateWindow();
}

FTemplateView *TemplateModeScene::templateView() const
{
    return m_templateView.data();
}

FVideoTemplate *TemplateModeScene::videoTemplate() const
{
    return m_videoTemplate.data();
}

QWidget *TemplateModeScene::visibleView() const
{
    if (m_videoTemplate && m_videoTemplate->isVisible())
        return m_videoTemplate;
    if (m_templateView && m_templateView->isVisible())
        return m_templateView;
    return nullptr;
}

void TemplateModeScene::showMenu(const QPoint &globalPos)
{
    FTemplateModeMenu menu(IKvAccountService::getInstance()->isLoggedIn(), visibleView());
    // Acted on after the menu has closed: an entry may close its window.
    if (QAction *chosen = menu.exec(globalPos))
        triggerMenuAction(FTemplateModeMenu::idOf(chosen));
}

void TemplateModeScene::triggerMenuAction(int id)
{
    QWidget *view = visibleView();
    switch (id) {
    case FTemplateModeMenu::SupportCenter:
        openWebPage(QStringLiteral("SupportPage"));
        break;
    case FTemplateModeMenu::Survey:
        openWebPage(QStringLiteral("InstantModeSurveyBeta"));
        break;
    case FTemplateModeMenu::Feedback:
        if (!m_feedback)
            m_feedback = new FFeedBackDialog(view);
        else if (view && m_feedback->parentWidget() != view)
            m_feedback->setParent(view, m_feedback->windowFlags());
        m_feedback->show();
        m_feedback->raise();
        m_feedback->activateWindow();
        break;
    case FTemplateModeMenu::CheckForUpdate:
        emit sigCheckUpgrade(2);
        break;
    case FTemplateModeMenu::About: {
        FAboutDialog about(view);
        about.exec();
        break;
    }
    case FTemplateModeMenu::AccountInformation:
    case FTemplateModeMenu::Login:
        emit sigLogin();
        break;
    case FTemplateModeMenu::ReturnToStartup: {
        bool agreed = false;
        if (view == m_videoTemplate)
            agreed = m_videoTemplate->backHomepage();
        else if (view == m_templateView)
            agreed = m_templateView->backHomepage();
        else
            KV_LOG_ERROR("no template mode window to leave");
        if (agreed)
            emit sigBackHomepage();
        break;
    }
    case FTemplateModeMenu::Exit:
        if (view)
            view->close();
        break;
    default:
        KV_LOG_ERROR("unknown template mode menu entry %d", id);
        break;
    }
}

void TemplateModeScene::openWebPage(const QString &pageKey)
{
    const QString address = KvConfig::Instance()->GetCBSUrl(pageKey);
    if (address.isEmpty()) {
        KV_LOG_ERROR("no web address configured for \"%s\"", KV_CSTR(pageKey));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl(address)))
        KV_LOG_ERROR("the web page \"%s\" could not be opened", KV_CSTR(address));
}

void TemplateModeScene::centreOn(QWidget *window, QWidget *previous, bool previousShown)
{
    QPoint centre;
    if (previous && previousShown) {
        centre = previous->frameGeometry().center();
    } else if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        centre = screen->availableGeometry().center();
    } else {
        return;
    }
    const QRect frame = window->frameGeometry();
    window->move(window->pos() + centre - frame.center());
}
