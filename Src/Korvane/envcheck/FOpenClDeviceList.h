#pragma once

#include "FPerformanceSettings.h"

#include <QByteArray>
#include <QVector>

// The machine's OpenCL GPUs as the OpenCL check program lists them:
// "Faldric.exe --list" prints one line "index<TAB>name<TAB>deviceId" per
// GPU and nothing when there is none.
class FOpenClDeviceList
{
public:
    static constexpr int kTimeoutMs = 5000;
    // The list is a few lines; more than this is not a list.
    static constexpr int kMaxOutputBytes = 64 * 1024;

    // Runs the program of `appDir`; empty when it is missing, fails or hangs.
    static QVector<FPerformanceSettings::GpuDevice> query(const QString &appDir);
    // Devices in index order. Malformed lines are logged and skipped; the
    // device id is decimal or 0x-hexadecimal.
    static QVector<FPerformanceSettings::GpuDevice> parse(const QByteArray &output);
    // Makes the performance settings list the GPUs of `appDir`'s program.
    static void installAsDeviceSource(const QString &appDir);
};
