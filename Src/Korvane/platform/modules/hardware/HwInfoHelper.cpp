#include "HwInfoHelper.h"

#include "IKvBaseLog.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // Proc files report no size; a cap keeps a strange file from flooding us.
    return file.read(1024 * 1024);
}

QString field(const QByteArray &line)
{
    const int colon = line.indexOf(':');
    return colon < 0 ? QString() : QString::fromUtf8(line.mid(colon + 1)).trimmed();
}

} // namespace

void HwInfoHelper::parseCpuInfo(const QByteArray &cpuinfo, Info &info)
{
    int processors = 0;
    for (const QByteArray &line : cpuinfo.split('\n')) {
        if (line.startsWith("processor"))
            ++processors;
        else if (info.cpuModel.isEmpty() && (line.startsWith("model name") || line.startsWith("Model")))
            info.cpuModel = field(line);
    }
    info.cpuCores = processors;
}

qint64 HwInfoHelper::parseMemTotalMB(const QByteArray &meminfo)
{
    static const QRegularExpression pattern(QStringLiteral("^MemTotal:\\s+(\\d+)\\s*kB"),
                                            QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = pattern.match(QString::fromLatin1(meminfo));
    return match.hasMatch() ? match.captured(1).toLongLong() / 1024 : 0;
}

QStringList HwInfoHelper::readGpus(const QString &drmDir)
{
    QStringList gpus;
    QSet<QString> seen;
    // "card0", "card1" ...; connectors such as "card0-HDMI-A-1" share the device.
    const QStringList cards = QDir(drmDir).entryList({QStringLiteral("card*")}, QDir::Dirs | QDir::System);
    for (const QString &card : cards) {
        if (card.contains(QLatin1Char('-')))
            continue;
        const QString device = drmDir + QLatin1Char('/') + card + QStringLiteral("/device/");
        const QString vendor = QString::fromLatin1(readFile(device + QStringLiteral("vendor"))).trimmed();
        const QString id = QString::fromLatin1(readFile(device + QStringLiteral("device"))).trimmed();
        QString driver;
        for (const QByteArray &line : readFile(device + QStringLiteral("uevent")).split('\n')) {
            if (line.startsWith("DRIVER="))
                driver = QString::fromLatin1(line.mid(7)).trimmed();
        }
        if (vendor.isEmpty() && driver.isEmpty())
            continue;
        const QString entry = QStringLiteral("%1:%2 (%3)").arg(vendor, id, driver.isEmpty() ? QStringLiteral("?") : driver);
        if (!seen.contains(entry)) {
            seen.insert(entry);
            gpus << entry;
        }
    }
    return gpus;
}

void HwInfoHelper::runTask()
{
    Info info;
    parseCpuInfo(readFile(QStringLiteral("/proc/cpuinfo")), info);
    info.memoryMB = parseMemTotalMB(readFile(QStringLiteral("/proc/meminfo")));
    info.gpus = readGpus(QStringLiteral("/sys/class/drm"));
    KV_LOG_INFO("hardware: cpu \"%s\", %d cores, memory %lld MB, gpu %s",
                KV_CSTR(info.cpuModel.isEmpty() ? QStringLiteral("unknown") : info.cpuModel), info.cpuCores,
                static_cast<long long>(info.memoryMB),
                KV_CSTR(info.gpus.isEmpty() ? QStringLiteral("none found") : info.gpus.join(QStringLiteral(", "))));
    QMutexLocker locker(&m_mutex);
    m_info = info;
}

HwInfoHelper::Info HwInfoHelper::info() const
{
    QMutexLocker locker(&m_mutex);
    return m_info;
}
