#pragma once

#include "IKvIPCEventParser.h"

// The editor's events that the web helper sends, as event objects.
class FIPCEventParser : public IKvIPCEventParser
{
public:
    KvIPCEvent *createEvent(unsigned short number) override;
};
