#pragma once

#include <QObject>

#include <memory>

template <class T>
class KvLazySingleton;
class KvStuckWatchdog;

// Watches the GUI thread for stretches of work that take too long.
//
// The application brackets every event it dispatches on the GUI thread with
// start() and end(); they keep a stack of the events in progress (nested
// sends and nested event loops push onto it). What is timed is a busy
// stretch: it begins when the GUI thread starts handling an event while none
// is in progress, or when a nested event loop turns, and ends when the
// outermost event returns or a nested loop waits for more events. So an
// outer event that keeps working after a nested event has returned is still
// timed, while one that idles in a nested loop (a modal dialog, a wait for
// another process) is not.
//
// A watchdog thread (openMonitoring .. closeMonitoring) sleeps until the
// running stretch would pass the threshold and logs one error line for each
// stretch that does, and the GUI thread logs one information line when that
// stretch ends. It never polls: with no event in progress it waits without a
// deadline and is woken by the next start(). While suspended
// (slotSuspendMonitoring .. slotContinueMonitoring) nothing is reported.
class KvAppStuckMonitoring : public QObject
{
    Q_OBJECT

public:
    // The receiver of KvUnmonitoredEventHelper's signals.
    static KvAppStuckMonitoring *instance();

    // Starts the watchdog, or changes its threshold when it runs. GUI
    // thread (it follows that thread's event loop).
    static void openMonitoring(int thresholdMs);
    // Stops and joins the watchdog; safe to call when it does not run.
    static void closeMonitoring();
    static bool isMonitoring();

    // GUI thread only.
    static void start();
    static void end();
    // The event type reported with the next start(); set by
    // KvUnmonitoredEventHelper::updateMonitoringState.
    static void setPendingEventType(int eventType);

    // How often the watchdog thread has woken since it started (tests).
    static quint64 watchdogWakeups();

public slots:
    void slotContinueMonitoring();
    void slotSuspendMonitoring();

private:
    KvAppStuckMonitoring();
    ~KvAppStuckMonitoring() override;
    template <class T>
    friend class KvLazySingleton;

    void followEventLoop();

    std::unique_ptr<KvStuckWatchdog> m_watchdog;
    bool m_followingLoop = false;
};
