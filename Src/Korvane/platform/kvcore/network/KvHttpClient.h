#pragma once

#include <QByteArray>
#include <QList>
#include <QNetworkRequest>
#include <QPair>
#include <QString>

class QIODevice;

// What a synchronous request brought back.
struct KvHttpResponse
{
    // The HTTP status of a complete answer; 0 when none arrived.
    int status = 0;
    QByteArray body;
    QList<QPair<QByteArray, QByteArray>> headers;
    // Empty when the request completed (whatever its status).
    QString error;

    bool isSuccess() const { return error.isEmpty() && status >= 200 && status < 300; }
    QByteArray header(const QByteArray &name) const;
};

// Blocking HTTP requests for worker threads that hold no event loop of their
// own. Each call runs a local event loop on the calling thread's network
// manager (KvNetwork::GetNetManager) until the answer is complete, and never
// longer than its limit: the limit covers the whole request, so a server that
// answers its headers and then stalls in the body still fails in time.
// Redirects are followed on the same scheme, host and port only; one to
// another host ends the request with an error. QThread::exit() on the calling
// thread (a task being stopped) ends a request at once, as cancelled, and
// every later one on that thread fails at once.
//
// Never call this on the GUI thread.
class KvHttpClient
{
public:
    static constexpr int kDefaultTimeoutMs = 5000;
    // The error of a request ended by QThread::exit().
    static constexpr const char *kCancelled = "cancelled";

    // Both answer the HTTP status of a 2xx answer, or -1 with `error` set
    // (timeout, network failure, refused redirect, cancelled, other status);
    // `response` holds whatever body arrived.
    static int post(const QNetworkRequest &request, const QByteArray &body, QByteArray &response, QString &error,
                    int timeoutMs = kDefaultTimeoutMs);
    static int get(const QNetworkRequest &request, QByteArray &response, QString &error,
                   int timeoutMs = kDefaultTimeoutMs);

    // The general form. `body` (may be null) is read from where it stands;
    // it is streamed, not copied, so a QFile of any size costs no memory.
    // `timeoutMs` bounds the whole request; `idleTimeoutMs` (0: none), when
    // given, ends it when no byte has gone out or come in for that long.
    static KvHttpResponse send(const QByteArray &verb, const QNetworkRequest &request, QIODevice *body,
                               int timeoutMs, int idleTimeoutMs = 0);
    static KvHttpResponse send(const QByteArray &verb, const QNetworkRequest &request, const QByteArray &body,
                               int timeoutMs, int idleTimeoutMs = 0);
};
