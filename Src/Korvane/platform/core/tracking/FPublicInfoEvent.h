#pragma once

#include "KvTrackEvent.h"

// The product and machine facts every tracking session starts with.
class FPublicInfoEvent : public KvTrackEvent
{
public:
    FPublicInfoEvent();
};
