#pragma once

#include "IKvTimeline.h"

#include <memory>
#include <vector>

class IKvProject;
class KvUndoRedoService;

// The timeline the project manager hands out; see IKvTimeline.
class KvTimeline final : public IKvTimeline
{
    Q_OBJECT

public:
    explicit KvTimeline(QObject *parent = nullptr);
    ~KvTimeline() override;

    // The manager's current project (null: none) and its undo service.
    void setProject(IKvProject *project, KvUndoRedoService *undo);
    // Media were added to the project (names of clips may now resolve).
    void mediaChanged();
    // Media were removed (or their removal undone): clips may all differ.
    void contentReset();

    bool hasProject() const override { return m_project != nullptr; }
    quint64 generation() const override { return m_generation; }
    int trackCount() const override;
    int clipCount() const override;
    KvTimelineClip clipAt(int index) const override;
    QVector<KvTimelineClip> clips() const override;
    QString mediaPathOf(int clipIndex) const override;
    IKvClip *clip(int index) override;
    double frameRate() const override;
    qint64 currentPosition() const override;
    void setCurrentPosition(qint64 ms) override;
    qint64 endLimit() const override { return durationMs(); }
    qint64 durationMs() const override;
    QString durationText() const override;
    KvPlayhead *playhead() const override { return m_playhead; }
    KvRenderService *renderService() const override { return m_render; }
    QVector<int> selectedClips() const override { return m_selection; }
    void setSelectedClips(const QVector<int> &indices) override;
    void clearSelection() override { setSelectedClips({}); }
    int selectionKind() const override;
    bool selectionKeepsOwnPanel() const override;
    int addMediaAtPlayhead(int mediaIndex, int track) override { return addMedia(mediaIndex, track, currentPosition()); }
    int addMedia(int mediaIndex, int track, qint64 startMs) override;
    int addClip(const KvTimelineClip &clip) override;
    bool moveClip(int index, int track, qint64 startMs) override;
    bool setClipVolume(int index, int volume) override;
    bool setClipRange(int index, qint64 inMs, qint64 outMs) override;
    bool splitClip(int index, qint64 atMs) override;
    bool deleteClips(const QVector<int> &indices) override;
    bool deleteSelectedClips() override;
    void addObserver(IKvTimelineEventObserver *observer) override;
    void removeObserver(IKvTimelineEventObserver *observer) override;

private:
    // A clip replaced by another, as one undo step named `text`.
    bool replaceClip(int index, const KvTimelineClip &clip, const QString &text, KvTimelineEventPair event);
    // Empty when the clip fits the project, else why not.
    QString checkClip(const KvTimelineClip &clip) const;
    // A track where [start, end) is free, looking from `first` upwards.
    int freeTrack(int first, qint64 start, qint64 end) const;
    void changed(KvTimelineEventPair event);
    void notify(const KvTimelineEventList &events);
    QByteArray describe() const;

    IKvProject *m_project = nullptr;
    KvUndoRedoService *m_undo = nullptr;
    KvPlayhead *m_playhead;
    KvRenderService *m_render;
    QVector<int> m_selection;
    std::vector<IKvTimelineEventObserver *> m_observers;
    std::vector<std::unique_ptr<IKvClip>> m_handles;
    quint64 m_generation = 0;
    // The largest track used, -1 when there are no clips; kept with every
    // edit so that painting never scans the clips.
    mutable int m_maxTrack = -1;
    mutable quint64 m_maxTrackGeneration = ~quint64(0);
};
