#pragma once

#include <QJsonObject>
#include <QString>

// The pressure-test result cache the editor reads: one JSON object whose
// keys name GPUs ("<device name>-<device id>-opencl"). Writing one entry
// keeps every other key; a file that is not a JSON object is replaced. The
// new file is written beside the old one and renamed over it, so a reader
// sees the old file or the new one, never half of one.
class FPressureResultFile
{
public:
    static QString keyFor(const QString &deviceName, const QString &deviceId);
    static bool writeEntry(const QString &path, const QString &key, const QJsonObject &entry, QString &error);

    // An existing file larger than this is not read, only replaced.
    static constexpr qint64 MaxBytes = 16 << 20;
};
