#pragma once

#include "FPerformanceSettings.h"

#include <QByteArray>
#include <QVector>

// The machine's OpenCL GPUs as the OpenCL check program lists them:
// "Faldric.exe --list" prints one line "index<TAB>name<TAB>deviceId" per
// GPU and nothing when there is none.
//
// Listing starts the OpenCL drivers, which takes a quarter of a second and
// more, and the list is read on the start-up's critical path. It only changes
// with the OpenCL installation or the graphics hardware, so the last list is
// kept in "/configs/openclDevices.json" with a fingerprint of both, and the
// program runs again when the fingerprint changes.
class FOpenClDeviceList
{
public:
    static constexpr int kTimeoutMs = 5000;
    // The list is a few lines; more than this is not a list.
    static constexpr int kMaxOutputBytes = 64 * 1024;
    static constexpr const char *kCacheFile = "/configs/openclDevices.json";

    // The list of `appDir`'s program: kept, or listed again when the
    // fingerprint changed. Empty when the program is missing, fails or hangs.
    static QVector<FPerformanceSettings::GpuDevice> query(const QString &appDir);
    // Runs the program, always.
    static QVector<FPerformanceSettings::GpuDevice> list(const QString &appDir, bool *listed = nullptr);
    // Devices in index order. Malformed lines are logged and skipped. The
    // device id is kept as printed (decimal, 0x-hexadecimal or bare hex
    // digits), since the pressure test keys its results by that text.
    static QVector<FPerformanceSettings::GpuDevice> parse(const QByteArray &output);
    // What the list depends on: the check program, the OpenCL drivers
    // registered with the loader, the graphics devices and the variables
    // that steer them.
    static QByteArray fingerprint(const QString &appDir);
    // Makes the performance settings list the GPUs of `appDir`'s program.
    static void installAsDeviceSource(const QString &appDir);
};
