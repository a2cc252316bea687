#include "FSystemMonitorThread.h"

#include "IKvBaseLog.h"

#include "FUtility.h"

namespace {
constexpr unsigned long kPeriodMs = 60000;
} // namespace

FSystemMonitorThread::FSystemMonitorThread(QObject *parent)
    : QThread(parent)
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
    {
        QMutexLocker locker(&m_mutex);
        m_stopping = true;
        m_wake.wakeAll();
    }
    wait();
}

void FSystemMonitorThread::run()
{
    QMutexLocker locker(&m_mutex);
    while (!m_stopping) {
        m_wake.wait(&m_mutex, kPeriodMs);
        if (m_stopping)
            break;
        SysMemory memory;
        if (FUtility::getMemory(memory)) {
            KV_LOG_INFO("System Monitor: TotalMemory(%f), FreeMomory(%f), UsedRate(%f)", memory.total, memory.free,
                        memory.usedRate);
            emit sigUpdateMem(memory);
        }
    }
}
