#pragma once

#include "KvTrackEvent.h"

// The quit tracking event: it reports how long the editor ran, so it needs
// the moment the application started.
class FAppQuitEvent : public KvTrackEvent
{
public:
    FAppQuitEvent();

    static void startTime();
    // Milliseconds since startTime(); -1 before it.
    static qint64 runningTimeMs();
};
