#pragma once

#include "KvFrameDecoder.h"

#include <QObject>
#include <QTimer>

class QLocalSocket;

// One framed connection over a local socket, used by both ends of the
// communicator: incoming bytes become whole texts, outgoing texts become
// frames. A peer that breaks the framing, stalls in the middle of a frame or
// goes away mid-frame is dropped with a log line; nothing of the unfinished
// frame is handed on. A server's end also drops a peer that has not completed
// its first frame within the stall time-out of connecting, whether or not it
// has sent anything: an idle connection would otherwise hold a place for good.
//
// Never blocks: reading takes what the socket has, writing queues in the
// socket. Delete it with deleteLater(); its signals may be on the stack.
class KvCommunicatorChannel : public QObject
{
    Q_OBJECT

public:
    // Takes `socket` over (as a child). It may be connected already or not yet.
    KvCommunicatorChannel(QLocalSocket *socket, const QString &peerName, QObject *parent = nullptr);
    ~KvCommunicatorChannel() override;

    QLocalSocket *socket() const { return m_socket; }
    // How the peer is named in log lines.
    QString peerName() const { return m_peerName; }
    void setPeerName(const QString &name) { m_peerName = name; }
    bool isConnected() const;
    bool isClosed() const { return m_closed; }

    void setStallTimeout(int ms);
    // Starts the first-frame deadline now (a server's end, at accept).
    void requireFirstFrame();

    // Queues one frame. False, with a log line, when the text is over the
    // frame limit, the peer leaves too much unread, or the channel is closed.
    KvCommunicator::SendResult sendText(const QString &text);
    KvCommunicator::SendResult sendFrame(const QByteArray &frame);

    // Ends the connection now, logging `reason` at error level.
    void drop(const QString &reason);

signals:
    void sigText(const QString &text);
    // The connection ended, whichever way; emitted once.
    void sigClosed();

private:
    void readAvailable();
    void onDisconnected();

    QLocalSocket *m_socket = nullptr;
    KvFrameDecoder m_decoder;
    QTimer m_stallTimer;
    QString m_peerName;
    bool m_closed = false;
    bool m_awaitingFirstFrame = false;
};
