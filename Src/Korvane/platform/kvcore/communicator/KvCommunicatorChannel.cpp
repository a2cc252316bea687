#include "KvCommunicatorChannel.h"

#include "IKvBaseLog.h"

#include <QLocalSocket>
#include <QPointer>

namespace {
// Bytes taken from the socket per decoder step, and what Qt may buffer for
// us: a fast peer cannot make the process hold more than this plus one frame.
constexpr qint64 kReadChunk = 64 * 1024;
constexpr qint64 kSocketReadBuffer = 1024 * 1024;
}

KvCommunicatorChannel::KvCommunicatorChannel(QLocalSocket *socket, const QString &peerName, QObject *parent)
    : QObject(parent)
    , m_socket(socket)
    , m_peerName(peerName)
{
    m_socket->setParent(this);
    m_socket->setReadBufferSize(kSocketReadBuffer);
    m_stallTimer.setSingleShot(true);
    m_stallTimer.setInterval(KvCommunicator::kDefaultStallTimeoutMs);
    connect(&m_stallTimer, &QTimer::timeout, this, [this] {
        if (m_awaitingFirstFrame)
            drop(QStringLiteral("no complete message within %1 ms of connecting (%2 bytes held)")
                     .arg(m_stallTimer.interval())
                     .arg(m_decoder.bufferedBytes()));
        else
            drop(QStringLiteral("stalled for %1 ms in the middle of a frame (%2 bytes held)")
                     .arg(m_stallTimer.interval())
                     .arg(m_decoder.bufferedBytes()));
    });
    connect(m_socket, &QLocalSocket::readyRead, this, &KvCommunicatorChannel::readAvailable);
    connect(m_socket, &QLocalSocket::disconnected, this, &KvCommunicatorChannel::onDisconnected);
    // A failed connect ends here, without a disconnected signal.
    connect(m_socket, &QLocalSocket::stateChanged, this, [this](QLocalSocket::LocalSocketState state) {
        if (state == QLocalSocket::UnconnectedState)
            onDisconnected();
    });
    // A connection that waited for its place may have brought its bytes, or
    // even closed, before it was handed over: those signals have gone by.
    // Take it up from the event loop, once the owner has connected to ours.
    if (m_socket->bytesAvailable() > 0 || m_socket->state() == QLocalSocket::UnconnectedState) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (m_socket->state() == QLocalSocket::UnconnectedState)
                    onDisconnected();
                else
                    readAvailable();
            },
            Qt::QueuedConnection);
    }
}

KvCommunicatorChannel::~KvCommunicatorChannel()
{
    // Quietly: the owner is going away, there is no one to tell.
    m_closed = true;
    m_socket->abort();
}

bool KvCommunicatorChannel::isConnected() const
{
    return !m_closed && m_socket->state() == QLocalSocket::ConnectedState;
}

void KvCommunicatorChannel::setStallTimeout(int ms)
{
    m_stallTimer.setInterval(ms);
}

void KvCommunicatorChannel::requireFirstFrame()
{
    if (m_closed)
        return;
    m_awaitingFirstFrame = true;
    m_stallTimer.start();
}

KvCommunicator::SendResult KvCommunicatorChannel::sendText(const QString &text)
{
    const QByteArray frame = KvFrameDecoder::encode(text, m_decoder.maxPayload());
    if (frame.isEmpty()) {
        KV_LOG_ERROR("message to %s not sent: %lld bytes, more than the limit of %d", KV_CSTR(m_peerName),
                     qint64(text.toUtf8().size()), m_decoder.maxPayload());
        return KvCommunicator::SendInvalid;
    }
    return sendFrame(frame);
}

KvCommunicator::SendResult KvCommunicatorChannel::sendFrame(const QByteArray &frame)
{
    if (m_closed) {
        KV_LOG_ERROR("message to %s not sent: the connection is closed", KV_CSTR(m_peerName));
        return KvCommunicator::SendNotConnected;
    }
    if (m_socket->bytesToWrite() + frame.size() > KvCommunicator::kMaxWriteBacklog) {
        KV_LOG_ERROR("message to %s not sent: the peer has left %lld bytes unread", KV_CSTR(m_peerName),
                     m_socket->bytesToWrite());
        return KvCommunicator::SendRefused;
    }
    if (m_socket->write(frame) != frame.size()) {
        KV_LOG_ERROR("message to %s not sent: %s", KV_CSTR(m_peerName), KV_CSTR(m_socket->errorString()));
        return KvCommunicator::SendNotConnected;
    }
    return KvCommunicator::SendOk;
}

void KvCommunicatorChannel::drop(const QString &reason)
{
    if (m_closed)
        return;
    m_closed = true;
    m_stallTimer.stop();
    KV_LOG_ERROR("dropping the connection of %s: %s", KV_CSTR(m_peerName), KV_CSTR(reason));
    m_socket->abort();
    emit sigClosed();
}

void KvCommunicatorChannel::readAvailable()
{
    QPointer<KvCommunicatorChannel> guard(this);
    while (!m_closed && m_socket->bytesAvailable() > 0) {
        const QStringList texts = m_decoder.feed(m_socket->read(kReadChunk));
        if (!texts.isEmpty())
            m_awaitingFirstFrame = false;
        for (const QString &text : texts) {
            emit sigText(text);
            if (!guard || m_closed)
                return;
        }
        if (m_decoder.hasError()) {
            drop(m_decoder.errorString());
            return;
        }
    }
    if (m_closed)
        return;
    // Until the first frame is whole, the deadline runs from the connection
    // (trickled bytes do not extend it); afterwards the time-out counts from
    // the last bytes that arrived.
    if (m_awaitingFirstFrame)
        return;
    if (m_decoder.isMidFrame())
        m_stallTimer.start();
    else
        m_stallTimer.stop();
}

void KvCommunicatorChannel::onDisconnected()
{
    if (m_closed)
        return;
    // Whatever arrived before the close is still ours to read.
    readAvailable();
    if (m_closed)
        return;
    m_closed = true;
    m_stallTimer.stop();
    if (m_decoder.isMidFrame())
        KV_LOG_ERROR("connection of %s closed in the middle of a frame; %lld bytes dropped", KV_CSTR(m_peerName),
                     m_decoder.bufferedBytes());
    emit sigClosed();
}
