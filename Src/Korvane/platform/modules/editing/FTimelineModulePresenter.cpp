#include "FTimelineModulePresenter.h"

#include "FTimelineModuleWidget.h"
#include "FTimelineTrackView.h"
#include "IKvBaseLog.h"
#include "IKvClip.h"
#include "IKvProjectManager.h"
#include "IKvTimeline.h"
#include "KvDataMessage.h"
#include "KvEditingMessageId.h"
#include "KvEditingViewType.h"
#include "KvMediaEditor.h"
#include "KvTimelineRecordingMessage.h"
#include "KvUIView.h"
#include "KvUndoRedoService.h"

#include <QTimer>

FTimelineModulePresenter::FTimelineModulePresenter(KvUIView *parentView, IKvTimeline *timeline, QObject *parent)
    : KvPresenter(parent)
    , m_timeline(timeline)
    , m_parentView(parentView)
{
    KvUndoRedoService *undo = IKvProjectManager::getInstance()->undoRedoService();
    connect(undo, &KvUndoRedoService::sigChanged, this, &FTimelineModulePresenter::sigUndoStateChanged);
    if (timeline) {
        m_clipCount = timeline->clipCount();
        connect(timeline, &IKvTimeline::sigSelectionChanged, this, &FTimelineModulePresenter::selectionChanged);
        connect(timeline, &IKvTimeline::sigClipsChanged, this, &FTimelineModulePresenter::clipsChanged);
        // Opening a project is not an edit: its clips are simply there.
        connect(timeline, &IKvTimeline::sigProjectChanged, this, [this] { m_clipCount = m_timeline->clipCount(); });
    }
}

FTimelineModuleWidget *FTimelineModulePresenter::createView(QWidget *parent)
{
    if (!m_view) {
        m_view = new FTimelineModuleWidget(this, parent);
        if (m_parentView)
            m_parentView->registerView(KvEditingViewType::Timeline, m_view);
    }
    return m_view;
}

int FTimelineModulePresenter::addChosenMedia()
{
    if (!m_timeline || !m_editor || m_editor->lastMedia() < 0) {
        KV_LOG_INFO("no medium chosen to add to the timeline");
        return -1;
    }
    return m_timeline->addMediaAtPlayhead(m_editor->lastMedia());
}

bool FTimelineModulePresenter::splitAtPlayhead()
{
    if (!m_timeline)
        return false;
    const QVector<int> selected = m_timeline->selectedClips();
    const qint64 at = m_timeline->currentPosition();
    for (int index : selected) {
        if (m_timeline->splitClip(index, at))
            return true;
    }
    // Without a selection the top-most clip under the playhead is cut.
    for (int index = m_timeline->clipCount() - 1; index >= 0 && selected.isEmpty(); --index) {
        const KvTimelineClip clip = m_timeline->clipAt(index);
        if (clip.startMs < at && clip.endMs() > at)
            return m_timeline->splitClip(index, at);
    }
    return false;
}

bool FTimelineModulePresenter::deleteSelection()
{
    return m_timeline && m_timeline->deleteSelectedClips();
}

bool FTimelineModulePresenter::undo()
{
    return IKvProjectManager::getInstance()->undoRedoService()->undo();
}

bool FTimelineModulePresenter::redo()
{
    return IKvProjectManager::getInstance()->undoRedoService()->redo();
}

bool FTimelineModulePresenter::canUndo() const
{
    return IKvProjectManager::getInstance()->undoRedoService()->canUndo();
}

bool FTimelineModulePresenter::canRedo() const
{
    return IKvProjectManager::getInstance()->undoRedoService()->canRedo();
}

void FTimelineModulePresenter::selectionChanged()
{
    // Only a selection that appears or goes asks for the panel; choosing
    // another clip leaves the page as it is.
    const bool hasSelection = m_timeline && !m_timeline->selectedClips().isEmpty();
    if (hasSelection == m_hadSelection)
        return;
    m_hadSelection = hasSelection;
    if (!view() || !view()->scene())
        return;
    KvMessage message(hasSelection ? KvEditingMessageId::ShowPropertyPanel : KvEditingMessageId::HidePropertyPanel);
    sendMessageToScene(&message);
}

void FTimelineModulePresenter::clipsChanged()
{
    const int before = m_clipCount;
    m_clipCount = m_timeline ? m_timeline->clipCount() : 0;
    if (before != 0 || m_clipCount == 0 || isRecording())
        return;
    for (int index = 0; index < m_clipCount; ++index) {
        IKvClip *clip = m_timeline->clip(index);
        if (clip && clip->videoInfo()) {
            offerMatchFor(clip);
            return;
        }
    }
}

void FTimelineModulePresenter::offerMatchFor(IKvClip *clip)
{
    const KvClipVideoInfo *info = clip->videoInfo();
    if (info->width <= 0 || info->height <= 0 || !view() || !view()->scene())
        return;
    const QVariantMap facts{{QStringLiteral("width"), info->width},
                            {QStringLiteral("height"), info->height},
                            {QStringLiteral("aspectRatioType"), info->aspectRatioType},
                            {QStringLiteral("frameRateType"), info->frameRateType}};
    KvDataMessage message(KvEditingMessageId::MatchProjectToMedia, facts);
    // Asked after the edit has finished: the question is modal.
    QTimer::singleShot(0, this, [this, message]() mutable {
        if (view() && view()->scene())
            sendMessageToScene(&message);
    });
}

bool FTimelineModulePresenter::dispatchMessage(KvMessage *message)
{
    if (!message)
        return false;
    switch (message->code()) {
    case KvEditingMessageId::TimelineRecordingPrepare:
        // The recording writes from the playhead on: show that place.
        if (m_view)
            m_view->trackView()->setFocus();
        return true;
    case KvEditingMessageId::TimelineRecording:
        if (const auto *recordingMessage = dynamic_cast<KvTimelineRecordingMessage *>(message)) {
            recording(*recordingMessage);
            return true;
        }
        KV_LOG_ERROR("message %d is not a recording message; ignored", message->code());
        return false;
    case KvEditingMessageId::GuideTimelineRect:
        if (m_view) {
            QWidget *area = m_view->trackView();
            message->setAnswer(QRect(area->mapToGlobal(QPoint(0, 0)), area->size()));
        }
        return true;
    default:
        return dispatchToolMessage(message) || KvPresenter::dispatchMessage(message);
    }
}

void FTimelineModulePresenter::recording(const KvTimelineRecordingMessage &message)
{
    if (!m_timeline)
        return;
    switch (message.phase()) {
    case KvTimelineRecordingMessage::Start:
        m_recordStart = m_timeline->currentPosition();
        KV_LOG_INFO("recording on the timeline from %lld ms", static_cast<long long>(m_recordStart));
        break;
    case KvTimelineRecordingMessage::Progress:
        if (m_recordStart >= 0)
            m_timeline->setCurrentPosition(m_recordStart + message.position());
        break;
    case KvTimelineRecordingMessage::Finish: {
        const qint64 start = m_recordStart >= 0 ? m_recordStart : m_timeline->currentPosition();
        m_recordStart = -1;
        if (message.mediaItem() < 0) {
            KV_LOG_INFO("recording ended without a file");
            break;
        }
        // The sound goes on the lowest free track from the sound track on.
        if (m_timeline->addMedia(message.mediaItem(), -1, start) < 0)
            KV_LOG_ERROR("the recording (item %d) could not be placed on the timeline", message.mediaItem());
        break;
    }
    default:
        KV_LOG_ERROR("unknown recording phase %d", message.phase());
    }
}
