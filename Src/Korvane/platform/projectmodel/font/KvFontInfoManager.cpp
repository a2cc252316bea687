#include "KvFontInfoManager.h"

#include "IKvBaseLog.h"
#include "IKvEnvManager.h"

#include <QFileInfo>

KvFontInfoManager *KvFontInfoManager::instance()
{
    static KvFontInfoManager manager;
    return &manager;
}

KvFontInfoManager::KvFontInfoManager()
{
    for (const QString &file : IKvEnvManager::getInstance()->fontFiles())
        m_names << QFileInfo(file).completeBaseName();
    m_names.removeDuplicates();
    m_names.sort(Qt::CaseInsensitive);
    KV_LOG_INFO("font information: %d fonts", int(m_names.size()));
}

QStringList KvFontInfoManager::fontNames() const
{
    QMutexLocker locker(&m_mutex);
    return m_names;
}
