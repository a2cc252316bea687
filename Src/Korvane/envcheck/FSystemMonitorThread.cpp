#include "FSystemMonitorThread.h"

#include "IKvBaseLog.h"

#include "FUtility.h"

#include <atomic>

namespace {

// Shared by every monitor of the process: a monitor started again goes on
// counting where the last one stopped.
std::atomic<int> s_elapsedMs{0};
// The last figures read. A failed reading leaves them as they were, and they
// are reported again. Only the monitor thread touches it.
SysMemory s_memory;

} // namespace

FSystemMonitorThread::FSystemMonitorThread(QObject *parent)
    : FSystemMonitorThread(kReportPeriodMs, parent)
{
}

FSystemMonitorThread::FSystemMonitorThread(int reportPeriodMs, QObject *parent)
    : QThread(parent)
    , m_reportPeriodMs(qMax(kStepMs, reportPeriodMs))
{
    setObjectName(QStringLiteral("FSystemMonitorThread"));
    qRegisterMetaType<SysMemory>("SysMemory");
}

FSystemMonitorThread::~FSystemMonitorThread()
{
    stop();
}

void FSystemMonitorThread::stop()
{
    requestInterruption();
    wait();
}

void FSystemMonitorThread::run()
{
    while (!isInterruptionRequested()) {
        QThread::msleep(kStepMs);
        if (s_elapsedMs.fetch_add(kStepMs) + kStepMs < m_reportPeriodMs)
            continue;
        s_elapsedMs = 0;
        SysMemory reading;
        if (FUtility::getMemory(reading))
            s_memory = reading;
        KV_LOG_INFO("System Monitor: TotalMemory(%f), FreeMomory(%f), UsedRate(%f)", s_memory.total, s_memory.free,
                    s_memory.usedRate);
        emit sigUpdateMem(s_memory);
    }
}
