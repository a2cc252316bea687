#include "FUserInfoEvent.h"

FUserInfoEvent::FUserInfoEvent(const QString &userId)
    : KvTrackEvent(QStringLiteral("user_info"))
{
    setField(QStringLiteral("user"), userId);
}
