#include "KvHttpStreamUpload.h"

#include "IKvBaseLog.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QIODevice>
#include <QSslSocket>
#include <QThread>
#include <QTimer>

#include <memory>

namespace {

constexpr qint64 kBlockSize = 256 * 1024;
// Enough queued in the socket to keep the connection busy between turns.
constexpr qint64 kQueuedBytes = 1024 * 1024;
constexpr int kMaxHeaderBytes = 64 * 1024;
constexpr int kMaxBodyBytes = 16 * 1024 * 1024;

// Reads the answer as it arrives: status line, headers, then a body sized by
// Content-Length, sent in chunks, or ended by the connection closing.
class ResponseParser
{
public:
    // False on a malformed answer (error set).
    bool feed(const QByteArray &data, KvHttpResponse &response)
    {
        m_buffer += data;
        if (!m_headersDone) {
            const int end = m_buffer.indexOf("\r\n\r\n");
            if (end < 0)
                return m_buffer.size() <= kMaxHeaderBytes || fail(response, "answer headers too long");
            if (!parseHead(m_buffer.left(end), response))
                return false;
            m_buffer.remove(0, end + 4);
            m_headersDone = true;
        }
        return m_chunked ? feedChunks(response) : feedPlain(response);
    }
    bool isComplete() const { return m_complete; }
    // The server closed the connection: the end of a body without a length.
    void closed()
    {
        if (m_headersDone && !m_chunked && m_length < 0)
            m_complete = true;
    }

private:
    static bool fail(KvHttpResponse &response, const char *why)
    {
        response.error = QString::fromLatin1(why);
        return false;
    }

    bool parseHead(const QByteArray &head, KvHttpResponse &response)
    {
        const QList<QByteArray> lines = head.split('\n');
        const QList<QByteArray> status = lines.value(0).trimmed().split(' ');
        if (!status.value(0).startsWith("HTTP/1.") || status.value(1).toInt() < 100)
            return fail(response, "not an HTTP answer");
        response.status = status.value(1).toInt();
        for (int i = 1; i < lines.size(); ++i) {
            const int colon = lines[i].indexOf(':');
            if (colon <= 0)
                continue;
            const QByteArray name = lines[i].left(colon).trimmed();
            const QByteArray value = lines[i].mid(colon + 1).trimmed();
            response.headers.append({name, value});
            if (name.compare("Content-Length", Qt::CaseInsensitive) == 0)
                m_length = value.toLongLong();
            else if (name.compare("Transfer-Encoding", Qt::CaseInsensitive) == 0)
                m_chunked = value.toLower().contains("chunked");
        }
        if (m_length > kMaxBodyBytes)
            return fail(response, "answer body too large");
        return true;
    }

    bool feedPlain(KvHttpResponse &response)
    {
        response.body += m_buffer;
        m_buffer.clear();
        if (response.body.size() > kMaxBodyBytes)
            return fail(response, "answer body too large");
        if (m_length >= 0 && response.body.size() >= m_length) {
            response.body.truncate(int(m_length));
            m_complete = true;
        }
        return true;
    }

    bool feedChunks(KvHttpResponse &response)
    {
        for (;;) {
            const int lineEnd = m_buffer.indexOf("\r\n");
            if (lineEnd < 0)
                return true;
            bool ok = false;
            const qint64 size = m_buffer.left(lineEnd).split(';').value(0).trimmed().toLongLong(&ok, 16);
            if (!ok || size < 0 || response.body.size() + size > kMaxBodyBytes)
                return fail(response, "malformed chunked answer");
            if (size == 0) {
                m_complete = true; // trailers, if any, are not needed
                return true;
            }
            if (m_buffer.size() < lineEnd + 2 + size + 2)
                return true;
            response.body += m_buffer.mid(lineEnd + 2, int(size));
            m_buffer.remove(0, lineEnd + 2 + int(size) + 2);
        }
    }

    QByteArray m_buffer;
    bool m_headersDone = false;
    bool m_chunked = false;
    bool m_complete = false;
    qint64 m_length = -1;
};

} // namespace

KvHttpResponse KvHttpStreamUpload::send(const QByteArray &verb, const QUrl &url, const HeaderList &headers,
                                        QIODevice *body, int timeoutMs, int idleTimeoutMs)
{
    KvHttpResponse response;
    const bool secure = url.scheme() == QLatin1String("https");
    if (!url.isValid() || url.host().isEmpty() || (!secure && url.scheme() != QLatin1String("http"))) {
        response.error = QStringLiteral("not an http(s) address: \"%1\"").arg(url.toString());
        return response;
    }
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread()) {
        response.error = QStringLiteral("blocking requests are refused on the GUI thread");
        KV_LOG_ERROR("%s", KV_CSTR(response.error));
        return response;
    }
    const qint64 bodySize = body ? body->size() - body->pos() : 0;

    QByteArray target = url.toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority | QUrl::RemoveFragment);
    if (target.isEmpty())
        target = "/";
    QByteArray head = verb + ' ' + target + " HTTP/1.1\r\n";
    const int defaultPort = secure ? 443 : 80;
    head += "Host: " + url.host(QUrl::FullyEncoded).toLatin1();
    if (url.port(defaultPort) != defaultPort)
        head += ':' + QByteArray::number(url.port());
    head += "\r\nContent-Length: " + QByteArray::number(bodySize) + "\r\nConnection: close\r\n";
    for (const auto &header : headers)
        head += header.first + ": " + header.second + "\r\n";
    head += "\r\n";

    // A plain socket for http: a TLS one would load the TLS library for nothing.
    std::unique_ptr<QTcpSocket> socketOwner(secure ? new QSslSocket : new QTcpSocket);
    QTcpSocket &socket = *socketOwner;
    QEventLoop loop;
    ResponseParser parser;
    qint64 sent = 0;
    bool headSent = false;
    QString failure;
    bool ended = false;
    auto finish = [&](const QString &why) {
        if (failure.isEmpty() && !parser.isComplete())
            failure = why;
        ended = true;
        loop.quit();
    };
    QTimer idleTimer;
    idleTimer.setSingleShot(true);
    auto progressed = [&] {
        if (idleTimeoutMs > 0)
            idleTimer.start(idleTimeoutMs);
    };
    // Tops the socket's queue up with the next blocks of the body.
    auto feed = [&] {
        progressed();
        while (headSent && sent < bodySize && socket.bytesToWrite() < kQueuedBytes) {
            const QByteArray block = body->read(qMin(kBlockSize, bodySize - sent));
            if (block.isEmpty()) {
                finish(QStringLiteral("cannot read the body: %1").arg(body->errorString()));
                socket.abort();
                return;
            }
            socket.write(block);
            sent += block.size();
        }
    };
    auto connected = [&] {
        socket.write(head);
        headSent = true;
        feed();
    };
    QObject::connect(&socket, &QTcpSocket::bytesWritten, &loop, feed);
    if (auto *ssl = qobject_cast<QSslSocket *>(&socket)) {
        QObject::connect(ssl, &QSslSocket::encrypted, &loop, connected);
        QObject::connect(ssl, &QSslSocket::encryptedBytesWritten, &loop, feed);
        QObject::connect(ssl, QOverload<const QList<QSslError> &>::of(&QSslSocket::sslErrors), &loop,
                         [&](const QList<QSslError> &errors) { finish(errors.value(0).errorString()); });
    } else {
        QObject::connect(&socket, &QTcpSocket::connected, &loop, connected);
    }
    QObject::connect(&socket, &QTcpSocket::readyRead, &loop, [&] {
        progressed();
        if (!parser.feed(socket.readAll(), response))
            finish(response.error);
        else if (parser.isComplete())
            finish(QString());
    });
    QObject::connect(&socket, &QTcpSocket::disconnected, &loop, [&] {
        if (!parser.feed(socket.readAll(), response))
            return finish(response.error);
        parser.closed();
        finish(QStringLiteral("the connection closed before a complete answer"));
    });
    QObject::connect(&socket, &QTcpSocket::errorOccurred, &loop, [&](QAbstractSocket::SocketError error) {
        // Handled with the disconnection, where an answer without a length
        // ends.
        if (error == QAbstractSocket::RemoteHostClosedError)
            return;
        finish(socket.errorString());
    });
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop,
                     [&] { finish(QStringLiteral("no complete answer within %1 ms").arg(timeoutMs)); });
    QObject::connect(&idleTimer, &QTimer::timeout, &loop,
                     [&] { finish(QStringLiteral("no progress for %1 ms").arg(idleTimeoutMs)); });

    limit.start(qMax(1, timeoutMs));
    progressed();
    if (auto *ssl = qobject_cast<QSslSocket *>(&socket))
        ssl->connectToHostEncrypted(url.host(), quint16(url.port(defaultPort)));
    else
        socket.connectToHost(url.host(), quint16(url.port(defaultPort)));
    // Returns at once when the thread was told to exit.
    loop.exec();
    if (!ended)
        failure = QString::fromLatin1(KvHttpClient::kCancelled);
    socket.disconnect(&loop);
    socket.abort();
    if (!failure.isEmpty() && !parser.isComplete()) {
        response.status = 0;
        response.error = failure;
    } else if (response.status >= 300 && response.status < 400) {
        response.error = QStringLiteral("redirect refused: %1").arg(QString::fromLatin1(response.header("Location")));
        response.status = 0;
    }
    return response;
}
