#include "KvTcNativePush.h"

#include "IKvBaseLog.h"

void KvTcNativePush::reportClientId(const QString &clientId)
{
    if (clientId.isEmpty())
        KV_LOG_ERROR("push channel: report without a client id");
    QMutexLocker locker(&m_mutex);
    ++m_reportCount;
    m_lastClientId = clientId;
    KV_LOG_INFO("push channel: report client \"%s\" (no push service on this installation)", KV_CSTR(clientId));
}

void KvTcNativePush::handleResponse(int code, int subCode, bool flag)
{
    KV_LOG_INFO("push channel: response code %d, sub code %d, flag %d", code, subCode, int(flag));
}

int KvTcNativePush::reportCount() const
{
    QMutexLocker locker(&m_mutex);
    return m_reportCount;
}

QString KvTcNativePush::lastClientId() const
{
    QMutexLocker locker(&m_mutex);
    return m_lastClientId;
}
