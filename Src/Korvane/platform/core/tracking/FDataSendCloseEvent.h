#pragma once

#include "KvTrackEvent.h"

// The user switched the improvement programme on or off. Sent in both
// directions: the last event before collection stops says that it stopped.
class FDataSendCloseEvent : public KvTrackEvent
{
public:
    static constexpr const char *kName = "data_send_close";

    explicit FDataSendCloseEvent(bool collectEnabled)
        : KvTrackEvent(QLatin1String(kName))
    {
        setField(QStringLiteral("data_collect"), collectEnabled);
    }
};
