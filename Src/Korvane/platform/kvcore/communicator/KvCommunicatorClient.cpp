#include "KvCommunicatorClient.h"

#include "IKvBaseLog.h"
#include "KvCommunicatorChannel.h"
#include "KvCommunicatorMsg.h"
#include "KvCommunicatorServer.h"

#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QThread>

namespace {
// Between attempts at a server that is not there (yet).
constexpr qint64 kRetryPauseMs = 100;
}

KvCommunicatorClient::KvCommunicatorClient(QObject *parent)
    : QObject(parent)
{
}

KvCommunicatorClient::~KvCommunicatorClient()
{
    // Hand the kernel what it takes now; without an event loop to come,
    // whatever stays in Qt's buffer would be lost.
    if (isConnected())
        m_channel->socket()->flush();
    if (!m_pending.isEmpty())
        KV_LOG_ERROR("%d messages to %s dropped: never connected", int(m_pending.size()), KV_CSTR(m_path));
}

bool KvCommunicatorClient::ConnectToServer(const QString &name)
{
    const QString path = KvCommunicatorServer::socketPathForName(name);
    if (path.isEmpty()) {
        KV_LOG_ERROR("cannot connect to \"%s\": not a usable channel name", KV_CSTR(name));
        return false;
    }
    m_token.clear();
    return connectToPath(path);
}

bool KvCommunicatorClient::connectToSocket(const QString &path)
{
    if (path.isEmpty()) {
        KV_LOG_ERROR("cannot connect to a socket without a path");
        return false;
    }
    m_token.clear();
    return connectToPath(path);
}

bool KvCommunicatorClient::hasParentInEnvironment()
{
    return !qEnvironmentVariableIsEmpty(KvCommunicator::kEnvSocket)
        && !qEnvironmentVariableIsEmpty(KvCommunicator::kEnvToken);
}

bool KvCommunicatorClient::connectToParent()
{
    if (!hasParentInEnvironment()) {
        KV_LOG_ERROR("no server to connect back to: %s and %s are not set", KvCommunicator::kEnvSocket,
                     KvCommunicator::kEnvToken);
        return false;
    }
    m_token = qEnvironmentVariable(KvCommunicator::kEnvToken);
    return connectToPath(qEnvironmentVariable(KvCommunicator::kEnvSocket));
}

bool KvCommunicatorClient::connectToPath(const QString &path)
{
    if (m_channel) {
        // Possibly inside one of its own signals: quietly, and later.
        KvCommunicatorChannel *old = m_channel;
        m_channel = nullptr;
        disconnect(old, nullptr, this, nullptr);
        old->deleteLater();
    }
    m_path = path;
    m_connected = false;
    auto *socket = new QLocalSocket;
    auto *channel = new KvCommunicatorChannel(socket, path, this);
    channel->setStallTimeout(m_stallTimeoutMs);
    m_channel = channel;
    connect(socket, &QLocalSocket::connected, this, &KvCommunicatorClient::onConnected);
    connect(channel, &KvCommunicatorChannel::sigText, this, &KvCommunicatorClient::sigRecveMsg);
    connect(channel, &KvCommunicatorChannel::sigClosed, this, [this, channel] { onClosed(channel); });
    // A local socket connects (or fails) at once unless the server's backlog
    // is full; then the connection completes from the event loop.
    socket->connectToServer(path);
    return m_channel == channel;
}

void KvCommunicatorClient::onConnected()
{
    KV_LOG_INFO("connected to %s", KV_CSTR(m_path));
    m_connected = true;
    flushPending();
}

KvCommunicator::SendResult KvCommunicatorClient::flushPending()
{
    if (!m_token.isEmpty()) {
        const KvCommunicator::SendResult hello =
            m_channel->sendText(KvCommunicatorMsg(QLatin1String(KvCommunicator::kCmdHello), {m_token}).toText());
        if (hello != KvCommunicator::SendOk)
            return hello;
    }
    const QList<QByteArray> pending = m_pending;
    m_pending.clear();
    m_pendingBytes = 0;
    KvCommunicator::SendResult result = KvCommunicator::SendOk;
    for (const QByteArray &frame : pending) {
        if (!m_channel)
            return KvCommunicator::SendNotConnected;
        const KvCommunicator::SendResult sent = m_channel->sendFrame(frame);
        if (sent != KvCommunicator::SendOk)
            result = sent;
    }
    return result;
}

void KvCommunicatorClient::onClosed(KvCommunicatorChannel *channel)
{
    channel->deleteLater();
    if (channel != m_channel)
        return;
    m_channel = nullptr;
    const bool wasConnected = m_connected;
    m_connected = false;
    if (!m_pending.isEmpty()) {
        KV_LOG_ERROR("%d messages to %s dropped: %s", int(m_pending.size()), KV_CSTR(m_path),
                     KV_CSTR(channel->socket()->errorString()));
        m_pending.clear();
        m_pendingBytes = 0;
    }
    KV_LOG_INFO("no connection to %s: %s", KV_CSTR(m_path), KV_CSTR(channel->socket()->errorString()));
    if (wasConnected)
        emit sigDisconnected();
}

bool KvCommunicatorClient::isConnected() const
{
    return m_channel && m_channel->isConnected();
}

void KvCommunicatorClient::setStallTimeout(int ms)
{
    m_stallTimeoutMs = ms;
    if (m_channel)
        m_channel->setStallTimeout(ms);
}

int KvCommunicatorClient::prepareFrame(const QString &command, const QStringList &contents, QByteArray *frame) const
{
    const int framed = KvCommunicatorMsg::frameFor(command, contents, frame);
    if (framed != KvCommunicator::SendOk)
        return framed;
    if (m_path.isEmpty()) {
        KV_LOG_ERROR("%s dropped: not connected to any server", KV_CSTR(command));
        return KvCommunicator::SendNotConnected;
    }
    return KvCommunicator::SendOk;
}

int KvCommunicatorClient::SendMsg(const QString &command, const QStringList &contents, bool deliver)
{
    QByteArray frame;
    if (const int prepared = prepareFrame(command, contents, &frame); prepared != KvCommunicator::SendOk)
        return prepared;
    if (deliver) {
        QString why;
        const KvCommunicator::SendResult result = this->deliver(frame, KvCommunicator::kDeliveryTimeoutMs, &why);
        if (result != KvCommunicator::SendOk)
            KV_LOG_ERROR("%s to %s not delivered: %s", KV_CSTR(command), KV_CSTR(m_path), KV_CSTR(why));
        return result;
    }

    // The server may have started since the last attempt.
    if (!m_channel && !connectToPath(m_path)) {
        KV_LOG_ERROR("%s to %s dropped: no server there", KV_CSTR(command), KV_CSTR(m_path));
        return KvCommunicator::SendNotConnected;
    }
    if (m_channel->socket()->state() == QLocalSocket::ConnectedState)
        return m_channel->sendFrame(frame);
    if (m_pending.size() >= KvCommunicator::kMaxPendingMessages
        || m_pendingBytes + frame.size() > KvCommunicator::kMaxPendingBytes) {
        KV_LOG_ERROR("%s to %s dropped: too many messages wait for the connection", KV_CSTR(command),
                     KV_CSTR(m_path));
        return KvCommunicator::SendRefused;
    }
    // Connecting flushes the queue.
    m_pending.append(frame);
    m_pendingBytes += frame.size();
    return KvCommunicator::SendOk;
}

KvCommunicator::SendResult KvCommunicatorClient::deliver(const QByteArray &frame, qint64 waitMs, QString *why)
{
    const QDeadlineTimer deadline(qMax<qint64>(waitMs, 1));
    if (!m_channel && !connectToPath(m_path)) {
        *why = QStringLiteral("no server there");
        return KvCommunicator::SendNotConnected;
    }
    const QPointer<KvCommunicatorChannel> channel = m_channel;
    QLocalSocket *socket = channel->socket();
    if (socket->state() != QLocalSocket::ConnectedState) {
        // Connecting flushes what waits in the queue, not this frame: it goes
        // out below, or not at all.
        socket->waitForConnected(int(qMax<qint64>(deadline.remainingTime(), 1)));
        if (!channel || channel->isClosed()) {
            *why = QStringLiteral("the connection failed");
            return KvCommunicator::SendNotConnected;
        }
        if (!channel->isConnected()) {
            // Still waiting for a place: a later attempt goes on waiting.
            *why = QStringLiteral("the server took no connection within %1 ms").arg(waitMs);
            return KvCommunicator::SendTimedOut;
        }
    }
    const KvCommunicator::SendResult sent = channel->sendFrame(frame);
    if (sent != KvCommunicator::SendOk) {
        *why = QStringLiteral("the connection refused the message");
        return sent;
    }
    socket->flush();
    while (channel && !channel->isClosed() && socket->bytesToWrite() > 0 && !deadline.hasExpired()) {
        if (!socket->waitForBytesWritten(int(qMax<qint64>(deadline.remainingTime(), 1))))
            break;
    }
    if (!channel || channel->isClosed()) {
        *why = QStringLiteral("the connection closed");
        return KvCommunicator::SendNotConnected;
    }
    if (socket->bytesToWrite() > 0) {
        // Part of the frame may be with the server already: end the
        // connection so that the server drops the part, and a retry on a
        // new connection cannot deliver it twice.
        *why = QStringLiteral("the server read nothing within %1 ms").arg(waitMs);
        abandonConnection();
        return KvCommunicator::SendTimedOut;
    }
    return KvCommunicator::SendOk;
}

void KvCommunicatorClient::abandonConnection()
{
    if (!m_channel)
        return;
    KvCommunicatorChannel *channel = m_channel;
    m_channel = nullptr;
    m_connected = false;
    disconnect(channel, nullptr, this, nullptr);
    channel->socket()->abort();
    channel->deleteLater();
}

int KvCommunicatorClient::sendWithRetry(const QString &command, const QStringList &contents, int budgetMs)
{
    QByteArray frame;
    if (const int prepared = prepareFrame(command, contents, &frame); prepared != KvCommunicator::SendOk)
        return prepared;
    const QDeadlineTimer budget(qMax(budgetMs, 1));
    KvCommunicator::SendResult result = KvCommunicator::SendNotConnected;
    QString why;
    for (int attempt = 1;; ++attempt) {
        // One attempt may take what is left, but no more than the usual bound.
        const qint64 wait = qMin<qint64>(budget.remainingTime(), KvCommunicator::kDeliveryTimeoutMs);
        result = deliver(frame, wait, &why);
        if (result == KvCommunicator::SendOk) {
            if (attempt > 1)
                KV_LOG_INFO("%s delivered to %s at attempt %d", KV_CSTR(command), KV_CSTR(m_path), attempt);
            return result;
        }
        if (result == KvCommunicator::SendInvalid || budget.hasExpired())
            break;
        KV_LOG_INFO("%s to %s not delivered yet (%s); trying again", KV_CSTR(command), KV_CSTR(m_path),
                    KV_CSTR(why));
        // A server that is not there at all fails at once: do not spin.
        if (result == KvCommunicator::SendNotConnected)
            QThread::msleep(quint64(qMin<qint64>(budget.remainingTime(), kRetryPauseMs)));
        if (budget.hasExpired())
            break;
    }
    KV_LOG_ERROR("%s to %s not delivered within %d ms: %s", KV_CSTR(command), KV_CSTR(m_path), budgetMs,
                 KV_CSTR(why));
    return result;
}
