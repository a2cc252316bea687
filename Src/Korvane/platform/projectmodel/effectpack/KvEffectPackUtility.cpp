#include "KvEffectPackUtility.h"

#include "IKvBaseLog.h"
#include "KvAppSettings.h"
#include "KvDir.h"
#include "KvPaths.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QSaveFile>

namespace {

// The files are small and written from the GUI thread and start-up workers.
QMutex &fileMutex()
{
    static QMutex mutex;
    return mutex;
}

QString configFile(const char *name)
{
    return QDir(KvPaths::userConfigDir()).filePath(QString::fromLatin1(name));
}

QJsonObject readObject(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly)) {
        KV_LOG_ERROR("effect pack file \"%s\" not readable: %s", KV_CSTR(path), KV_CSTR(file.errorString()));
        return {};
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (!document.isObject()) {
        KV_LOG_ERROR("effect pack file \"%s\" is damaged (%s); read as empty", KV_CSTR(path),
                     KV_CSTR(error.errorString()));
        return {};
    }
    return document.object();
}

bool writeObject(const QString &path, const QJsonObject &object)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(object).toJson()) < 0 || !file.commit()) {
        KV_LOG_ERROR("effect pack file \"%s\" not written: %s", KV_CSTR(path), KV_CSTR(file.errorString()));
        return false;
    }
    return true;
}

QStringList readPaths()
{
    QStringList paths;
    for (const QJsonValue &value : readObject(configFile("EffectPackPaths.json")).value("paths").toArray()) {
        if (value.isString() && !value.toString().isEmpty())
            paths << value.toString();
    }
    return paths;
}

} // namespace

QStringList KvEffectPackUtility::getEffectPackPath()
{
    QMutexLocker lock(&fileMutex());
    return readPaths();
}

bool KvEffectPackUtility::saveEffectPackPath(const QString &path)
{
    if (path.isEmpty())
        return false;
    QMutexLocker lock(&fileMutex());
    QStringList paths = readPaths();
    if (paths.contains(path, Qt::CaseSensitive))
        return true;
    paths << path;
    return writeObject(configFile("EffectPackPaths.json"), {{"paths", QJsonArray::fromStringList(paths)}});
}

bool KvEffectPackUtility::recordEffectPackages(const QString &file, const QStringList &packFolders, bool remove)
{
    QMutexLocker lock(&fileMutex());
    QJsonArray packages = readObject(file).value("packages").toArray();
    const QString now = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
    for (const QString &folder : packFolders) {
        const QJsonObject entry{{"folder", folder}, {"remove", remove}, {"time", now}};
        bool found = false;
        for (int i = 0; i < packages.size() && !found; ++i) {
            if (packages.at(i).toObject().value("folder").toString() == folder) {
                packages[i] = entry;
                found = true;
            }
        }
        if (!found)
            packages.append(entry);
    }
    return writeObject(file, {{"packages", packages}});
}

QStringList KvEffectPackUtility::recordedEffectPackages(const QString &file)
{
    QMutexLocker lock(&fileMutex());
    QStringList folders;
    for (const QJsonValue &value : readObject(file).value("packages").toArray()) {
        const QString folder = value.toObject().value("folder").toString();
        if (!folder.isEmpty())
            folders << folder;
    }
    return folders;
}

QString KvEffectPackUtility::getRemovePackageConfigFile()
{
    return configFile("RemoveEffectPackages.json");
}

QString KvEffectPackUtility::getRecordEffectPackageConfigFile()
{
    return configFile("RecordEffectPackages.json");
}

int KvEffectPackUtility::removeMarkedPackages()
{
    // A pack folder lies directly in an effect pack folder; an entry naming
    // anything else is not ours to remove.
    QStringList roots;
    for (const QString &root : effectPackFolders())
        roots << QDir::cleanPath(QDir(root).absolutePath());

    QMutexLocker lock(&fileMutex());
    const QString file = getRemovePackageConfigFile();
    if (!QFileInfo::exists(file))
        return 0;
    QJsonArray kept;
    int removed = 0;
    for (const QJsonValue &value : readObject(file).value("packages").toArray()) {
        const QJsonObject entry = value.toObject();
        const QString folder = entry.value("folder").toString();
        if (folder.isEmpty() || !entry.value("remove").toBool())
            continue;
        const QString parent = QDir::cleanPath(QFileInfo(folder).absolutePath());
        if (!roots.contains(parent)) {
            KV_LOG_ERROR("\"%s\" is not in an effect pack folder; not removed", KV_CSTR(folder));
            continue;
        }
        if (KvDir::removeTree(folder)) {
            ++removed;
        } else {
            KV_LOG_ERROR("effect pack folder \"%s\" not removed; tried again at the next start", KV_CSTR(folder));
            kept.append(entry);
        }
    }
    writeObject(file, {{"packages", kept}});
    KV_LOG_INFO("effect packs removed: %d, left for later: %d", removed, int(kept.size()));
    return removed;
}

QStringList KvEffectPackUtility::getEffectPackTables()
{
    QMutexLocker lock(&fileMutex());
    QStringList files;
    for (const QJsonValue &value : readObject(configFile("EffectPackTables.json")).value("packages").toArray()) {
        const QString file = value.toObject().value("file").toString();
        if (!file.isEmpty())
            files << file;
    }
    return files;
}

bool KvEffectPackUtility::saveEffectPackTables(const QStringList &files)
{
    QMutexLocker lock(&fileMutex());
    QJsonArray packages;
    const QString now = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
    QStringList seen;
    for (const QString &file : files) {
        if (file.isEmpty() || seen.contains(file))
            continue;
        seen << file;
        packages.append(QJsonObject{{"file", file}, {"time", now}});
    }
    return writeObject(configFile("EffectPackTables.json"), {{"packages", packages}});
}

QStringList KvEffectPackUtility::getStartInstallPackages()
{
    QStringList waiting;
    for (const QString &file : getEffectPackTables()) {
        if (QFileInfo::exists(file))
            waiting << file;
    }
    return waiting;
}

QStringList KvEffectPackUtility::effectPackFolders()
{
    QStringList folders;
    const QString install = KvAppSettings::GetInstance()->GetSettings().GetFolderSettings().GetInstallEffectPackTo();
    if (!install.isEmpty())
        folders << install;
    for (const QString &path : getEffectPackPath()) {
        if (!folders.contains(path))
            folders << path;
    }
    return folders;
}
