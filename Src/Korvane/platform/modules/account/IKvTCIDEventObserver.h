#pragma once

#include "KvTCIDEvent.h"

// Receives the account service's events on the GUI thread.
class IKvTCIDEventObserver
{
public:
    virtual ~IKvTCIDEventObserver() = default;
    virtual void onTCIDEvent(const KvTCIDEvent &event) = 0;
};
