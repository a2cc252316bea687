#include "KvHttpClient.h"

#include "KvTestHttpServer.h"
#include "KvTestLog.h"

#include <QElapsedTimer>
#include <QNetworkRequest>
#include <QThread>
#include <QtTest>

#include <functional>

namespace {

// Runs `work` on a thread of its own while this thread serves the test
// server; answers how long it took.
qint64 onWorker(const std::function<void()> &work, QThread **running = nullptr)
{
    QElapsedTimer clock;
    clock.start();
    QScopedPointer<QThread> worker(QThread::create(work));
    if (running)
        *running = worker.data();
    worker->start();
    while (!worker->wait(5))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return clock.elapsed();
}

} // namespace

class TestKvHttpClient : public QObject
{
    Q_OBJECT

private slots:
    void answers_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("redirectHost");
        QTest::addColumn<int>("timeoutMs");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("error");

        QTest::newRow("ok") << "ok" << QString() << 5000 << 200 << QString();
        QTest::newRow("server error") << "error" << QString() << 5000 << -1 << "HTTP status 500";
        QTest::newRow("not found") << "missing" << QString() << 5000 << -1 << "HTTP status 404";
        QTest::newRow("no answer") << "silent" << QString() << 300 << -1 << "no complete answer within 300 ms";
        // Headers and half the body, then nothing: the limit covers the body.
        QTest::newRow("stalls in the body") << "stall" << QString() << 300 << -1 << "no complete answer within 300 ms";
        QTest::newRow("redirect, same host") << "redirect" << "127.0.0.1" << 5000 << 200 << QString();
        QTest::newRow("redirect, other host") << "redirect" << "localhost" << 5000 << -1 << "redirect to another host";
    }
    void answers()
    {
        QFETCH(QString, mode);
        QFETCH(QString, redirectHost);
        QFETCH(int, timeoutMs);
        QFETCH(int, status);
        QFETCH(QString, error);

        KvTestHttpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        server.mode = mode;
        server.redirectTo = QStringLiteral("http://%1:%2/final").arg(redirectHost).arg(server.serverPort()).toLatin1();

        int gotStatus = 0;
        int gotPost = 0;
        QByteArray body;
        QString gotError;
        const qint64 elapsed = onWorker([&] {
            QNetworkRequest request(QUrl(server.address() + "/start"));
            gotStatus = KvHttpClient::get(request, body, gotError, timeoutMs);
            QByteArray ignored;
            QString postError;
            gotPost = KvHttpClient::post(request, "{}", ignored, postError, timeoutMs);
        });
        QCOMPARE(gotStatus, status);
        QCOMPARE(gotPost, status);
        QVERIFY2(gotError.startsWith(error), qPrintable(gotError));
        if (status > 0)
            QCOMPARE(body, server.body);
        // Two requests, each within its limit and a margin.
        QVERIFY2(elapsed < 2 * timeoutMs + 1500, qPrintable(QString::number(elapsed)));
        if (redirectHost == "localhost")
            QVERIFY(!server.requests.contains("/final"));
    }

    void connectionRefused()
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const quint16 port = closed.serverPort();
        closed.close();
        KvHttpResponse response;
        onWorker([&] {
            response = KvHttpClient::send("GET", QNetworkRequest(QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(port))),
                                          QByteArray(), 3000);
        });
        QCOMPARE(response.status, 0);
        QVERIFY(!response.error.isEmpty());
    }

    // A task told to end leaves its request at once, and every later request
    // on that thread fails without waiting.
    void threadExitCancels()
    {
        KvTestHttpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        server.mode = "silent";
        QString first;
        QString second;
        QThread *worker = nullptr;
        QTimer::singleShot(200, this, [&] { worker->exit(0); });
        const qint64 elapsed = onWorker(
            [&] {
                QNetworkRequest request(QUrl(server.address()));
                first = KvHttpClient::send("GET", request, QByteArray(), 10000).error;
                second = KvHttpClient::send("GET", request, QByteArray(), 10000).error;
            },
            &worker);
        QCOMPARE(first, QStringLiteral("cancelled"));
        QCOMPARE(second, QStringLiteral("cancelled"));
        QVERIFY2(elapsed < 3000, qPrintable(QString::number(elapsed)));
    }

    void refusedOnGuiThread()
    {
        KvTestLog log;
        QByteArray body;
        QString error;
        QCOMPARE(KvHttpClient::get(QNetworkRequest(QUrl("http://127.0.0.1:9/")), body, error), -1);
        QVERIFY(log.hasError("GUI thread"));
    }
};

QTEST_MAIN(TestKvHttpClient)
#include "tst_kvhttpclient.moc"
