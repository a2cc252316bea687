#pragma once

#include "KvClipFinder.h"
#include "KvLazySingleton.h"

// The range the user marked on the timeline (in and out points). The timeline
// sets it; a range export reads it. GUI thread only.
class KvTimelineSelection : public KvLazySingleton<KvTimelineSelection>
{
public:
    void setRange(const KvTimelineRange &range) { m_range = range; }
    void clearRange() { m_range = KvTimelineRange(); }
    KvTimelineRange range() const { return m_range; }

private:
    friend class KvLazySingleton<KvTimelineSelection>;
    KvTimelineSelection() = default;

    KvTimelineRange m_range;
};
