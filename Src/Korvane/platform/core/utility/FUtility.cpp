#include "FUtility.h"

#include <QFile>

bool FUtility::getMemory(SysMemory &memory)
{
    memory = SysMemory();
    QFile file(QStringLiteral("/proc/meminfo"));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    double totalKiB = -1, availableKiB = -1;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QList<QByteArray> parts = line.simplified().split(' ');
        if (parts.size() < 2)
            continue;
        if (parts[0] == "MemTotal:")
            totalKiB = parts[1].toDouble();
        else if (parts[0] == "MemAvailable:")
            availableKiB = parts[1].toDouble();
    }
    if (totalKiB <= 0 || availableKiB < 0)
        return false;
    memory.total = totalKiB / 1024.0;
    memory.free = availableKiB / 1024.0;
    memory.used = memory.total - memory.free;
    memory.usedRate = 100.0 * memory.used / memory.total;
    return true;
}
