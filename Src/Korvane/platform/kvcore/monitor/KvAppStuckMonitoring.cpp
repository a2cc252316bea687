#include "KvAppStuckMonitoring.h"

#include "IKvBaseLog.h"
#include "KvLazySingleton.h"

#include <QCoreApplication>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

qint64 nowMs()
{
    using namespace std::chrono;
    // +1 keeps 0 free to mean "no event in progress".
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count() + 1;
}

struct Watchdog
{
    // Written by the GUI thread on every event, read by the watchdog.
    std::atomic<qint64> eventStartMs{0};
    std::atomic<int> eventType{0};
    std::atomic<int> pendingEventType{0};
    std::atomic<bool> suspended{false};

    std::mutex mutex; // guards the fields below
    std::condition_variable wake;
    std::thread thread;
    bool stopRequested = false;
    int thresholdMs = 1000;

    ~Watchdog() { stop(); }

    void open(int threshold)
    {
        std::lock_guard<std::mutex> lock(mutex);
        thresholdMs = std::max(1, threshold);
        if (thread.joinable()) {
            wake.notify_all();
            return;
        }
        stopRequested = false;
        thread = std::thread([this] { run(); });
    }

    void stop()
    {
        std::thread finished;
        {
            std::lock_guard<std::mutex> lock(mutex);
            stopRequested = true;
            finished.swap(thread);
        }
        wake.notify_all();
        if (finished.joinable())
            finished.join();
    }

    bool running()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return thread.joinable();
    }

    void run()
    {
        qint64 reportedStart = 0; // start of the event reported as stuck
        std::unique_lock<std::mutex> lock(mutex);
        while (!stopRequested) {
            const int threshold = thresholdMs;
            // A few looks per threshold: a report comes at most a quarter late.
            const auto interval = std::chrono::milliseconds(std::clamp(threshold / 4, 5, 250));
            wake.wait_for(lock, interval, [this] { return stopRequested; });
            if (stopRequested)
                break;
            lock.unlock();
            const qint64 start = eventStartMs.load(std::memory_order_relaxed);
            const qint64 now = nowMs();
            if (reportedStart != 0 && start != reportedStart) {
                KV_LOG_INFO("GUI thread running again after %lld ms", static_cast<long long>(now - reportedStart));
                reportedStart = 0;
            }
            if (start != 0 && start != reportedStart && now - start > threshold
                && !suspended.load(std::memory_order_relaxed)) {
                KV_LOG_ERROR("GUI thread stuck for %d ms in event %d", int(now - start),
                             eventType.load(std::memory_order_relaxed));
                reportedStart = start;
            }
            lock.lock();
        }
    }
};

Watchdog &watchdog()
{
    static Watchdog instance;
    return instance;
}

} // namespace

KvAppStuckMonitoring::KvAppStuckMonitoring()
{
    // Created wherever first asked for; its slots belong on the GUI thread.
    if (QCoreApplication *app = QCoreApplication::instance())
        moveToThread(app->thread());
}

KvAppStuckMonitoring *KvAppStuckMonitoring::instance()
{
    return KvLazySingleton<KvAppStuckMonitoring>::instance();
}

void KvAppStuckMonitoring::openMonitoring(int thresholdMs)
{
    watchdog().open(thresholdMs);
    KV_LOG_INFO("GUI thread monitoring on, threshold %d ms", thresholdMs);
}

void KvAppStuckMonitoring::closeMonitoring()
{
    watchdog().stop();
}

bool KvAppStuckMonitoring::isMonitoring()
{
    return watchdog().running();
}

void KvAppStuckMonitoring::start()
{
    Watchdog &w = watchdog();
    w.eventType.store(w.pendingEventType.load(std::memory_order_relaxed), std::memory_order_relaxed);
    w.eventStartMs.store(nowMs(), std::memory_order_relaxed);
}

void KvAppStuckMonitoring::end()
{
    watchdog().eventStartMs.store(0, std::memory_order_relaxed);
}

void KvAppStuckMonitoring::setPendingEventType(int eventType)
{
    watchdog().pendingEventType.store(eventType, std::memory_order_relaxed);
}

void KvAppStuckMonitoring::slotContinueMonitoring()
{
    watchdog().suspended.store(false);
}

void KvAppStuckMonitoring::slotSuspendMonitoring()
{
    watchdog().suspended.store(true);
}
