#pragma once

#include <QtGlobal>

class KvIPCEvent;

// Turns the application's event numbers (KvIPC::kFirstUserEvent and up) into
// event objects; the library fills in their parameters. Null for a number the
// application does not know: the library then hands on a plain KvIPCEvent.
class IKvIPCEventParser
{
public:
    virtual ~IKvIPCEventParser() = default;
    virtual KvIPCEvent *createEvent(unsigned short number) = 0;
};
