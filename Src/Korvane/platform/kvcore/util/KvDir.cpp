#include "KvDir.h"

#include "IKvBaseLog.h"

#include <QDir>
#include <QFile>
#include <QDateTime>
#include <QFileInfo>

#include <algorithm>

bool KvDir::checkDir(const QString &path, bool create)
{
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).isDir())
        return true;
    return create && QDir().mkpath(path);
}

bool KvDir::copyDirectoryFiles(const QString &source, const QString &target, bool overwrite)
{
    const QDir from(source);
    if (!from.exists()) {
        KV_LOG_ERROR("no folder to copy: %s", KV_CSTR(source));
        return false;
    }
    if (!QDir().mkpath(target)) {
        KV_LOG_ERROR("cannot create %s", KV_CSTR(target));
        return false;
    }
    bool ok = true;
    const QFileInfoList entries = from.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QFileInfo &entry : entries) {
        const QString destination = QDir(target).filePath(entry.fileName());
        if (entry.isSymLink())
            continue; // an installation has no business linking elsewhere
        if (entry.isDir()) {
            ok = copyDirectoryFiles(entry.filePath(), destination, overwrite) && ok;
            continue;
        }
        if (QFileInfo::exists(destination)) {
            if (!overwrite)
                continue;
            QFile::remove(destination);
        }
        if (!QFile::copy(entry.filePath(), destination)) {
            KV_LOG_ERROR("cannot copy %s to %s", KV_CSTR(entry.filePath()), KV_CSTR(destination));
            ok = false;
            continue;
        }
        // Installed files are often read-only; the user's copies must not be.
        QFile::setPermissions(destination, QFile::permissions(destination) | QFileDevice::WriteOwner);
    }
    return ok;
}

bool KvDir::removeTree(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    if (info.isSymLink() || (info.exists() && !info.isDir())) {
        // A link is dropped itself; QDir would walk into its target.
        if (!QFile::remove(path)) {
            KV_LOG_ERROR("cannot remove %s", KV_CSTR(path));
            return false;
        }
        return true;
    }
    if (!info.exists())
        return true;
    // Below the top, removeRecursively() removes links as files.
    if (!QDir(path).removeRecursively()) {
        KV_LOG_ERROR("cannot remove the folder %s", KV_CSTR(path));
        return false;
    }
    return true;
}

QString KvDir::moveAside(const QString &path, QString *error, int keep)
{
    const QString stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = QStringLiteral("%1.corrupt-%2").arg(path, stamp);
    for (int n = 2; QFileInfo::exists(aside) || QFileInfo(aside).isSymLink(); ++n)
        aside = QStringLiteral("%1.corrupt-%2-%3").arg(path, stamp).arg(n);
    QFile file(path);
    if (!file.rename(aside)) {
        if (error)
            *error = file.errorString();
        return QString();
    }
    pruneAsideCopies(path, keep);
    return aside;
}

void KvDir::pruneAsideCopies(const QString &path, int keep)
{
    const QFileInfo info(path);
    const QString prefix = info.fileName() + QStringLiteral(".corrupt-");
    QFileInfoList copies =
        QDir(info.absolutePath()).entryInfoList({prefix + QLatin1Char('*')}, QDir::Files | QDir::System | QDir::Hidden);
    if (copies.size() <= keep)
        return;
    // Oldest first: by modification time, then by name (the stamp sorts).
    std::sort(copies.begin(), copies.end(), [](const QFileInfo &a, const QFileInfo &b) {
        const QDateTime ta = a.lastModified(), tb = b.lastModified();
        return ta != tb ? ta < tb : a.fileName() < b.fileName();
    });
    for (int i = 0; i < copies.size() - keep; ++i) {
        if (!QFile::remove(copies.at(i).absoluteFilePath()))
            KV_LOG_ERROR("cannot remove the old copy %s", KV_CSTR(copies.at(i).absoluteFilePath()));
    }
}

bool KvDir::IsPathWriteAndReadable(const QString &path)
{
    const QFileInfo info(path);
    return !path.isEmpty() && info.isDir() && info.isReadable() && info.isWritable();
}
