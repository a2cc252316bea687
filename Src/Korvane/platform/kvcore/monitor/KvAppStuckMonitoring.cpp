#include "KvAppStuckMonitoring.h"

#include "IKvBaseLog.h"
#include "KvLazySingleton.h"
#include "KvStuckWatchdog.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QThread>

#include <atomic>

namespace {
// Written by KvUnmonitoredEventHelper just before start() on the GUI thread.
std::atomic<int> s_pendingEventType{0};
} // namespace

KvAppStuckMonitoring::KvAppStuckMonitoring()
    : m_watchdog(std::make_unique<KvStuckWatchdog>())
{
    // Created wherever first asked for; its slots belong on the GUI thread.
    if (QCoreApplication *app = QCoreApplication::instance())
        moveToThread(app->thread());
}

KvAppStuckMonitoring::~KvAppStuckMonitoring() = default;

KvAppStuckMonitoring *KvAppStuckMonitoring::instance()
{
    return KvLazySingleton<KvAppStuckMonitoring>::instance();
}

void KvAppStuckMonitoring::openMonitoring(int thresholdMs)
{
    KvAppStuckMonitoring *self = instance();
    self->followEventLoop();
    self->m_watchdog->open(thresholdMs);
    KV_LOG_INFO("GUI thread monitoring on, threshold %d ms", thresholdMs);
}

void KvAppStuckMonitoring::followEventLoop()
{
    if (m_followingLoop)
        return;
    QCoreApplication *app = QCoreApplication::instance();
    QAbstractEventDispatcher *dispatcher = app ? QAbstractEventDispatcher::instance(app->thread()) : nullptr;
    if (!dispatcher || QThread::currentThread() != app->thread()) {
        KV_LOG_ERROR("GUI thread monitoring opened off the GUI thread or without an event loop: nested loops are not told apart");
        return;
    }
    m_followingLoop = true;
    // Both are emitted on the GUI thread by the loop itself.
    KvStuckWatchdog *watchdog = m_watchdog.get();
    connect(dispatcher, &QAbstractEventDispatcher::awake, this, [watchdog] { watchdog->loopAwake(); },
            Qt::DirectConnection);
    connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [watchdog] { watchdog->loopAboutToBlock(); },
            Qt::DirectConnection);
}

void KvAppStuckMonitoring::closeMonitoring()
{
    if (KvLazySingleton<KvAppStuckMonitoring>::exists())
        instance()->m_watchdog->stop();
}

bool KvAppStuckMonitoring::isMonitoring()
{
    return KvLazySingleton<KvAppStuckMonitoring>::exists() && instance()->m_watchdog->running();
}

void KvAppStuckMonitoring::start()
{
    instance()->m_watchdog->eventStarted(s_pendingEventType.load(std::memory_order_relaxed));
}

void KvAppStuckMonitoring::end()
{
    instance()->m_watchdog->eventEnded();
}

void KvAppStuckMonitoring::setPendingEventType(int eventType)
{
    s_pendingEventType.store(eventType, std::memory_order_relaxed);
}

quint64 KvAppStuckMonitoring::watchdogWakeups()
{
    return KvLazySingleton<KvAppStuckMonitoring>::exists() ? instance()->m_watchdog->wakeups() : 0;
}

void KvAppStuckMonitoring::slotContinueMonitoring()
{
    m_watchdog->setSuspended(false);
}

void KvAppStuckMonitoring::slotSuspendMonitoring()
{
    m_watchdog->setSuspended(true);
}
