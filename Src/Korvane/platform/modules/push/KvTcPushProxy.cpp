#include "KvTcPushProxy.h"

#include "IKvBaseLog.h"

#include <QDir>

namespace {
KvTcPushProxy *g_proxy = nullptr;
QMutex g_proxyMutex;
} // namespace

KvTcPushProxy *KvTcPushProxy::getInstance()
{
    QMutexLocker locker(&g_proxyMutex);
    if (!g_proxy)
        g_proxy = new KvTcPushProxy;
    return g_proxy;
}

void KvTcPushProxy::release()
{
    QMutexLocker locker(&g_proxyMutex);
    delete g_proxy;
    g_proxy = nullptr;
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
