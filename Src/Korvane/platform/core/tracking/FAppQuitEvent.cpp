#include "FAppQuitEvent.h"

#include <QElapsedTimer>

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

FAppQuitEvent::FAppQuitEvent()
    : KvTrackEvent(QStringLiteral("app_quit"))
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
