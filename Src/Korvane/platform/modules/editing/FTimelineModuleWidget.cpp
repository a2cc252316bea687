#include "FTimelineModuleWidget.h"

#include "FTimelineModulePresenter.h"
#include "FTimelineTrackView.h"
#include "IKvBaseLog.h"
#include "IKvProject.h"
#include "IKvProjectManager.h"
#include "IKvTimeline.h"
#include "KvPlayhead.h"
#include "KvTimecode.h"
#include "KvToast.h"
#include "KvToolButtonFactory.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

FTimelineModuleWidget::FTimelineModuleWidget(QWidget *parent)
    : FTimelineModuleWidget(new FTimelineModulePresenter(nullptr, IKvProjectManager::getInstance()->timeline()),
                            parent)
{
    m_presenter->setParent(this);
    m_presenter->setMediaEditor(IKvProjectManager::getInstance()->mediaEditor());
}

FTimelineModuleWidget::FTimelineModuleWidget(FTimelineModulePresenter *presenter, QWidget *parent)
    : FEditingModuleWidget(parent)
    , m_presenter(presenter)
    , m_timeline(presenter->timeline())
{
    setObjectName(QStringLiteral("FTimelineModuleWidget"));
    setMinimumHeight(200);
    setPresenter(presenter);
    build();
    refresh();
}

void FTimelineModuleWidget::build()
{
    auto *bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("FTimelineModuleWidget_ToolBar"));
    m_add = KvToolButtonFactory::create(bar, QStringLiteral("FTimelineModuleWidget_Add"),
                                        tr("Add to Timeline"), QStringLiteral("add"));
    m_split = KvToolButtonFactory::create(bar, QStringLiteral("FTimelineModuleWidget_Split"), tr("Split"),
                                          QStringLiteral("scissors"));
    m_delete = KvToolButtonFactory::create(bar, QStringLiteral("FTimelineModuleWidget_Delete"), tr("Delete"),
                                           QStringLiteral("delete"));
    m_undo = KvToolButtonFactory::create(bar, QStringLiteral("FTimelineModuleWidget_Undo"), tr("Undo"),
                                         QStringLiteral("undo"));
    m_redo = KvToolButtonFactory::create(bar, QStringLiteral("FTimelineModuleWidget_Redo"), tr("Redo"),
                                         QStringLiteral("redo"));
    QToolButton *zoomOut = KvToolButtonFactory::create(bar, QStringLiteral("FTimelineModuleWidget_ZoomOut"),
                                                       tr("Zoom Out"));
    zoomOut->setText(QStringLiteral("\u2212"));
    QToolButton *zoomIn = KvToolButtonFactory::create(bar, QStringLiteral("FTimelineModuleWidget_ZoomIn"),
                                                      tr("Zoom In"));
    zoomIn->setText(QStringLiteral("+"));
    m_timecode = new QLabel(bar);
    m_timecode->setObjectName(QStringLiteral("FTimelineModuleWidget_Timecode"));
    m_timecode->setAccessibleName(tr("Playhead and duration"));

    auto *barLayout = new QHBoxLayout(bar);
    barLayout->setContentsMargins(8, 4, 8, 4);
    barLayout->setSpacing(4);
    for (QToolButton *button : {m_add, m_split, m_delete, m_undo, m_redo})
        barLayout->addWidget(button);
    barLayout->addSpacing(12);
    barLayout->addWidget(zoomOut);
    barLayout->addWidget(zoomIn);
    barLayout->addStretch(1);
    barLayout->addWidget(m_timecode);

    m_tracks = new FTimelineTrackView(m_timeline, this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_tracks, 1);

    connect(m_add, &QToolButton::clicked, this, [this]() {
        if (m_presenter->addChosenMedia() < 0)
            KvToast::showFailure(window(), tr("Choose a medium in the media library first."));
    });
    connect(m_split, &QToolButton::clicked, this, [this]() {
        if (!m_presenter->splitAtPlayhead())
            KvToast::showFailure(window(), tr("There is no clip under the playhead to split."));
    });
    connect(m_delete, &QToolButton::clicked, m_presenter, &FTimelineModulePresenter::deleteSelection);
    connect(m_undo, &QToolButton::clicked, m_presenter, &FTimelineModulePresenter::undo);
    connect(m_redo, &QToolButton::clicked, m_presenter, &FTimelineModulePresenter::redo);
    connect(zoomOut, &QToolButton::clicked, m_tracks, &FTimelineTrackView::zoomOut);
    connect(zoomIn, &QToolButton::clicked, m_tracks, &FTimelineTrackView::zoomIn);
    connect(m_presenter, &FTimelineModulePresenter::sigUndoStateChanged, this, &FTimelineModuleWidget::updateButtons);
    if (m_timeline) {
        connect(m_timeline, &IKvTimeline::sigSelectionChanged, this, &FTimelineModuleWidget::updateButtons);
        connect(m_timeline, &IKvTimeline::sigClipsChanged, this, &FTimelineModuleWidget::updateTimecode);
        connect(m_timeline, &IKvTimeline::sigProjectChanged, this, &FTimelineModuleWidget::refresh);
        connect(m_timeline->playhead(), &KvPlayhead::sigPositionChanged, this, &FTimelineModuleWidget::updateTimecode);
    }
    updateButtons();
    updateTimecode();
}

QString FTimelineModuleWidget::timecodeText() const
{
    return m_timecode->text();
}

void FTimelineModuleWidget::updateButtons()
{
    const bool hasSelection = m_timeline && !m_timeline->selectedClips().isEmpty();
    m_delete->setEnabled(hasSelection);
    m_undo->setEnabled(m_presenter->canUndo());
    m_redo->setEnabled(m_presenter->canRedo());
}

void FTimelineModuleWidget::updateTimecode()
{
    if (!m_timeline) {
        m_timecode->clear();
        return;
    }
    m_timecode->setText(QStringLiteral("%1 / %2").arg(
        KvTimecode::format(m_timeline->currentPosition(), m_timeline->frameRate()), m_timeline->durationText()));
}

void FTimelineModuleWidget::showProject(IKvProject *project)
{
    if (!m_timeline || !project || !m_timeline->hasProject())
        return;
    // Scene notices and the timeline's own signal both arrive for one open.
    if (m_shownGeneration == m_timeline->generation())
        return;
    m_shownGeneration = m_timeline->generation();
    m_tracks->trackClips(0); // builds the track index now, once
    m_tracks->viewport()->update();
    updateButtons();
    updateTimecode();
    KV_LOG_INFO("timeline shows %d clips", m_timeline->clipCount());
}
