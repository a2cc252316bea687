#include "FPreferenceSettingTrackEvent.h"

FPreferenceSettingTrackEvent::FPreferenceSettingTrackEvent()
    : KvTrackEvent(QLatin1String(kName))
{
}

QString FPreferenceSettingTrackEvent::themeText(int theme)
{
    switch (theme) {
    case 0:
        return QStringLiteral("default");
    case 1:
        return QStringLiteral("dark");
    case 2:
        return QStringLiteral("light");
    default:
        return QStringLiteral("unknow");
    }
}

QString FPreferenceSettingTrackEvent::updateCheckText(int days)
{
    switch (days) {
    case 0:
        return QStringLiteral("never");
    case 1:
        return QStringLiteral("every_day");
    case 7:
        return QStringLiteral("every_week");
    case 30:
        return QStringLiteral("every_month");
    default:
        return QStringLiteral("unknow");
    }
}

QString FPreferenceSettingTrackEvent::proxyResolutionText(const QSize &size)
{
    if (!size.isValid())
        return QString();
    return QStringLiteral("%1*%2").arg(size.width()).arg(size.height());
}
