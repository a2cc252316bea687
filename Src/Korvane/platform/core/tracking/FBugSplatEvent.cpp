#include "FBugSplatEvent.h"

FBugSplatEvent::FBugSplatEvent()
    : KvTrackEvent(QStringLiteral("bugsplat_report"))
{
}
