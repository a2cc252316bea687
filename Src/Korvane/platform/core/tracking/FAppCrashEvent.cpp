#include "FAppCrashEvent.h"

FAppCrashEvent::FAppCrashEvent()
    : KvTrackEvent(QStringLiteral("app_crash"))
{
}
