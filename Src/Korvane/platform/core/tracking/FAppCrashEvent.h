#pragma once

#include "KvTrackEvent.h"

// The previous run ended in a crash.
class FAppCrashEvent : public KvTrackEvent
{
public:
    FAppCrashEvent();
};
