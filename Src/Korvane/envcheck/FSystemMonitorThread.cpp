#include "FSystemMonitorThread.h"

#include "IKvBaseLog.h"

#include <QFile>

namespace {

constexpr unsigned long kPeriodMs = 60000;

// MemTotal and MemAvailable in MiB, from /proc/meminfo.
bool readMemory(double *totalMiB, double *availableMiB)
{
    QFile file(QStringLiteral("/proc/meminfo"));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    double total = -1, available = -1;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QList<QByteArray> parts = line.simplified().split(' ');
        if (parts.size() < 2)
            continue;
        if (parts[0] == "MemTotal:")
            total = parts[1].toDouble() / 1024.0;
        else if (parts[0] == "MemAvailable:")
            available = parts[1].toDouble() / 1024.0;
    }
    *totalMiB = total;
    *availableMiB = available;
    return total > 0 && available >= 0;
}

} // namespace

FSystemMonitorThread::FSystemMonitorThread(QObject *parent)
    : QThread(parent)
{
    setObjectName(QStringLiteral("FSystemMonitorThread"));
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
        double total = 0, available = 0;
        if (readMemory(&total, &available))
            KV_LOG_INFO("memory: %.0f MiB total, %.0f MiB available", total, available);
        m_wake.wait(&m_mutex, kPeriodMs);
    }
}
