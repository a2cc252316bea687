#pragma once

#include "KvCommunicatorProtocol.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

class KvCommunicatorChannel;

// A connection to one communicator server, named like the server's channel
// (see KvCommunicatorServer). A server that is not there is no error for the
// caller: sends then return a negative KvCommunicator::SendResult and log.
// A lost connection is made again on the next send.
//
// A helper started by KvCommunicatorServer::StartProcess uses
// connectToParent() instead: it connects to the server that started it and
// introduces itself, after every reconnect too, so that the server's
// SendMsgToProcess reaches it.
class KvCommunicatorClient : public QObject
{
    Q_OBJECT

public:
    explicit KvCommunicatorClient(QObject *parent = nullptr);
    ~KvCommunicatorClient() override;

    bool ConnectToServer(const QString &name);
    // The same for a socket given by its path (a server that handed its
    // path over in the environment).
    bool connectToSocket(const QString &path);
    // From the environment a server gives the helpers it starts; false, with
    // a log line, when this process was not started that way.
    bool connectToParent();
    static bool hasParentInEnvironment();

    // deliver = true: returns only once the message is delivered or a bounded
    // wait (kDeliveryTimeoutMs) has run out; for a process that is about to
    // exit, never for a GUI thread with work to do. Delivered means the whole
    // message was written to a connected socket and flushed to the system,
    // which hands it to the server even when the server reads it later or
    // this process has ended by then. A message that is not delivered is not
    // sent later either: a partly written one ends the connection, so the
    // server drops the part; the result says so truthfully and a retry
    // cannot double it.
    // deliver = false: queues and returns at once.
    // Returns KvCommunicator::SendOk or a negative SendResult.
    int SendMsg(const QString &command, const QStringList &contents, bool deliver);

    // A delivering send that tries again, for up to `budgetMs` in all, while
    // the server is not there yet, not taking connections or not reading
    // (for example busy, or starting). Transient failures are logged at
    // information level; only the final failure at error level. Returns
    // SendOk or the last negative SendResult. Blocks: for a process that is
    // about to exit. Needs a ConnectToServer() before (it may have failed).
    int sendWithRetry(const QString &command, const QStringList &contents, int budgetMs);

    bool isConnected() const;
    QString serverPath() const { return m_path; }
    void setStallTimeout(int ms);

signals:
    // Every text the server sends to this client.
    void sigRecveMsg(const QString &text);
    // The connection ended (the server went away or broke the protocol).
    void sigDisconnected();

private:
    // The frame of one message, or why it cannot be sent (logged).
    int prepareFrame(const QString &command, const QStringList &contents, QByteArray *frame) const;
    bool connectToPath(const QString &path);
    void onConnected();
    void onClosed(KvCommunicatorChannel *channel);
    KvCommunicator::SendResult flushPending();
    // The delivering send without logging; `why` says what failed.
    KvCommunicator::SendResult deliver(const QByteArray &frame, qint64 waitMs, QString *why);
    void abandonConnection();

    QString m_path;
    QString m_token;
    QPointer<KvCommunicatorChannel> m_channel;
    bool m_connected = false;
    // Frames written once the connection is up.
    QList<QByteArray> m_pending;
    qint64 m_pendingBytes = 0;
    int m_stallTimeoutMs = KvCommunicator::kDefaultStallTimeoutMs;
};
