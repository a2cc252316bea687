#include "KvDir.h"

#include "IKvBaseLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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
