#pragma once

#include "KvTrackEvent.h"

// A crash report was left by the previous run (its marker file was found at start).
class FBugSplatEvent : public KvTrackEvent
{
public:
    FBugSplatEvent();
};
