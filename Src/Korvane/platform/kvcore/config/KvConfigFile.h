#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

// The JSON file behind KvConfig:
//
//   {
//     "format": 1,
//     "user":    { "<group>": { "<key>": <value>, ... }, ... },
//     "machine": { "<group>": { "<key>": <value>, ... }, ... }
//   }
//
// Values are JSON scalars, arrays or objects; dates are ISO 8601 strings,
// sizes [width, height]. Anything else, or a file that does not parse, is
// corrupt: the caller runs on defaults and keeps the bytes aside.
class KvConfigFile
{
public:
    static constexpr int Format = 1;

    enum class Status { Missing, Ok, Corrupt, Unreadable };

    struct Content
    {
        Status status = Status::Missing;
        QJsonObject root;   // Ok: the parsed file; otherwise an empty store
        QByteArray bytes;   // Corrupt: what the file held
        QString error;      // Corrupt, Unreadable: why
    };

    static Content read(const QString &path);

    // Atomic, with one sync: a temporary file is written, synced and renamed
    // over `path`, so a reader or a crash sees the old file or the new one,
    // never a mix. The file is private to the user (0600).
    static bool write(const QString &path, const QJsonObject &root, QString *error);

    // Writes `bytes` to "<path>.corrupt-<UTC time>" (keeping the newest three
    // such copies) and returns that path;
    // empty (and `error` set) when it could not.
    static QString keepCorruptCopy(const QString &path, const QByteArray &bytes, QString *error);

    static QJsonObject emptyRoot();

private:
    static bool hasValidShape(const QJsonObject &root, QString *error);
};
