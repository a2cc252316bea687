#pragma once

#include "SysMemory.h"

#include <QMutex>
#include <QThread>
#include <QWaitCondition>

// Watches the machine's memory on a thread of its own: every minute it reads
// the figures, logs them and reports them with sigUpdateMem (the page manager
// switches to safe mode when memory is short).
//
// The thread counts its time into a counter shared by the process, so a
// monitor started again goes on where the last one stopped. Between reports
// it sleeps on a wait condition rather than waking every step: an idle
// editor does not poll. requestStop() (and stop()) wake it at once;
// a bare requestInterruption() is seen at the next report at the latest.
class FSystemMonitorThread : public QThread
{
    Q_OBJECT

public:
    static constexpr int kStepMs = 50;
    static constexpr int kReportPeriodMs = 60000;

    explicit FSystemMonitorThread(QObject *parent = nullptr);
    ~FSystemMonitorThread() override;

    // Requests the interruption and wakes the thread; it ends well within
    // one step of 50 ms.
    void requestStop();
    // requestStop(), then waits for the thread to end.
    void stop();

signals:
    void sigUpdateMem(SysMemory memory);

protected:
    // Tests wait for a report for less than a minute.
    FSystemMonitorThread(int reportPeriodMs, QObject *parent);

    void run() override;

private:
    const int m_reportPeriodMs;
    QMutex m_mutex;
    QWaitCondition m_wake;
    bool m_stopRequested = false;
};
