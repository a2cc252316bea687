#include "KvClipFinder.h"

QVector<int> KvClipFinder::findClips(const QVector<KvTimelineClip> &clips, const KvTimelineRange &range)
{
    QVector<int> found;
    if (range.isEmpty())
        return found;
    for (int i = 0; i < clips.size(); ++i) {
        const KvTimelineClip &clip = clips.at(i);
        if (clip.durationMs() > 0 && clip.startMs < range.outMs && clip.endMs() > range.inMs)
            found.append(i);
    }
    return found;
}
