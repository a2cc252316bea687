#pragma once

#include <QPair>
#include <QVector>

class IKvTimeline;

// One timeline event: (kind, group), see KvTimelineEvent.
using KvTimelineEventPair = QPair<int, int>;
using KvTimelineEventList = QVector<KvTimelineEventPair>;

// Told what happened on the timeline, on the GUI thread, in batches: one
// edit may report several events at once.
class IKvTimelineEventObserver
{
public:
    virtual ~IKvTimelineEventObserver() = default;

    virtual void onTimelineEvents(const KvTimelineEventList &events) = 0;
    // The timeline is going away; it reports nothing after this.
    virtual void onTimelineReleased(IKvTimeline *timeline) { (void)timeline; }
};
