#include "KvCloudDisk.h"

#include "IKvBaseLog.h"

KvCloudDisk *getCloudDisk()
{
    static KvCloudDisk disk;
    return &disk;
}

void KvCloudDisk::configure(int productId, const QString &clientId, const QString &clientKey, const QString &logFile)
{
    Q_UNUSED(clientKey)
    QMutexLocker locker(&m_mutex);
    m_configured = true;
    m_logFile = logFile;
    KV_LOG_INFO("cloud storage configured: product %d, client %s, log %s", productId, KV_CSTR(clientId),
                KV_CSTR(logFile));
}

bool KvCloudDisk::isConfigured() const
{
    QMutexLocker locker(&m_mutex);
    return m_configured;
}

QString KvCloudDisk::logFile() const
{
    QMutexLocker locker(&m_mutex);
    return m_logFile;
}
