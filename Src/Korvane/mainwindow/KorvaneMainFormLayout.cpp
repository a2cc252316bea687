// The main form's layout: the splitters, the title bar and the modules, and
// the two screen orientations.
#include "KorvaneMainForm.h"

#include "FMainPlayerPresenter.h"
#include "FMediaLibraryView.h"
#include "FMediaPlayerModuleWidget.h"
#include "FPerformanceSettings.h"
#include "FPropertyPanelModuleWidget.h"
#include "FTimelineModulePresenter.h"
#include "FTimelineModuleWidget.h"
#include "IKvAppInfo.h"
#include "IKvBaseLog.h"
#include "IKvProjectManager.h"
#include "IKvTimeline.h"
#include "KorvaneMainFormPresenter.h"
#include "KorvaneTitleBar.h"
#include "KorvaneTitleBarPresenter.h"
#include "KvAppInfoId.h"
#include "KvAppSettings.h"
#include "KvEditingViewType.h"
#include "KvMediaLibraryPresenter.h"
#include "KvRenderService.h"
#include "KvSplitter.h"

#include <QStackedWidget>

namespace {

const FPerformanceSettings &performanceSettings()
{
    return KvAppSettings::GetInstance()->GetSettings().GetPerformanceSettings();
}

} // namespace

void KorvaneMainForm::buildLayout()
{
    IKvProjectManager *manager = IKvProjectManager::getInstance();
    m_outerSplitter = new KvSplitter(Qt::Vertical, this);
    m_outerSplitter->setObjectName(QStringLiteral("KorvaneMainForm_OuterSplitter"));
    m_upperSplitter = new KvSplitter(Qt::Horizontal, m_outerSplitter);
    m_upperSplitter->setObjectName(QStringLiteral("KorvaneMainForm_UpperSplitter"));
    m_outerSplitter->addWidget(m_upperSplitter);
    m_moduleStack = new QStackedWidget(m_upperSplitter);
    m_moduleStack->setObjectName(QStringLiteral("KorvaneMainForm_ModuleStack"));
    m_upperSplitter->addWidget(m_moduleStack);
    m_line = new QWidget(this);
    m_line->setObjectName(QStringLiteral("KorvaneMainForm_Line"));

    m_titleBarPresenter = new KorvaneTitleBarPresenter(this);
    m_titleBar = new KorvaneTitleBar(m_titleBarPresenter, this, this);
    m_titleBar->setObjectName(QStringLiteral("KorvaneTitleBar"));

    // Timeline: its render service follows the performance settings.
    IKvTimeline *timeline = manager->timeline();
    m_timelinePresenter = new FTimelineModulePresenter(this, timeline, this);
    m_timelinePresenter->setMediaEditor(manager->mediaEditor());
    if (KvRenderService *render = timeline ? timeline->renderService() : nullptr) {
        render->reset();
        render->setOutputFolder(IKvAppInfo::getInstance()->getString(KvAppInfoId::RenderDir));
        render->setAutoRenderDelay(performanceSettings().GetAutoRenderAfterSeconds());
        render->setAutoRender(performanceSettings().GetAutoRender());
        render->start();
    }
    FTimelineModuleWidget *timelineView = m_timelinePresenter->createView(m_outerSplitter);
    timelineView->setMinimumHeight(200);
    m_outerSplitter->addWidget(timelineView);
    m_timelineView = timelineView;
    m_titleBarPresenter->setTimelinePresenter(m_timelinePresenter);

    m_mediaLibraryPresenter = new KvMediaLibraryPresenter(manager->mediaLibrary(), this);
    auto *mediaLibrary = new FMediaLibraryView(m_mediaLibraryPresenter, m_moduleStack);
    registerView(KvEditingViewType::MediaLibrary, mediaLibrary);
    m_titleBarPresenter->setMediaLibraryPresenter(m_mediaLibraryPresenter);

    auto *propertyPanel = new FPropertyPanelModuleWidget(timeline, manager->mediaEditor(), m_moduleStack);
    registerView(KvEditingViewType::PropertyPanel, propertyPanel);

    m_playerPresenter = new FMainPlayerPresenter(manager->player(), manager->mediaEditor(), this);
    auto *player = new FMediaPlayerModuleWidget(m_playerPresenter, m_upperSplitter);
    player->setMinimumSize(361, 200);
    m_upperSplitter->addWidget(player);
    m_playerView = player;
    registerView(KvEditingViewType::Player, player);
    m_titleBarPresenter->setMainPlayerPresenter(m_playerPresenter);
    m_titleBar->refresh();

    m_presenter->setModulePresenters(m_timelinePresenter, m_mediaLibraryPresenter, m_playerPresenter);
    m_moduleStack->addWidget(propertyPanel);
    m_moduleStack->addWidget(mediaLibrary);
    m_moduleStack->setCurrentWidget(mediaLibrary);
    m_moduleStack->setMinimumWidth(657);
}

void KorvaneMainForm::applyScreenOrientation(bool vertical)
{
    m_verticalScreen = vertical;
    // Hidden while widgets move between the splitters, so that no half-built
    // layout is painted.
    m_outerSplitter->hide();
    if (vertical) {
        m_outerSplitter->setOrientation(Qt::Horizontal);
        m_upperSplitter->setOrientation(Qt::Vertical);
        m_upperSplitter->setMinimumHeight(0);
        m_upperSplitter->setMinimumWidth(658);
        m_outerSplitter->placeWidget(m_upperSplitter);
        m_outerSplitter->placeWidget(m_playerView);
        m_upperSplitter->placeWidget(m_moduleStack);
        m_upperSplitter->placeWidget(m_timelineView);
        m_upperSplitter->setSizes({523, 471});
        m_outerSplitter->setSizes({2000, 1000});
    } else {
        m_outerSplitter->setOrientation(Qt::Vertical);
        m_upperSplitter->setOrientation(Qt::Horizontal);
        m_upperSplitter->setMinimumWidth(0);
        m_upperSplitter->setMinimumHeight(200);
        m_upperSplitter->placeWidget(m_moduleStack);
        m_upperSplitter->placeWidget(m_playerView);
        m_outerSplitter->placeWidget(m_upperSplitter);
        m_outerSplitter->placeWidget(m_timelineView);
        m_upperSplitter->setSizes({2000, 2000});
        m_outerSplitter->setSizes({523, 471});
    }
    m_outerSplitter->show();
}

void KorvaneMainForm::startRenderService()
{
    if (!m_timelinePresenter || !m_timelinePresenter->timeline()) {
        KV_LOG_ERROR("presenter cannt is null");
        return;
    }
    KvRenderService *render = m_timelinePresenter->timeline()->renderService();
    if (!render)
        return;
    render->reset();
    render->setOutputFolder(IKvAppInfo::getInstance()->getString(KvAppInfoId::RenderDir));
    if (performanceSettings().GetAutoRender()) {
        render->setAutoRender(true);
        render->start();
    }
}

void KorvaneMainForm::stopRenderService()
{
    if (!m_timelinePresenter || !m_timelinePresenter->timeline()) {
        KV_LOG_ERROR("presenter cannt is null");
        return;
    }
    if (KvRenderService *render = m_timelinePresenter->timeline()->renderService()) {
        render->stop();
        render->setAutoRender(false);
    }
}
