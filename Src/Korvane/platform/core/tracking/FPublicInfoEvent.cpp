#include "FPublicInfoEvent.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSysInfo>

FPublicInfoEvent::FPublicInfoEvent()
    : KvTrackEvent(QStringLiteral("public_info"))
{
    setField(QStringLiteral("version"), QCoreApplication::applicationVersion());
    setField(QStringLiteral("os"), QSysInfo::prettyProductName());
    setField(QStringLiteral("cpu"), QSysInfo::currentCpuArchitecture());
    setField(QStringLiteral("locale"), QLocale().name());
}
