#pragma once

#include "KvIPCEvent.h"

#include <QObject>

class KvCommunicatorClient;

// A web helper's end of the link (wire form in KvIPCProtocol.h): connects to
// the server named in its environment, introduces itself and exchanges
// events. GUI thread only.
class KvIPCClient : public QObject
{
    Q_OBJECT

public:
    explicit KvIPCClient(QObject *parent = nullptr);

    static bool hasServerInEnvironment();
    // False, with a log line, when this process was not started by the server.
    bool open();
    bool sendEvent(quint32 task, const KvIPCEvent &event);

signals:
    void sigEvent(quint32 task, const KvIPCEventPtr &event);
    void sigLost();

private:
    void onText(const QString &text);

    KvCommunicatorClient *m_client;
};
