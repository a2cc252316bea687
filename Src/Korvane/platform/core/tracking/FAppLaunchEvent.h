#pragma once

#include "KvTrackEvent.h"

// How long the start-up took, one field per timing section (milliseconds).
class FAppLaunchEvent : public KvTrackEvent
{
public:
    FAppLaunchEvent();

    // A negative time (a section that never ran) is recorded as -1.
    void setTiming(const QString &section, qint64 ms);
};
