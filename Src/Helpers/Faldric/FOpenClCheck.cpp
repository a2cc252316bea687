#include "FOpenClCheck.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <vector>

namespace {

constexpr size_t kProbeBytes = 1 << 20;

QString cacheKey(const FOpenClDevice &device)
{
    return device.name + QLatin1Char('-') + device.deviceId;
}

QJsonObject readCache(const QString &path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return QJsonObject();
    // A cache that does not parse is as good as none.
    return QJsonDocument::fromJson(file.read(4 << 20)).object();
}

} // namespace

FOpenClCheck::FOpenClCheck(const QString &resultDir)
{
    if (!resultDir.isEmpty())
        m_cachePath = QDir(resultDir).filePath(QLatin1String(CacheFileName));
}

bool FOpenClCheck::isUsable(const FOpenClDevice &device, bool recheck)
{
    m_error.clear();
    if (!recheck) {
        const QJsonObject entry = readCache(m_cachePath).value(cacheKey(device)).toObject();
        // A driver update may fix or break a device: check it again then.
        if (entry.value(QLatin1String("driver")).toString() == device.driverVersion
            && entry.value(QLatin1String("usable")).isBool())
            return entry.value(QLatin1String("usable")).toBool();
    }
    const bool usable = probe(device);
    remember(device, usable);
    return usable;
}

bool FOpenClCheck::probe(const FOpenClDevice &device)
{
    cl_int status = CL_SUCCESS;
    const cl_context_properties properties[] = {
        CL_CONTEXT_PLATFORM, cl_context_properties(device.platform), 0};
    cl_context context = clCreateContext(properties, 1, &device.device, nullptr, nullptr, &status);
    if (status != CL_SUCCESS || !context) {
        m_error = QStringLiteral("no context (OpenCL error %1)").arg(status);
        return false;
    }
    cl_command_queue queue = clCreateCommandQueue(context, device.device, 0, &status);
    cl_mem buffer = nullptr;
    bool same = false;
    if (status == CL_SUCCESS)
        buffer = clCreateBuffer(context, CL_MEM_READ_WRITE, kProbeBytes, nullptr, &status);
    if (status == CL_SUCCESS) {
        std::vector<unsigned char> written(kProbeBytes), read(kProbeBytes, 0);
        for (size_t i = 0; i < kProbeBytes; ++i)
            written[i] = static_cast<unsigned char>((i * 7919u) >> 3);
        status = clEnqueueWriteBuffer(queue, buffer, CL_TRUE, 0, kProbeBytes, written.data(), 0, nullptr, nullptr);
        if (status == CL_SUCCESS)
            status = clEnqueueReadBuffer(queue, buffer, CL_TRUE, 0, kProbeBytes, read.data(), 0, nullptr, nullptr);
        same = status == CL_SUCCESS && read == written;
    }
    if (status != CL_SUCCESS)
        m_error = QStringLiteral("buffer round trip failed (OpenCL error %1)").arg(status);
    else if (!same)
        m_error = QStringLiteral("buffer read back differs from what was written");

    if (buffer)
        clReleaseMemObject(buffer);
    if (queue)
        clReleaseCommandQueue(queue);
    clReleaseContext(context);
    return status == CL_SUCCESS && same;
}

void FOpenClCheck::remember(const FOpenClDevice &device, bool usable)
{
    if (m_cachePath.isEmpty() || !QDir().mkpath(QFileInfo(m_cachePath).absolutePath()))
        return;
    QJsonObject cache = readCache(m_cachePath);
    cache.insert(cacheKey(device), QJsonObject{
        {QStringLiteral("driver"), device.driverVersion},
        {QStringLiteral("usable"), usable},
        {QStringLiteral("checkedAt"), QDateTime::currentDateTimeUtc().toString(Qt::ISODate)}});
    QSaveFile file(m_cachePath);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(QJsonDocument(cache).toJson());
        file.commit();
    }
}
