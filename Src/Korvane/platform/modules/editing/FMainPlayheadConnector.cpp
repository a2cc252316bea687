#include "FMainPlayheadConnector.h"

#include "IKvTimeline.h"
#include "KvProjectPlayer.h"

FMainPlayheadConnector::FMainPlayheadConnector(QObject *parent)
    : KvPlayheadConnector(parent)
{
}

void FMainPlayheadConnector::connectTimelineAndPlayer(IKvTimeline *timeline, KvProjectPlayer *player)
{
    clear();
    if (timeline)
        addPlayhead(timeline->playhead(), KindTimeline);
    if (player)
        addPlayhead(player->playhead(), KindPlayer);
}
