#include "FOpenClDeviceList.h"

#include "FChildProcess.h"
#include "FLaunchTestRules.h"
#include "IKvBaseLog.h"

#include <QDir>

#include <algorithm>
#include <utility>

using GpuDevice = FPerformanceSettings::GpuDevice;

QVector<GpuDevice> FOpenClDeviceList::query(const QString &appDir)
{
    FChildProcess process(QDir::toNativeSeparators(appDir + QLatin1Char('/') + FLaunchTestRules::kOpenClCheck),
                          {QStringLiteral("--list")});
    process.setCaptureLimit(kMaxOutputBytes);
    const FChildProcess::Result result = process.run(kTimeoutMs);
    if (!result.finishedWith(0)) {
        KV_LOG_INFO("no OpenCL GPU list: %s %s, exit code %d", KV_CSTR(process.program()),
                    FChildProcess::outcomeName(result.outcome), result.exitCode);
        return {};
    }
    return parse(process.output());
}

QVector<GpuDevice> FOpenClDeviceList::parse(const QByteArray &output)
{
    QVector<std::pair<int, GpuDevice>> indexed;
    for (const QByteArray &rawLine : output.split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.isEmpty())
            continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        bool indexOk = false;
        bool idOk = false;
        const int index = fields.value(0).trimmed().toInt(&indexOk);
        const qulonglong id = fields.value(2).trimmed().toULongLong(&idOk, 0);
        const QString name = fields.value(1).trimmed();
        if (fields.size() != 3 || !indexOk || index < 0 || !idOk || name.isEmpty()) {
            KV_LOG_ERROR("OpenCL GPU list: \"%s\" is not index<TAB>name<TAB>deviceId, skipped", KV_CSTR(line));
            continue;
        }
        // Ids are compared as given; a wide one keeps its low 32 bits.
        indexed.append({index, {name, int(quint32(id))}});
    }
    std::stable_sort(indexed.begin(), indexed.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    QVector<GpuDevice> devices;
    for (int i = 0; i < indexed.size(); ++i) {
        // The settings address GPUs by position, the check program by its
        // index: they must be the same.
        if (indexed.at(i).first != i) {
            KV_LOG_ERROR("OpenCL GPU list: index %d where %d was expected; the list ends there",
                         indexed.at(i).first, i);
            break;
        }
        devices.append(indexed.at(i).second);
    }
    return devices;
}

void FOpenClDeviceList::installAsDeviceSource(const QString &appDir)
{
    FPerformanceSettings::SetGpuDeviceSource([appDir] { return query(appDir); });
}
