#include "FPressureResultFile.h"

#include <QFile>
#include <QJsonDocument>
#include <QSaveFile>

QString FPressureResultFile::keyFor(const QString &deviceName, const QString &deviceId)
{
    return QStringLiteral("%1-%2-opencl").arg(deviceName, deviceId);
}

bool FPressureResultFile::writeEntry(const QString &path, const QString &key, const QJsonObject &entry, QString &error)
{
    QJsonObject all;
    QFile existing(path);
    if (existing.size() <= MaxBytes && existing.open(QIODevice::ReadOnly))
        all = QJsonDocument::fromJson(existing.readAll()).object();
    existing.close();
    all.insert(key, entry);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    file.write(QJsonDocument(all).toJson());
    if (!file.commit()) {
        error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}
