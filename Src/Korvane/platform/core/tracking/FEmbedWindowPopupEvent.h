#pragma once

#include "KvTrackEvent.h"

// An embedded helper window (such as the Orvala helper) was opened.
class FEmbedWindowPopupEvent : public KvTrackEvent
{
public:
    explicit FEmbedWindowPopupEvent(const QString &name);
};
