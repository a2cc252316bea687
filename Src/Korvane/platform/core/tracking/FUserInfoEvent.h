#pragma once

#include "KvTrackEvent.h"

// Who uses the editor: the signed-in account, empty when nobody is.
class FUserInfoEvent : public KvTrackEvent
{
public:
    explicit FUserInfoEvent(const QString &userId = QString());
};
