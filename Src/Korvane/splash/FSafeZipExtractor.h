#pragma once

#include <QString>

class QuaZip;
struct QuaZipFileInfo64;

// Unpacks a downloaded archive without trusting it.
//
// Only entries below "<rootName>/" are written, each as a plain file with the
// default mode: an absolute name, a name with "..", and a symbolic link are
// refused and logged. Everything is unpacked into a fresh temporary directory
// beside the target and moved into place only when the whole archive came
// out intact, so a damaged or oversized archive leaves nothing half-written.
class FSafeZipExtractor
{
public:
    enum class Result {
        Ok,          // "<parentDir>/<rootName>" now holds the archive's files
        Empty,       // intact, but no file to write; nothing changed
        NotAZip,
        Damaged,     // a CRC error, a truncated or unreadable entry
        TooLarge,    // past one of the limits
        WriteFailed, // the disk, not the archive
    };

    // Bounds that stop a zip bomb; an entry's size is checked against its
    // header and again while it is read.
    struct Limits
    {
        int maxEntries = 2000;
        qint64 maxEntrySize = 16 * 1024 * 1024;
        qint64 maxTotalSize = 64 * 1024 * 1024;
    };

    static Result extract(const QString &zipFile, const QString &parentDir, const QString &rootName);
    static Result extract(const QString &zipFile, const QString &parentDir, const QString &rootName,
                          const Limits &limits);

    static const char *resultName(Result result);

private:
    FSafeZipExtractor(const QString &zipFile, const QString &rootName, const Limits &limits);
    Result unpackInto(const QString &dir);
    Result writeEntry(QuaZip &zip, const QuaZipFileInfo64 &info, const QString &target);

    QString m_zipFile;
    QString m_rootName;
    Limits m_limits;
    qint64 m_totalSize = 0;
    int m_filesWritten = 0;
};
