#pragma once

#include <QObject>

template <class T>
class KvLazySingleton;

// Watches the GUI thread for events that take too long.
//
// The application brackets every event it dispatches on the GUI thread with
// start() and end(); each is one atomic store, cheap enough for every event.
// A watchdog thread (openMonitoring .. closeMonitoring) looks at the event in
// progress a few times per threshold and logs one error line when it has run
// longer than the threshold, and one information line when the GUI thread
// gets going again.
//
// Only the innermost event is timed: when an event runs a nested event loop,
// each event of that loop is timed on its own, and the time the outer event
// spends after the nested loop returns is not counted (the loop may have sat
// idle, e.g. behind a modal dialog, for as long as the user liked). While
// suspended (slotSuspendMonitoring .. slotContinueMonitoring) nothing is
// reported.
class KvAppStuckMonitoring : public QObject
{
    Q_OBJECT

public:
    // The receiver of KvUnmonitoredEventHelper's signals.
    static KvAppStuckMonitoring *instance();

    // Starts the watchdog, or changes its threshold when it runs.
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

public slots:
    void slotContinueMonitoring();
    void slotSuspendMonitoring();

private:
    KvAppStuckMonitoring();
    template <class T>
    friend class KvLazySingleton;
};
