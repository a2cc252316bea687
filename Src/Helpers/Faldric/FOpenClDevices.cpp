#include "FOpenClDevices.h"

#include <QByteArray>
#include <vector>

namespace {

QString deviceText(cl_device_id device, cl_device_info what)
{
    size_t size = 0;
    if (clGetDeviceInfo(device, what, 0, nullptr, &size) != CL_SUCCESS || size == 0)
        return QString();
    QByteArray text(int(size), '\0');
    if (clGetDeviceInfo(device, what, size, text.data(), nullptr) != CL_SUCCESS)
        return QString();
    return QString::fromUtf8(text.constData()).trimmed();
}

QString platformText(cl_platform_id platform, cl_platform_info what)
{
    size_t size = 0;
    if (clGetPlatformInfo(platform, what, 0, nullptr, &size) != CL_SUCCESS || size == 0)
        return QString();
    QByteArray text(int(size), '\0');
    if (clGetPlatformInfo(platform, what, size, text.data(), nullptr) != CL_SUCCESS)
        return QString();
    return QString::fromUtf8(text.constData()).trimmed();
}

} // namespace

FOpenClDevices::FOpenClDevices()
{
    // The ICD loader answers CL_PLATFORM_NOT_FOUND_KHR when no driver is
    // installed: that is "no platform", not an error worth more than that.
    if (clGetPlatformIDs(0, nullptr, &m_platformCount) != CL_SUCCESS || m_platformCount == 0) {
        m_platformCount = 0;
        return;
    }
    std::vector<cl_platform_id> platforms(m_platformCount);
    if (clGetPlatformIDs(m_platformCount, platforms.data(), nullptr) != CL_SUCCESS) {
        m_platformCount = 0;
        return;
    }

    const cl_device_type type = gpuOnly() ? CL_DEVICE_TYPE_GPU : CL_DEVICE_TYPE_ALL;
    for (cl_platform_id platform : platforms) {
        cl_uint count = 0;
        if (clGetDeviceIDs(platform, type, 0, nullptr, &count) != CL_SUCCESS || count == 0)
            continue;
        std::vector<cl_device_id> ids(count);
        if (clGetDeviceIDs(platform, type, count, ids.data(), nullptr) != CL_SUCCESS)
            continue;
        const QString platformName = platformText(platform, CL_PLATFORM_NAME);
        for (cl_device_id id : ids) {
            FOpenClDevice device;
            device.index = m_devices.size();
            device.platform = platform;
            device.device = id;
            device.name = deviceText(id, CL_DEVICE_NAME);
            device.vendor = deviceText(id, CL_DEVICE_VENDOR);
            device.driverVersion = deviceText(id, CL_DRIVER_VERSION);
            device.platformName = platformName;
            clGetDeviceInfo(id, CL_DEVICE_VENDOR_ID, sizeof(device.vendorId), &device.vendorId, nullptr);
            device.deviceId = deviceIdFor(device.vendorId, device.name);
            m_devices.append(device);
        }
    }
}

const FOpenClDevice *FOpenClDevices::device(int index) const
{
    return index >= 0 && index < m_devices.size() ? &m_devices[index] : nullptr;
}

QString FOpenClDevices::deviceIdFor(cl_uint vendorId, const QString &name)
{
    // FNV-1a over the UTF-8 name: short, stable, and no library needed.
    quint32 hash = 2166136261u;
    for (const char c : name.toUtf8()) {
        hash ^= quint8(c);
        hash *= 16777619u;
    }
    return QStringLiteral("%1%2").arg(vendorId & 0xffffu, 4, 16, QLatin1Char('0'))
                                 .arg(hash, 8, 16, QLatin1Char('0'));
}

bool FOpenClDevices::gpuOnly()
{
    return qgetenv(AcceptCpuVariable) != "1";
}

#if defined(__SANITIZE_ADDRESS__)
// OpenCL drivers (and the compilers inside them) keep allocations until the
// process ends; the leak checker of sanitizer builds is told so here, beside
// the code that loads them, rather than in every caller's settings.
extern "C" __attribute__((visibility("default"), used)) const char *__lsan_default_suppressions()
{
    return "leak:libpocl\nleak:libLLVM\nleak:libOpenCL\nleak:libclang\n";
}
#endif
