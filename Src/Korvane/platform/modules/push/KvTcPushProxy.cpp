#include "KvTcPushProxy.h"

#include "IKvBaseLog.h"

#include <QDir>

KvTcPushProxy *KvTcPushProxy::getInstance()
{
    static KvTcPushProxy *proxy = new KvTcPushProxy;
    return proxy;
}

void KvTcPushProxy::init(const QString &dataDir)
{
    QDir().mkpath(dataDir);
    QMutexLocker locker(&m_mutex);
    m_dataDir = dataDir;
    KV_LOG_INFO("push channel data in %s", KV_CSTR(dataDir));
}

QString KvTcPushProxy::dataDir() const
{
    QMutexLocker locker(&m_mutex);
    return m_dataDir;
}
