#include "FSystemMonitorThread.h"

#include "IKvBaseLog.h"

#include "FUtility.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>

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

void FSystemMonitorThread::requestStop()
{
    requestInterruption();
    QMutexLocker locker(&m_mutex);
    m_stopRequested = true;
    m_wake.wakeAll();
}

void FSystemMonitorThread::stop()
{
    requestStop();
    wait();
}

void FSystemMonitorThread::run()
{
    {
        // A monitor started again after a stop runs anew.
        QMutexLocker locker(&m_mutex);
        m_stopRequested = false;
    }
    QElapsedTimer clock;
    clock.start();
    while (!isInterruptionRequested()) {
        const int remaining = m_reportPeriodMs - s_elapsedMs.load();
        {
            QMutexLocker locker(&m_mutex);
            if (!m_stopRequested && remaining > 0)
                m_wake.wait(&m_mutex, QDeadlineTimer(remaining, Qt::PreciseTimer));
            if (m_stopRequested)
                break;
        }
        s_elapsedMs += int(clock.restart());
        if (s_elapsedMs.load() < m_reportPeriodMs)
            continue;
        s_elapsedMs = 0;
        SysMemory reading;
        if (FUtility::getMemory(reading))
            s_memory = reading;
        KV_LOG_INFO("System Monitor: TotalMemory(%f), FreeMomory(%f), UsedRate(%f)", s_memory.total, s_memory.free,
                    s_memory.usedRate);
        emit sigUpdateMem(s_memory);
    }
    s_elapsedMs += int(clock.elapsed());
}
