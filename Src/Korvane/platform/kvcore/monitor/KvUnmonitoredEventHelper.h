#pragma once

#include <QObject>

template <class T>
class KvLazySingleton;

// Decides, from the events the application dispatches on the GUI thread,
// when hang monitoring pauses.
//
// Code about to run something that may hold the GUI thread on purpose (a
// nested event loop waiting for another process, a blocking wait at
// shutdown) calls suspendMonitoring() before and continueMonitoring() after.
// Both send an event of their own type through the application object, so
// the application's notify hands the type to updateMonitoringState like any
// other; it emits sigSuspendMonitoring when the first suspension begins and
// sigContinueMonitoring when the last one ends (suspensions nest).
class KvUnmonitoredEventHelper : public QObject
{
    Q_OBJECT

public:
    static KvUnmonitoredEventHelper *instance();

    static int suspendEventType();
    static int continueEventType();
    static void suspendMonitoring();
    static void continueMonitoring();

    // Called by the application for every event it dispatches on the GUI
    // thread, before KvAppStuckMonitoring::start().
    void updateMonitoringState(int eventType);
    bool isSuspended() const { return m_suspensions > 0; }

signals:
    void sigContinueMonitoring();
    void sigSuspendMonitoring();

private:
    KvUnmonitoredEventHelper();
    template <class T>
    friend class KvLazySingleton;

    int m_suspensions = 0;
};
