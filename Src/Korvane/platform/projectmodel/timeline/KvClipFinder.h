#pragma once

#include "KvProjectData.h"

#include <QVector>

// A stretch of the timeline, [inMs, outMs) in milliseconds.
struct KvTimelineRange
{
    qint64 inMs = 0;
    qint64 outMs = 0;

    bool isEmpty() const { return outMs <= inMs; }
    bool operator==(const KvTimelineRange &other) const { return inMs == other.inMs && outMs == other.outMs; }
};

// Finds the clips of a timeline that lie in a range.
class KvClipFinder
{
public:
    // Indices, in timeline order, of the clips that share at least one
    // millisecond with `range`. A clip that only touches an end of the range
    // is outside it; an empty range holds no clip.
    static QVector<int> findClips(const QVector<KvTimelineClip> &clips, const KvTimelineRange &range);
};
