#include "FIPCEventParser.h"

#include "FIPCEvents.h"

KvIPCEvent *FIPCEventParser::createEvent(unsigned short number)
{
    switch (number) {
    case FIPCEventId::WebLoginFinished:
        return new FIPCWebLoginFinishedEvent;
    case FIPCEventId::ChangeBackBtnState:
        return new FIPCChangeBackBtnStateEvent;
    case FIPCEventId::WebCallback:
        return new FIPCWebCallbackEvent;
    default:
        return nullptr;
    }
}
