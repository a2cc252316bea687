#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

// Project files of the size that used to stall the editor, written straight
// as JSON so that making one takes a fraction of the time reading it does.
namespace KvLargeProject {

// `count` media (relative paths) and as many clips, one after the other on
// track 0. `version` other than 1 makes a file of a newer editor.
inline QByteArray json(int count, int version = 1)
{
    QByteArray out;
    out.reserve(count * 90 + 256);
    out += R"({"format":"korvane-project","version":)" + QByteArray::number(version)
        + R"(,"name":"Large","type":0,"settings":{"width":1920,"height":1080,"frameRate":30},"media":[)";
    for (int i = 0; i < count; ++i) {
        if (i)
            out += ',';
        out += R"({"path":"media/clip)" + QByteArray::number(i) + R"(.mp4"})";
    }
    out += R"(],"clips":[)";
    for (int i = 0; i < count; ++i) {
        if (i)
            out += ',';
        out += R"({"media":)" + QByteArray::number(i) + R"(,"track":0,"start":)" + QByteArray::number(qint64(i) * 2000)
            + R"(,"in":0,"out":2000})";
    }
    out += R"(],"effects":[]})";
    return out;
}

inline bool write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace KvLargeProject
