#include "KvHttpStreamUpload.h"

#include <QBuffer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QtTest>

namespace {

// Reads a request whole (head and Content-Length body), then writes
// `answer` and closes.
class ScriptedServer : public QTcpServer
{
public:
    QByteArray answer;
    QByteArray received;

    ScriptedServer()
    {
        connect(this, &QTcpServer::newConnection, this, [this] {
            QTcpSocket *socket = nextPendingConnection();
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                received += socket->readAll();
                const int end = received.indexOf("\r\n\r\n");
                if (end < 0 || answer.isEmpty())
                    return;
                const QByteArray head = received.left(end).toLower();
                const int at = head.indexOf("content-length:");
                const qint64 length = head.mid(at + 15, head.indexOf('\r', at) - at - 15).trimmed().toLongLong();
                if (received.size() < end + 4 + length)
                    return;
                socket->write(answer);
                answer.clear();
                socket->disconnectFromHost();
            });
        });
    }
};

} // namespace

class TestKvHttpStreamUpload : public QObject
{
    Q_OBJECT

private slots:
    void answers_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("error");

        QTest::newRow("sized") << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhello") << 200
                               << QByteArray("hello") << QString();
        QTest::newRow("chunked")
            << QByteArray("HTTP/1.1 200 OK\r\ntransfer-encoding: Chunked\r\n\r\n5\r\nhello\r\n6;x=1\r\n world\r\n0\r\n\r\n")
            << 200 << QByteArray("hello world") << QString();
        QTest::newRow("until closed") << QByteArray("HTTP/1.0 200 OK\r\n\r\nbye") << 200 << QByteArray("bye")
                                      << QString();
        QTest::newRow("redirect") << QByteArray("HTTP/1.1 302 Found\r\nLocation: http://elsewhere/\r\nContent-Length: 0\r\n\r\n")
                                  << 0 << QByteArray() << "redirect refused: http://elsewhere/";
        QTest::newRow("not HTTP") << QByteArray("SSH-2.0-OpenSSH\r\n\r\n") << 0 << QByteArray()
                                  << "not an HTTP answer";
        QTest::newRow("cut short") << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 50\r\n\r\nhalf") << 0
                                   << QByteArray("half") << "the connection closed before a complete answer";
        QTest::newRow("no answer") << QByteArray() << 0 << QByteArray() << "no complete answer within 500 ms";
    }
    void answers()
    {
        QFETCH(QByteArray, answer);
        ScriptedServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        server.answer = answer;

        // Larger than the socket's queue, so that it goes out in turns.
        QByteArray payload(3 * 1024 * 1024 + 17, 'p');
        QBuffer content(&payload);
        content.open(QIODevice::ReadOnly);
        KvHttpResponse response;
        QScopedPointer<QThread> worker(QThread::create([&] {
            response = KvHttpStreamUpload::send("PUT", QUrl(QStringLiteral("http://127.0.0.1:%1/b/a%20b.zip").arg(server.serverPort())),
                                                {{"X-Test", "1"}}, &content, 500, 0);
        }));
        worker->start();
        while (!worker->wait(5))
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);

        QTEST(response.status, "status");
        QTEST(response.body, "body");
        QTEST(response.error, "error");
        QVERIFY(server.received.startsWith("PUT /b/a%20b.zip HTTP/1.1\r\nHost: 127.0.0.1:"));
        QVERIFY(server.received.contains("\r\nContent-Length: 3145745\r\n"));
        if (!answer.isEmpty())
            QVERIFY(server.received.endsWith("\r\n\r\n" + payload));
    }
};

QTEST_MAIN(TestKvHttpStreamUpload)
#include "tst_kvhttpstreamupload.moc"
