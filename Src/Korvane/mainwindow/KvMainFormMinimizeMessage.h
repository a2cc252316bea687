#pragma once

#include "KvDataMessage.h"
#include "KvMainFormMessageId.h"

// Asks the main form to minimize itself after a delay (milliseconds; 0 for
// at once), so that a helper window such as the screen recorder has the
// screen.
class KvMainFormMinimizeMessage : public KvDataMessage
{
public:
    explicit KvMainFormMinimizeMessage(int delayMs)
        : KvDataMessage(KvMainFormMsg::DeferredWindowAction, delayMs)
    {
    }

    int delayMs() const { return data().toInt(); }
};
