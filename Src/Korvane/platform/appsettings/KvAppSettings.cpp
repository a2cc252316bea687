#include "KvAppSettings.h"

#include "IKvBaseLog.h"
#include "KvConfigFile.h"
#include "KvPaths.h"

#include <QDir>

#include <atomic>
#include <mutex>

namespace {

const QString kFileName = QStringLiteral("KvAppSettings.json");
const QString kScope = QStringLiteral("user");

std::atomic<KvAppSettings *> s_instance{nullptr};
std::mutex s_instanceMutex;

} // namespace

KvAppSettings *KvAppSettings::GetInstance()
{
    KvAppSettings *store = s_instance.load(std::memory_order_acquire);
    if (store)
        return store;
    std::lock_guard<std::mutex> lock(s_instanceMutex);
    store = s_instance.load(std::memory_order_relaxed);
    if (!store) {
        store = new KvAppSettings;
        s_instance.store(store, std::memory_order_release);
    }
    return store;
}

bool KvAppSettings::Save()
{
    return GetInstance()->save();
}

void KvAppSettings::Release()
{
    KvAppSettings *store = nullptr;
    {
        std::lock_guard<std::mutex> lock(s_instanceMutex);
        store = s_instance.exchange(nullptr, std::memory_order_acq_rel);
    }
    if (!store)
        return;
    bool unsaved = false;
    {
        QMutexLocker locker(&store->m_fileMutex);
        unsaved = store->content() != store->m_stored;
    }
    if (unsaved)
        store->save();
    delete store;
}

KvAppSettings::KvAppSettings()
    : m_filePath(QDir(KvPaths::userConfigDir()).filePath(kFileName))
{
    load();
}

KvAppSettings::~KvAppSettings() = default;

void KvAppSettings::load()
{
    const KvConfigFile::Content file = KvConfigFile::read(m_filePath);
    switch (file.status) {
    case KvConfigFile::Status::Ok:
        KV_LOG_INFO("preferences read from %s", KV_CSTR(m_filePath));
        break;
    case KvConfigFile::Status::Missing:
        break;
    case KvConfigFile::Status::Corrupt:
        KV_LOG_ERROR("preferences %s are corrupt (%s): using the defaults; the file is copied aside before it is next saved",
                     KV_CSTR(m_filePath), KV_CSTR(file.error));
        break;
    case KvConfigFile::Status::Unreadable:
        KV_LOG_ERROR("cannot read preferences %s (%s): using the defaults", KV_CSTR(m_filePath), KV_CSTR(file.error));
        break;
    }
    QMutexLocker locker(&m_fileMutex);
    m_stored = file.root;
    const QJsonObject groups = m_stored.value(kScope).toObject();
    for (KvAppSettingsGroup *group : m_settings.groups())
        group->fromJson(groups.value(group->groupName()).toObject());
}

bool KvAppSettings::save()
{
    QMutexLocker locker(&m_fileMutex);
    const QJsonObject root = content();

    const KvConfigFile::Content disk = KvConfigFile::read(m_filePath);
    if (disk.status == KvConfigFile::Status::Unreadable) {
        KV_LOG_ERROR("cannot read preferences %s (%s): not replacing them", KV_CSTR(m_filePath), KV_CSTR(disk.error));
        return false;
    }
    if (disk.status == KvConfigFile::Status::Corrupt) {
        QString error;
        const QString copy = KvConfigFile::keepCorruptCopy(m_filePath, disk.bytes, &error);
        if (copy.isEmpty()) {
            KV_LOG_ERROR("cannot copy the corrupt preferences %s aside (%s): not replacing them", KV_CSTR(m_filePath),
                         KV_CSTR(error));
            return false;
        }
        KV_LOG_INFO("corrupt preferences kept as %s", KV_CSTR(copy));
    }

    QString error;
    if (!KvConfigFile::write(m_filePath, root, &error)) {
        KV_LOG_ERROR("cannot save preferences to %s: %s", KV_CSTR(m_filePath), KV_CSTR(error));
        return false;
    }
    m_stored = root;
    return true;
}

QJsonObject KvAppSettings::content() const
{
    QJsonObject root = m_stored;
    QJsonObject scope = root.value(kScope).toObject();
    for (const KvAppSettingsGroup *group : m_settings.groups()) {
        const QJsonObject values = group->toJson(scope.value(group->groupName()).toObject());
        if (values.isEmpty())
            scope.remove(group->groupName());
        else
            scope.insert(group->groupName(), values);
    }
    if (scope.isEmpty())
        root.remove(kScope);
    else
        root.insert(kScope, scope);
    return root;
}
