#include "KvRegistryInfo.h"

#include "IKvBaseLog.h"
#include "KvFileLock.h"
#include "KvPaths.h"

#include <QDir>
#include <QFile>
#include <QSettings>

IKvRegistryInfo *IKvRegistryInfo::getInstance()
{
    return KvLazySingleton<KvRegistryInfo>::instance();
}

void KvRegistryInfo::setRootPath(const QString &rootPath)
{
    QWriteLocker locker(&m_lock);
    m_rootPath = rootPath;
}

QString KvRegistryInfo::rootPath() const
{
    QReadLocker locker(&m_lock);
    return m_rootPath;
}

void KvRegistryInfo::setValueName(int id, const QString &name)
{
    QWriteLocker locker(&m_lock);
    m_names.insert(id, name);
}

QString KvRegistryInfo::valueName(int id) const
{
    QReadLocker locker(&m_lock);
    return m_names.value(id);
}

QString KvRegistryInfo::keyFor(int id) const
{
    QReadLocker locker(&m_lock);
    const QString name = m_names.value(id);
    if (name.isEmpty())
        return {};
    // Registry paths use backslashes, which QSettings would treat as escapes
    // of its own; slashes make the root one nested group.
    QString root = m_rootPath;
    root.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return root.isEmpty() ? name : root + QLatin1Char('/') + name;
}

QString KvRegistryInfo::storeFile() const
{
    return QDir(KvPaths::userConfigDir()).filePath(QStringLiteral("Registry.ini"));
}

QVariant KvRegistryInfo::getValue(int id) const
{
    const QString key = keyFor(id);
    if (key.isEmpty())
        return {};
    QSettings settings(storeFile(), QSettings::IniFormat);
    return settings.value(key);
}

bool KvRegistryInfo::setValue(int id, const QVariant &value)
{
    const QString key = keyFor(id);
    if (key.isEmpty()) {
        KV_LOG_ERROR("registry value %d has no name", id);
        return false;
    }
    // QSettings waits for its lock file until it looks stale (30 s); one left
    // by a killed process is not held by anybody (Qt also flocks it), so it
    // can go at once.
    const QString lockFile = storeFile() + QStringLiteral(".lock");
    if (QFile::exists(lockFile) && !KvFileLock::isHeldByOther(lockFile))
        QFile::remove(lockFile);
    QSettings settings(storeFile(), QSettings::IniFormat);
    settings.setValue(key, value);
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        KV_LOG_ERROR("cannot write %s", KV_CSTR(storeFile()));
        return false;
    }
    return true;
}
