#include "IKvMediaLibrary.h"

#include "KvMediaLibraryUtils.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>

IKvMediaLibrary::IKvMediaLibrary(QObject *parent)
    : QObject(parent)
{
}

QString IKvMediaLibrary::checkImportable(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return QCoreApplication::translate("IKvMediaLibrary", "the file does not exist");
    if (!info.isFile())
        return QCoreApplication::translate("IKvMediaLibrary", "not a file");
    if (!KvMediaLibraryUtils::isImportable(path))
        return QCoreApplication::translate("IKvMediaLibrary", "not a supported media format");
    if (!info.isReadable())
        return QCoreApplication::translate("IKvMediaLibrary", "the file cannot be read");
    if (info.size() == 0)
        return QCoreApplication::translate("IKvMediaLibrary", "the file is empty");
    return QString();
}

QStringList IKvMediaLibrary::importableFilesIn(const QString &folder, int *skipped)
{
    QStringList files;
    int others = 0;
    QDirIterator it(folder, QDir::Files | QDir::NoSymLinks | QDir::Readable, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (files.size() < kMaxFolderFiles && checkImportable(path).isEmpty())
            files << path;
        else
            ++others;
    }
    std::sort(files.begin(), files.end());
    if (skipped)
        *skipped = others;
    return files;
}

QString IKvMediaLibrary::fileNameOf(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}
