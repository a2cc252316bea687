// The main form's layout: the splitters, the title bar and the modules, and
// the two screen orientations.
#include "KorvaneMainForm.h"

#include "FMediaLibraryView.h"
#include "FMediaPlayerModuleWidget.h"
#include "FPropertyPanelModuleWidget.h"
#include "FTimelineModuleWidget.h"
#include "KorvaneTitleBar.h"
#include "KorvaneTitleBarPresenter.h"
#include "KvEditingViewType.h"
#include "KvSplitter.h"

#include <QStackedWidget>

void KorvaneMainForm::buildLayout()
{
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

    auto *timeline = new FTimelineModuleWidget(m_outerSplitter);
    timeline->setMinimumHeight(200);
    m_outerSplitter->addWidget(timeline);
    m_timelineView = timeline;

    auto *mediaLibrary = new FMediaLibraryView(m_moduleStack);
    auto *propertyPanel = new FPropertyPanelModuleWidget(m_moduleStack);
    auto *player = new FMediaPlayerModuleWidget(m_upperSplitter);
    player->setMinimumSize(361, 200);
    m_upperSplitter->addWidget(player);
    m_playerView = player;

    registerView(KvEditingViewType::MediaLibrary, mediaLibrary);
    registerView(KvEditingViewType::PropertyPanel, propertyPanel);
    registerView(KvEditingViewType::Player, player);
    registerView(KvEditingViewType::Timeline, timeline);

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
