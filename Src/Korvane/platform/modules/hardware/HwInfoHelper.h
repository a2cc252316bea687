#pragma once

#include <QMutex>
#include <QString>
#include <QStringList>

// Collects the machine's hardware facts for diagnostics: CPU model and
// cores, memory, graphics adapters. runTask() reads them from /proc and
// /sys (fast, no processes started) and logs one line; it is meant for a
// worker thread and may run on any.
class HwInfoHelper
{
public:
    struct Info
    {
        QString cpuModel;
        int cpuCores = 0;
        qint64 memoryMB = 0;
        QStringList gpus;
    };

    void runTask();
    Info info() const;

    // The parsers, on the files' contents; missing fields stay empty / 0.
    static void parseCpuInfo(const QByteArray &cpuinfo, Info &info);
    static qint64 parseMemTotalMB(const QByteArray &meminfo);
    // One "vendor:device (driver)" entry per adapter below `drmDir`.
    static QStringList readGpus(const QString &drmDir);

private:
    mutable QMutex m_mutex;
    Info m_info;
};
