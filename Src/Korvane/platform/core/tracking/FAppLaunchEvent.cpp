#include "FAppLaunchEvent.h"

FAppLaunchEvent::FAppLaunchEvent()
    : KvTrackEvent(QStringLiteral("app_launch"))
{
}

void FAppLaunchEvent::setTiming(const QString &section, qint64 ms)
{
    setField(section, ms < 0 ? qint64(-1) : ms);
}
