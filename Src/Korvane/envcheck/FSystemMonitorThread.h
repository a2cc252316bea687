#pragma once

#include "SysMemory.h"

#include <QThread>

// Watches the machine's memory on a thread of its own: every minute it reads
// the figures, logs them and reports them with sigUpdateMem (the page manager
// switches to safe mode when memory is short).
//
// The thread counts its time in 50 ms steps into a counter shared by the
// process, and checks for an interruption request after each step, so
// requestInterruption() (or stop()) ends it within one step.
class FSystemMonitorThread : public QThread
{
    Q_OBJECT

public:
    static constexpr int kStepMs = 50;
    static constexpr int kReportPeriodMs = 60000;

    explicit FSystemMonitorThread(QObject *parent = nullptr);
    ~FSystemMonitorThread() override;

    // Requests the interruption and waits for the thread to end.
    void stop();

signals:
    void sigUpdateMem(SysMemory memory);

protected:
    // Tests wait for a report for less than a minute.
    FSystemMonitorThread(int reportPeriodMs, QObject *parent);

    void run() override;

private:
    const int m_reportPeriodMs;
};
