#pragma once

#include <QtGlobal>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

// The state behind KvAppStuckMonitoring: the GUI thread's stack of events in
// progress and its busy stretches, and the watchdog thread that reports a
// stretch running past the threshold.
//
// The GUI thread touches the mutex only when a stretch begins or ends, not
// for every nested event. The watchdog waits on the condition variable:
// without a deadline while no stretch runs (woken by the stretch that
// begins), with the running stretch's deadline otherwise.
class KvStuckWatchdog
{
public:
    KvStuckWatchdog() = default;
    ~KvStuckWatchdog();

    KvStuckWatchdog(const KvStuckWatchdog &) = delete;
    KvStuckWatchdog &operator=(const KvStuckWatchdog &) = delete;

    void open(int thresholdMs);
    void stop();
    bool running();

    // GUI thread: an event begins or ends; the loop turns or waits.
    void eventStarted(int eventType);
    void eventEnded();
    void loopAwake();
    void loopAboutToBlock();

    void setSuspended(bool suspended) { m_suspended.store(suspended, std::memory_order_relaxed); }
    quint64 wakeups() const { return m_wakeups.load(std::memory_order_relaxed); }

private:
    void beginStretch();
    void endStretch();
    void run();

    // GUI thread only.
    std::vector<int> m_events; // types of the events in progress, outermost first
    bool m_stretchRunning = false;

    // Read by the watchdog for its report.
    std::atomic<int> m_depth{0};
    std::atomic<int> m_innermostType{0};
    std::atomic<int> m_outermostType{0};
    std::atomic<bool> m_suspended{false};
    std::atomic<quint64> m_wakeups{0};

    std::mutex m_mutex; // guards what follows
    std::condition_variable m_wake;
    std::thread m_thread;
    bool m_stopRequested = false;
    int m_thresholdMs = 1000;
    qint64 m_stretchStartMs = 0; // 0: no stretch running
    quint64 m_stretch = 0;       // counts stretches
    quint64 m_reportedStretch = 0;
    bool m_waitingForever = false;
};
