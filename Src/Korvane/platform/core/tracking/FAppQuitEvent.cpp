#include "FAppQuitEvent.h"

#include <QElapsedTimer>

#include <atomic>

namespace {
std::atomic<qint64> g_startNs{-1};
QElapsedTimer &clock()
{
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer;
}
} // namespace

void FAppQuitEvent::startTime()
{
    g_startNs = clock().nsecsElapsed();
}

qint64 FAppQuitEvent::runningTimeMs()
{
    const qint64 start = g_startNs;
    if (start < 0)
        return -1;
    return (clock().nsecsElapsed() - start) / 1000000;
}
