#pragma once

#include "KvProjectData.h"

#include <QByteArray>
#include <QString>

// The project file: one JSON object, written atomically.
//
//   { "format": "korvane-project", "version": 1, "name": "...", "type": 0,
//     "settings": { "width": 1920, "height": 1080, "frameRate": 30 },
//     "media": [ { "path": "/abs/or/relative/to/the/file.mp4" } ],
//     "clips": [ { "media": 0, "track": 0, "start": 0, "in": 0, "out": 5000,
//                 "volume": 100 } ],
//     "effects": [ "plug-in effect name" ], "savedAt": "2024-01-01T00:00:00Z" }
//
// Times are milliseconds; a clip's "volume" (percent) may be missing, 100 then; "type" is KvProjectType. A file of a newer version
// is refused rather than half read.
class KvProjectFile
{
public:
    enum class ReadResult {
        Ok,
        Missing,
        NotAFile,
        Unreadable,
        TooLarge,
        NotJson,
        WrongShape,
        NewerVersion,
    };

    static constexpr int kFormatVersion = 1;
    static constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;
    static QString formatTag();

    // Fills `data` only on Ok; logs the reason at error level otherwise.
    // Relative media paths are resolved against the file's folder.
    static ReadResult read(const QString &path, KvProjectData *data, QString *error = nullptr);
    // Same checks on bytes already in memory; `baseDir` resolves relative media.
    static ReadResult parse(const QByteArray &json, const QString &baseDir, KvProjectData *data, QString *error);

    static QByteArray serialize(const KvProjectData &data);
    // Atomic: either the whole new file is in place or the old one is untouched.
    static bool write(const QString &path, const KvProjectData &data, QString *error = nullptr);

    static const char *resultName(ReadResult result);
};
