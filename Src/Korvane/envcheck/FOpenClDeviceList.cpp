#include "FOpenClDeviceList.h"

#include "FChildProcess.h"
#include "FLaunchTestRules.h"
#include "IKvBaseLog.h"
#include "KvPaths.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <algorithm>
#include <utility>

using GpuDevice = FPerformanceSettings::GpuDevice;

namespace {

constexpr qint64 kMaxCacheBytes = 64 * 1024;

// The loader's variables, the check program's own, and where the drivers are.
const char *const kSteeringVariables[] = {"OCL_ICD_VENDORS", "OCL_ICD_FILENAMES", "OCL_ICD_PLATFORM_SORT",
                                          "KORVANE_CHECK_ACCEPT_CPU_DEVICE", "LD_LIBRARY_PATH"};
const char *const kLibraryDirs[] = {"/usr/lib/x86_64-linux-gnu", "/usr/lib64", "/usr/lib", "/usr/local/lib"};

// A file's identity: where it is (unless only its contents matter), its size
// and modification time.
void addFile(QCryptographicHash &hash, const QFileInfo &info, bool withPath = true)
{
    if (withPath)
        hash.addData(info.absoluteFilePath().toUtf8());
    hash.addData(QByteArray::number(info.exists() ? info.size() : -1));
    hash.addData(QByteArray::number(info.exists() ? info.lastModified().toMSecsSinceEpoch() : -1));
}

QByteArray readSmall(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(4096) : QByteArray();
}

void addDrivers(QCryptographicHash &hash)
{
    const QString vendorsVariable = qEnvironmentVariable("OCL_ICD_VENDORS");
    const QString vendorsDir = QFileInfo(vendorsVariable).isDir() ? vendorsVariable : QStringLiteral("/etc/OpenCL/vendors");
    const QDir vendors(vendorsDir);
    for (const QFileInfo &icd : vendors.entryInfoList({QStringLiteral("*.icd")}, QDir::Files, QDir::Name)) {
        addFile(hash, icd);
        const QString library = QString::fromUtf8(readSmall(icd.absoluteFilePath())).trimmed();
        hash.addData(library.toUtf8());
        if (QDir::isAbsolutePath(library)) {
            addFile(hash, QFileInfo(library));
            continue;
        }
        for (const char *dir : kLibraryDirs)
            addFile(hash, QFileInfo(QString::fromLatin1(dir) + QLatin1Char('/') + library));
    }
}

void addGraphicsDevices(QCryptographicHash &hash)
{
    const QDir drm(QStringLiteral("/sys/class/drm"));
    for (const QString &card : drm.entryList({QStringLiteral("card*")}, QDir::Dirs | QDir::System | QDir::NoDotAndDotDot,
                                             QDir::Name)) {
        const QString device = drm.filePath(card) + QStringLiteral("/device/");
        hash.addData(card.toUtf8());
        hash.addData(readSmall(device + QStringLiteral("vendor")));
        hash.addData(readSmall(device + QStringLiteral("device")));
    }
}

// False when there is no list kept for this fingerprint.
bool readCache(const QString &path, const QByteArray &fingerprint, QVector<GpuDevice> *devices)
{
    QFile file(path);
    if (QFileInfo(path).size() > kMaxCacheBytes || !file.open(QIODevice::ReadOnly))
        return false;
    const QJsonObject cache = QJsonDocument::fromJson(file.read(kMaxCacheBytes)).object();
    if (cache.value(QStringLiteral("fingerprint")).toString().toLatin1() != fingerprint)
        return false;
    QByteArray lines;
    for (const QJsonValue &line : cache.value(QStringLiteral("list")).toArray())
        lines += line.toString().toUtf8() + '\n';
    *devices = FOpenClDeviceList::parse(lines);
    return true;
}

void writeCache(const QString &path, const QByteArray &fingerprint, const QVector<GpuDevice> &devices)
{
    QJsonArray list;
    for (int index = 0; index < devices.size(); ++index) {
        const GpuDevice &device = devices.at(index);
        list.append(QStringLiteral("%1\t%2\t%3").arg(index).arg(device.name, device.idText()));
    }
    const QJsonObject cache{{QStringLiteral("fingerprint"), QString::fromLatin1(fingerprint)},
                            {QStringLiteral("list"), list}};
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(cache).toJson()) < 0 || !file.commit())
        KV_LOG_INFO("OpenCL GPU list not kept in %s: %s", KV_CSTR(path), KV_CSTR(file.errorString()));
}

} // namespace

QByteArray FOpenClDeviceList::fingerprint(const QString &appDir)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    // The same check program answers the same wherever the installation was
    // moved or copied to.
    addFile(hash, QFileInfo(appDir + QLatin1Char('/') + FLaunchTestRules::kOpenClCheck), false);
    for (const char *variable : kSteeringVariables) {
        hash.addData(variable);
        hash.addData(qgetenv(variable));
    }
    addDrivers(hash);
    addGraphicsDevices(hash);
    return hash.result().toHex();
}

QVector<GpuDevice> FOpenClDeviceList::query(const QString &appDir)
{
    const QString cachePath = KvPaths::installStateDir(appDir) + QLatin1String(kCacheFile);
    const QByteArray print = fingerprint(appDir);
    QVector<GpuDevice> devices;
    if (readCache(cachePath, print, &devices)) {
        KV_LOG_INFO("OpenCL GPU list unchanged since it was last listed (%d GPU(s))", devices.size());
        return devices;
    }
    bool listed = false;
    devices = list(appDir, &listed);
    if (listed)
        writeCache(cachePath, print, devices);
    return devices;
}

QVector<GpuDevice> FOpenClDeviceList::list(const QString &appDir, bool *listed)
{
    FChildProcess process(QDir::toNativeSeparators(appDir + QLatin1Char('/') + FLaunchTestRules::kOpenClCheck),
                          {QStringLiteral("--list")});
    process.setCaptureLimit(kMaxOutputBytes);
    const FChildProcess::Result result = process.run(kTimeoutMs);
    if (listed)
        *listed = result.finishedWith(0);
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
        const QString idText = fields.value(2).trimmed();
        // Decimal, 0x-hexadecimal, or bare hexadecimal digits.
        qulonglong id = idText.toULongLong(&idOk, 0);
        if (!idOk)
            id = idText.toULongLong(&idOk, 16);
        const QString name = fields.value(1).trimmed();
        if (fields.size() != 3 || !indexOk || index < 0 || !idOk || name.isEmpty()) {
            KV_LOG_ERROR("OpenCL GPU list: \"%s\" is not index<TAB>name<TAB>deviceId, skipped", KV_CSTR(line));
            continue;
        }
        // The number (its low 32 bits) is for reports; results are keyed by
        // the text, as the pressure test writes it.
        GpuDevice device{name, int(quint32(id)), QString()};
        if (idText != QString::number(device.deviceId))
            device.deviceIdText = idText;
        indexed.append({index, device});
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
