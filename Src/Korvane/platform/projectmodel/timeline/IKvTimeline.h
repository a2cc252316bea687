#pragma once

#include "IKvTimelineEventObserver.h"
#include "KvProjectData.h"

#include <QObject>
#include <QVector>

class IKvClip;
class KvPlayhead;
class KvRenderService;

// The current project's timeline: its clips on tracks, the playhead, the
// selection and the render service. One object for the project manager's
// life (IKvProjectManager::timeline()) that follows the current project.
// Every edit goes through the project manager's undo service and is
// reported to the observers and by sigClipsChanged. GUI thread only.
class IKvTimeline : public QObject
{
    Q_OBJECT

public:
    // What the selection holds (selectionKind()).
    enum SelectionKind {
        SelectionNone = 0,
        SelectionClip = 1,
        SelectionClips = 2,
        SelectionSplitScreen = 12,
    };
    // Tracks a timeline always shows, even empty.
    static constexpr int kMinTracks = 3;

    explicit IKvTimeline(QObject *parent = nullptr);

    virtual bool hasProject() const = 0;
    // Counts every change of the clips, the media or the project: a view that
    // saw the same number shows the same timeline.
    virtual quint64 generation() const = 0;

    virtual int trackCount() const = 0;
    virtual int clipCount() const = 0;
    virtual KvTimelineClip clipAt(int index) const = 0;
    virtual QVector<KvTimelineClip> clips() const = 0;
    virtual QString mediaPathOf(int clipIndex) const = 0;
    // A handle with the clip's facts; null for an index out of range.
    virtual IKvClip *clip(int index) = 0;

    virtual double frameRate() const = 0;
    virtual qint64 currentPosition() const = 0;
    virtual void setCurrentPosition(qint64 ms) = 0;
    // The end of the last clip: the playhead may not run past it in playback.
    virtual qint64 endLimit() const = 0;
    virtual qint64 durationMs() const = 0;
    // "hh:mm:ss:ff" of the duration.
    virtual QString durationText() const = 0;
    virtual KvPlayhead *playhead() const = 0;
    virtual KvRenderService *renderService() const = 0;

    virtual QVector<int> selectedClips() const = 0;
    // Indices out of range are dropped; duplicates count once.
    virtual void setSelectedClips(const QVector<int> &indices) = 0;
    virtual void clearSelection() = 0;
    virtual int selectionKind() const = 0;
    // True when the selection is edited in a panel of its own (split screen)
    // instead of the property panel.
    virtual bool selectionKeepsOwnPanel() const = 0;

    // --- Edits (each one undo step) -------------------------------------
    // Places medium `mediaIndex` whole at the playhead on `track` (-1: the
    // first track of the medium's kind, a sound on the last track) and
    // selects it. The clip index, or -1 (logged) when it cannot be placed.
    virtual int addMediaAtPlayhead(int mediaIndex, int track = -1) = 0;
    // The same at `startMs`.
    virtual int addMedia(int mediaIndex, int track, qint64 startMs) = 0;
    virtual int addClip(const KvTimelineClip &clip) = 0;
    virtual bool moveClip(int index, int track, qint64 startMs) = 0;
    virtual bool setClipVolume(int index, int volume) = 0;
    // In and out points within the medium; out must stay after in.
    virtual bool setClipRange(int index, qint64 inMs, qint64 outMs) = 0;
    // Cuts the clip in two at `atMs` (a timeline time strictly inside it);
    // the second part becomes a new clip at the end of the list.
    virtual bool splitClip(int index, qint64 atMs) = 0;
    virtual bool deleteClips(const QVector<int> &indices) = 0;
    virtual bool deleteSelectedClips() = 0;

    virtual void addObserver(IKvTimelineEventObserver *observer) = 0;
    virtual void removeObserver(IKvTimelineEventObserver *observer) = 0;

signals:
    // Another project (or none) is current: every clip may differ.
    void sigProjectChanged();
    void sigClipsChanged();
    void sigSelectionChanged();
};
