#include "KvTrackEvents.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <QSysInfo>

#include <atomic>

namespace {

std::atomic<qint64> g_startNs{-1};

QElapsedTimer &startClock()
{
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer;
}

} // namespace

QString KvTrackEvents::nameOf(KvTrackEventKind kind)
{
    const int index = int(kind);
    if (index < 0 || index >= int(KvTrackEventKind::Count))
        return QString();
    return QLatin1String(kTable[index].name);
}

FAppLaunchEvent::FAppLaunchEvent()
    : KvTrackEvent(KvTrackEvents::nameOf(KvTrackEventKind::AppLaunch))
{
}

void FAppLaunchEvent::setTiming(const QString &section, qint64 ms)
{
    setField(section, ms < 0 ? qint64(-1) : ms);
}

FAppQuitEvent::FAppQuitEvent()
    : KvTrackEvent(KvTrackEvents::nameOf(KvTrackEventKind::AppQuit))
{
    setField(QStringLiteral("running_ms"), runningTimeMs());
}

void FAppQuitEvent::startTime()
{
    g_startNs = startClock().nsecsElapsed();
}

qint64 FAppQuitEvent::runningTimeMs()
{
    const qint64 start = g_startNs;
    if (start < 0)
        return -1;
    return (startClock().nsecsElapsed() - start) / 1000000;
}

FPublicInfoEvent::FPublicInfoEvent()
    : KvTrackEvent(KvTrackEvents::nameOf(KvTrackEventKind::PublicInfo))
{
    setField(QStringLiteral("version"), QCoreApplication::applicationVersion());
    setField(QStringLiteral("os"), QSysInfo::prettyProductName());
    setField(QStringLiteral("cpu"), QSysInfo::currentCpuArchitecture());
    setField(QStringLiteral("locale"), QLocale().name());
}

FUserInfoEvent::FUserInfoEvent(const QString &userId)
    : KvTrackEvent(KvTrackEvents::nameOf(KvTrackEventKind::UserInfo))
{
    setField(QStringLiteral("user"), userId);
}

FEmbedWindowPopupEvent::FEmbedWindowPopupEvent(const QString &name)
    : KvTrackEvent(KvTrackEvents::nameOf(KvTrackEventKind::EmbedWindowPopup))
{
    setField(QStringLiteral("name"), name);
}
