#include "KvIPCServerTask.h"

#include "KvIPCProtocol.h"
#include "KvIPCServer.h"

KvIPCServerTask::KvIPCServerTask(KvIPCServer *server, quint32 id, int kind)
    : IKvIPCTask(server)
    , m_server(server)
    , m_id(id)
    , m_kind(kind)
{
    m_clock.start();
}

bool KvIPCServerTask::sendEvent(const KvIPCEvent &event)
{
    return !m_closed && m_server->sendTo(m_id, event);
}

void KvIPCServerTask::close()
{
    if (m_closed)
        return;
    m_server->sendTo(m_id, KvIPCEvent(KvIPC::EventTaskClose));
    m_closed = true;
    m_server->forgetTask(m_id);
    deleteLater();
}

void KvIPCServerTask::deliver(const KvIPCEventPtr &event)
{
    if (m_closed)
        return;
    if (event->number() == KvIPC::EventTaskCreated)
        m_windowId = quintptr(event->params().value(QStringLiteral("window")).toDouble());
    emit sigEvent(event);
}
