#pragma once

#include "IKvIPCTask.h"

#include <QElapsedTimer>

class KvIPCServer;

// A task as the server keeps it.
class KvIPCServerTask : public IKvIPCTask
{
    Q_OBJECT

public:
    KvIPCServerTask(KvIPCServer *server, quint32 id, int kind);

    quint32 id() const override { return m_id; }
    int kind() const override { return m_kind; }
    qint64 elapsedMs() const override { return m_clock.elapsed(); }
    bool sendEvent(const KvIPCEvent &event) override;
    void close() override;
    quintptr windowId() const override { return m_windowId; }

    // From the server: an event of the helper for this task.
    void deliver(const KvIPCEventPtr &event);

private:
    KvIPCServer *m_server;
    quint32 m_id;
    int m_kind;
    quintptr m_windowId = 0;
    bool m_closed = false;
    QElapsedTimer m_clock;
};
