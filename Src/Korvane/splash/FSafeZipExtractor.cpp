#include "FSafeZipExtractor.h"

#include "IKvBaseLog.h"
#include "KvDir.h"

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipfileinfo.h>

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

constexpr qint64 kChunkSize = 64 * 1024;

// The archive-relative path an entry may be written to, or empty with the
// reason in `why`.
QString safeEntryPath(const QString &entryName, const QString &rootName, QString *why)
{
    // Archives made on Windows may use either separator.
    QString name = entryName;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (name.isEmpty()) {
        *why = QStringLiteral("empty name");
        return QString();
    }
    if (name.startsWith(QLatin1Char('/')) || (name.size() >= 2 && name.at(1) == QLatin1Char(':'))) {
        *why = QStringLiteral("absolute name");
        return QString();
    }
    if (name.split(QLatin1Char('/')).contains(QStringLiteral(".."))) {
        *why = QStringLiteral("name contains \"..\"");
        return QString();
    }
    const QString clean = QDir::cleanPath(name);
    if (clean != rootName && !clean.startsWith(rootName + QLatin1Char('/'))) {
        *why = QStringLiteral("outside \"%1\"").arg(rootName);
        return QString();
    }
    return clean;
}

bool isSymbolicLink(const QuaZipFileInfo64 &info)
{
    // Unix archivers keep st_mode in the high half of the external attributes.
    return ((info.externalAttr >> 16) & S_IFMT) == S_IFLNK;
}

} // namespace

FSafeZipExtractor::FSafeZipExtractor(const QString &zipFile, const QString &rootName, const Limits &limits)
    : m_zipFile(zipFile)
    , m_rootName(rootName)
    , m_limits(limits)
{
}

FSafeZipExtractor::Result FSafeZipExtractor::unpackInto(const QString &into)
{
    QuaZip zip(m_zipFile);
    if (!zip.open(QuaZip::mdUnzip)) {
        KV_LOG_ERROR("%s is not a readable zip archive (error %d)", KV_CSTR(m_zipFile), zip.getZipError());
        return Result::NotAZip;
    }
    const int entries = zip.getEntriesCount();
    if (entries > m_limits.maxEntries) {
        KV_LOG_ERROR("%s refused: %d entries, at most %d are accepted", KV_CSTR(m_zipFile), entries,
                     m_limits.maxEntries);
        return Result::TooLarge;
    }

    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        QuaZipFileInfo64 info;
        if (!zip.getCurrentFileInfo(&info)) {
            KV_LOG_ERROR("%s: unreadable entry header (error %d)", KV_CSTR(m_zipFile), zip.getZipError());
            return Result::Damaged;
        }
        QString why;
        const QString path = safeEntryPath(info.name, m_rootName, &why);
        if (path.isEmpty()) {
            KV_LOG_ERROR("%s: entry \"%s\" refused: %s", KV_CSTR(m_zipFile), KV_CSTR(info.name), KV_CSTR(why));
            continue;
        }
        if (isSymbolicLink(info)) {
            KV_LOG_ERROR("%s: entry \"%s\" refused: symbolic link", KV_CSTR(m_zipFile), KV_CSTR(info.name));
            continue;
        }
        const QString target = QDir(into).filePath(path);
        const bool isFolder = info.name.endsWith(QLatin1Char('/')) || info.name.endsWith(QLatin1Char('\\'));
        if (!isFolder && path == m_rootName) {
            KV_LOG_ERROR("%s: entry \"%s\" refused: a file in place of the folder", KV_CSTR(m_zipFile),
                         KV_CSTR(info.name));
            continue;
        }
        if (isFolder) {
            if (!QDir().mkpath(target)) {
                KV_LOG_ERROR("cannot create folder %s", KV_CSTR(target));
                return Result::WriteFailed;
            }
            continue;
        }
        const Result written = writeEntry(zip, info, target);
        if (written != Result::Ok)
            return written;
    }
    if (zip.getZipError() != UNZ_OK) {
        KV_LOG_ERROR("%s: cannot walk the entries (error %d)", KV_CSTR(m_zipFile), zip.getZipError());
        return Result::Damaged;
    }
    return m_filesWritten > 0 ? Result::Ok : Result::Empty;
}

FSafeZipExtractor::Result FSafeZipExtractor::writeEntry(QuaZip &zip, const QuaZipFileInfo64 &info,
                                                        const QString &target)
{
    const qint64 declared = qint64(info.uncompressedSize);
    if (declared > m_limits.maxEntrySize || m_totalSize + declared > m_limits.maxTotalSize) {
        KV_LOG_ERROR("%s: entry \"%s\" refused: %lld bytes unpacked would pass the limit of %lld bytes per entry, "
                     "%lld in all", KV_CSTR(m_zipFile), KV_CSTR(info.name), declared, m_limits.maxEntrySize,
                     m_limits.maxTotalSize);
        return Result::TooLarge;
    }
    if (!QDir().mkpath(QFileInfo(target).absolutePath())) {
        KV_LOG_ERROR("cannot create folder for %s", KV_CSTR(target));
        return Result::WriteFailed;
    }

    QuaZipFile entry(&zip);
    if (!entry.open(QIODevice::ReadOnly)) {
        KV_LOG_ERROR("%s: cannot open entry \"%s\" (error %d)", KV_CSTR(m_zipFile), KV_CSTR(info.name),
                     entry.getZipError());
        return Result::Damaged;
    }
    // The mode comes from the umask, never from the archive.
    QFile out(target);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        KV_LOG_ERROR("cannot write %s: %s", KV_CSTR(target), KV_CSTR(out.errorString()));
        return Result::WriteFailed;
    }
    qint64 entrySize = 0;
    for (;;) {
        const QByteArray chunk = entry.read(kChunkSize);
        if (chunk.isEmpty()) {
            if (entry.getZipError() != UNZ_OK) {
                KV_LOG_ERROR("%s: entry \"%s\" is damaged (error %d)", KV_CSTR(m_zipFile), KV_CSTR(info.name),
                             entry.getZipError());
                return Result::Damaged;
            }
            break;
        }
        // The header may lie about the size: count what really comes out.
        entrySize += chunk.size();
        m_totalSize += chunk.size();
        if (entrySize > m_limits.maxEntrySize || m_totalSize > m_limits.maxTotalSize) {
            KV_LOG_ERROR("%s: entry \"%s\" refused: unpacks to more than its header says, past the limit",
                         KV_CSTR(m_zipFile), KV_CSTR(info.name));
            return Result::TooLarge;
        }
        if (out.write(chunk) != chunk.size()) {
            KV_LOG_ERROR("cannot write %s: %s", KV_CSTR(target), KV_CSTR(out.errorString()));
            return Result::WriteFailed;
        }
    }
    // Closing checks the CRC.
    entry.close();
    if (entry.getZipError() != UNZ_OK) {
        KV_LOG_ERROR("%s: entry \"%s\" is damaged (error %d)", KV_CSTR(m_zipFile), KV_CSTR(info.name),
                     entry.getZipError());
        return Result::Damaged;
    }
    if (!out.flush()) {
        KV_LOG_ERROR("cannot write %s: %s", KV_CSTR(target), KV_CSTR(out.errorString()));
        return Result::WriteFailed;
    }
    ++m_filesWritten;
    return Result::Ok;
}

FSafeZipExtractor::Result FSafeZipExtractor::extract(const QString &zipFile, const QString &parentDir,
                                                     const QString &rootName)
{
    return extract(zipFile, parentDir, rootName, Limits());
}

FSafeZipExtractor::Result FSafeZipExtractor::extract(const QString &zipFile, const QString &parentDir,
                                                     const QString &rootName, const Limits &limits)
{
    if (!QDir().mkpath(parentDir)) {
        KV_LOG_ERROR("cannot create %s", KV_CSTR(parentDir));
        return Result::WriteFailed;
    }
    // Left behind by a run that ended half-way.
    const QString scratchPattern = rootName + QStringLiteral(".unpack-");
    const QDir parent(parentDir);
    // Anything of that name goes, a planted link included: removeTree drops
    // the link itself and never what it points to.
    const QDir::Filters anyEntry = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    for (const QString &stale : parent.entryList({scratchPattern + QLatin1Char('*')}, anyEntry))
        KvDir::removeTree(parent.filePath(stale));
    // Beside the target, so that the final move is a rename on one file system.
    QTemporaryDir scratch(QDir(parentDir).filePath(scratchPattern + QStringLiteral("XXXXXX")));
    if (!scratch.isValid()) {
        KV_LOG_ERROR("cannot create a temporary folder in %s: %s", KV_CSTR(parentDir), KV_CSTR(scratch.errorString()));
        return Result::WriteFailed;
    }
    // The old tip folder moves in here below and may itself be a link.
    scratch.setAutoRemove(false);
    const auto dropScratch = qScopeGuard([&scratch] { KvDir::removeTree(scratch.path()); });

    FSafeZipExtractor extraction(zipFile, rootName, limits);
    const Result result = extraction.unpackInto(scratch.path());
    if (result != Result::Ok)
        return result;
    const QString unpacked = QDir(scratch.path()).filePath(rootName);

    // The previous content moves into the scratch folder and goes with it; it
    // comes back if the new one cannot take its place.
    const QString target = QDir(parentDir).filePath(rootName);
    const QString previous = QDir(scratch.path()).filePath(QStringLiteral("previous"));
    const bool hadPrevious = QFileInfo::exists(target) || QFileInfo(target).isSymLink();
    if (hadPrevious && !QDir().rename(target, previous)) {
        KV_LOG_ERROR("cannot move the old %s aside", KV_CSTR(target));
        return Result::WriteFailed;
    }
    if (!QDir().rename(unpacked, target)) {
        KV_LOG_ERROR("cannot move the unpacked files to %s", KV_CSTR(target));
        if (hadPrevious)
            QDir().rename(previous, target);
        return Result::WriteFailed;
    }
    KV_LOG_INFO("%s unpacked into %s: %d files", KV_CSTR(zipFile), KV_CSTR(target), extraction.m_filesWritten);
    return Result::Ok;
}

const char *FSafeZipExtractor::resultName(Result result)
{
    switch (result) {
    case Result::Ok: return "ok";
    case Result::Empty: return "no file";
    case Result::NotAZip: return "not a zip archive";
    case Result::Damaged: return "damaged";
    case Result::TooLarge: return "too large";
    case Result::WriteFailed: return "cannot write";
    }
    return "unknown";
}
