#pragma once

#include "KvPlayheadConnector.h"

class IKvTimeline;
class KvProjectPlayer;

// The main window's playhead connector: the timeline's playhead and the
// project player's, kept in step except while a recording drives the
// timeline.
class FMainPlayheadConnector : public KvPlayheadConnector
{
    Q_OBJECT

public:
    explicit FMainPlayheadConnector(QObject *parent = nullptr);

    // Clears and adds the timeline's playhead (kind 1) and the player's (kind 2).
    void connectTimelineAndPlayer(IKvTimeline *timeline, KvProjectPlayer *player);
};
