#pragma once

#include <CL/cl.h>

#include <QString>
#include <QVector>

// The OpenCL devices the check programs work on, numbered as the editor
// numbers its GPUs: platforms in loader order, devices in platform order,
// only GPU devices counted. Both Faldric.exe and Dunsker.exe enumerate
// through here, so a GPU index and a device id mean the same device to both.
//
// KORVANE_CHECK_ACCEPT_CPU_DEVICE=1 in the environment makes every device
// type count as a GPU. It exists for tests on machines without a GPU, where
// a CPU OpenCL driver stands in; an installation never sets it.
struct FOpenClDevice
{
    int index = -1;
    cl_platform_id platform = nullptr;
    cl_device_id device = nullptr;
    QString name;
    QString vendor;
    QString driverVersion;
    QString platformName;
    cl_uint vendorId = 0;
    // Stable over runs and machines with the same card: the vendor id and a
    // hash of the device name, as lowercase hex ("8086" + 8 digits).
    QString deviceId;
};

class FOpenClDevices
{
public:
    static constexpr const char *AcceptCpuVariable = "KORVANE_CHECK_ACCEPT_CPU_DEVICE";

    // Enumerates once; a machine without an OpenCL platform has no devices.
    FOpenClDevices();

    bool hasPlatform() const { return m_platformCount > 0; }
    const QVector<FOpenClDevice> &devices() const { return m_devices; }
    // nullptr when there is no GPU with that index.
    const FOpenClDevice *device(int index) const;

    static QString deviceIdFor(cl_uint vendorId, const QString &name);
    // Whether only CL_DEVICE_TYPE_GPU counts (the normal case).
    static bool gpuOnly();

private:
    cl_uint m_platformCount = 0;
    QVector<FOpenClDevice> m_devices;
};
