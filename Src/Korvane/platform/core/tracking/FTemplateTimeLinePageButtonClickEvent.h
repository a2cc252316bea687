#pragma once

#include "KvTrackEvent.h"

// The template mode's button back to the start page was clicked.
class FTemplateTimeLinePageButtonClickEvent : public KvTrackEvent
{
public:
    FTemplateTimeLinePageButtonClickEvent();
};
