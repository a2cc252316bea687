#include "KvHttpClient.h"

#include "IKvBaseLog.h"
#include "KvNetwork.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QThread>
#include <QTimer>

#include <memory>

namespace {

int statusOf(const KvHttpResponse &response, QString &error)
{
    if (!response.error.isEmpty()) {
        error = response.error;
        return -1;
    }
    if (!response.isSuccess()) {
        error = QStringLiteral("HTTP status %1").arg(response.status);
        return -1;
    }
    error.clear();
    return response.status;
}

} // namespace

QByteArray KvHttpResponse::header(const QByteArray &name) const
{
    for (const auto &pair : headers) {
        if (pair.first.compare(name, Qt::CaseInsensitive) == 0)
            return pair.second;
    }
    return QByteArray();
}

int KvHttpClient::post(const QNetworkRequest &request, const QByteArray &body, QByteArray &response,
                       QString &error, int timeoutMs)
{
    const KvHttpResponse answer = send("POST", request, body, timeoutMs);
    response = answer.body;
    return statusOf(answer, error);
}

int KvHttpClient::get(const QNetworkRequest &request, QByteArray &response, QString &error, int timeoutMs)
{
    const KvHttpResponse answer = send("GET", request, nullptr, timeoutMs);
    response = answer.body;
    return statusOf(answer, error);
}

KvHttpResponse KvHttpClient::send(const QByteArray &verb, const QNetworkRequest &request, const QByteArray &body,
                                  int timeoutMs, int idleTimeoutMs)
{
    QBuffer buffer;
    buffer.setData(body);
    buffer.open(QIODevice::ReadOnly);
    return send(verb, request, &buffer, timeoutMs, idleTimeoutMs);
}

KvHttpResponse KvHttpClient::send(const QByteArray &verb, const QNetworkRequest &request, QIODevice *body,
                                  int timeoutMs, int idleTimeoutMs)
{
    KvHttpResponse response;
    const QUrl url = request.url();
    if (!url.isValid() || url.isRelative() || url.host().isEmpty()) {
        response.error = QStringLiteral("not an address: \"%1\"").arg(url.toString());
        return response;
    }
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread()) {
        // A blocking request here would freeze the interface.
        response.error = QStringLiteral("blocking requests are refused on the GUI thread");
        KV_LOG_ERROR("%s", KV_CSTR(response.error));
        return response;
    }

    QNetworkRequest sent(request);
    sent.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::SameOriginRedirectPolicy);
    if (body && !sent.header(QNetworkRequest::ContentLengthHeader).isValid() && !body->isSequential())
        sent.setHeader(QNetworkRequest::ContentLengthHeader, body->size() - body->pos());

    QEventLoop loop;
    QNetworkAccessManager *manager = KvNetwork::GetNetManager();
    std::unique_ptr<QNetworkReply> reply(body && body->bytesAvailable() > 0
                                             ? manager->sendCustomRequest(sent, verb, body)
                                             : manager->sendCustomRequest(sent, verb));
    bool timedOut = false;
    bool idle = false;
    bool finished = false;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        loop.quit();
    });
    QTimer idleTimer;
    idleTimer.setSingleShot(true);
    QObject::connect(&idleTimer, &QTimer::timeout, &loop, [&] {
        idle = true;
        loop.quit();
    });
    auto progressed = [&] {
        if (idleTimeoutMs > 0)
            idleTimer.start(idleTimeoutMs);
    };
    QObject::connect(reply.get(), &QNetworkReply::uploadProgress, &loop, progressed);
    QObject::connect(reply.get(), &QNetworkReply::downloadProgress, &loop, progressed);
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    limit.start(qMax(1, timeoutMs));
    progressed();
    // Returns at once when the thread was told to exit.
    if (!reply->isFinished())
        loop.exec();
    else
        finished = true;

    if (!finished) {
        reply->disconnect(&loop);
        reply->abort();
        response.error = timedOut ? QStringLiteral("no complete answer within %1 ms").arg(timeoutMs)
                         : idle   ? QStringLiteral("no progress for %1 ms").arg(idleTimeoutMs)
                                  : QString::fromLatin1(kCancelled);
        return response;
    }
    response.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    response.body = reply->readAll();
    response.headers = reply->rawHeaderPairs();
    const QNetworkReply::NetworkError error = reply->error();
    if (error == QNetworkReply::InsecureRedirectError || error == QNetworkReply::TooManyRedirectsError
        || (response.status >= 300 && response.status < 400)) {
        response.error = QStringLiteral("redirect to another host refused: %1")
                             .arg(QString::fromUtf8(reply->rawHeader("Location")));
        response.status = 0;
    } else if (response.status == 0) {
        // No HTTP answer at all (refused, reset, name not found).
        response.error = reply->errorString();
    }
    return response;
}
