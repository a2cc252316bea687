#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Zip archives of files on disk, written in blocks so that files of any
// size cost little memory.
class KvQuaZip
{
public:
    // Writes `archive` (replaced when it exists) with each of `files` under
    // its file name. `level`: 0 the default compression, 1..9 as zlib's.
    // A file that cannot be read is left out with a log line; false when the
    // archive cannot be written or no file went into it (nothing is left
    // behind then).
    // The archive is written front to back, never sought back into, so
    // `md5` (when given) receives the digest of the whole archive as
    // written, with no second read of it.
    static bool compressFiles(const QString &archive, const QStringList &files, int level,
                              QByteArray *md5 = nullptr);
};
