#include "KvAppInfo.h"

IKvAppInfo *IKvAppInfo::getInstance()
{
    return KvLazySingleton<KvAppInfo>::instance();
}

QVariant KvAppInfo::getValue(int id) const
{
    QReadLocker locker(&m_lock);
    return m_values.value(id);
}

void KvAppInfo::setValue(int id, const QVariant &value)
{
    QWriteLocker locker(&m_lock);
    if (value.isValid())
        m_values.insert(id, value);
    else
        m_values.remove(id);
}

bool KvAppInfo::contains(int id) const
{
    QReadLocker locker(&m_lock);
    return m_values.contains(id);
}
