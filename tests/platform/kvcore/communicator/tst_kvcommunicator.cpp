#include "IKvBaseLog.h"
#include "KvCommunicatorClient.h"
#include "KvCommunicatorMsg.h"
#include "KvCommunicatorServer.h"
#include "KvFrameDecoder.h"
#include "KvPaths.h"

#include <QLocalSocket>
#include <QMutex>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <memory>
#include <vector>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kChannel = QStringLiteral("NEW_SERVER_KORVANE_COMMUNICATOR_NAME");
const QString kOrvala = QStringLiteral(KORVANE_BIN_DIR "/Orvala.exe");

QByteArray header(quint32 length)
{
    char size[4];
    qToBigEndian(length, size);
    return QByteArray("KVC1") + QByteArray(size, 4);
}

QByteArray frameOf(const QList<KvCommunicatorMsg> &messages)
{
    return KvFrameDecoder::encode(KvCommunicatorMsg::toText(messages));
}

QList<KvCommunicatorMsg> messagesOf(const QList<QList<QVariant>> &spy)
{
    QList<KvCommunicatorMsg> messages;
    for (const QList<QVariant> &arguments : spy)
        messages += KvCommunicatorMsg::buildListFromString(arguments.at(0).toString());
    return messages;
}

bool processAlive(qint64 pid)
{
    if (pid <= 0 || ::kill(pid_t(pid), 0) != 0)
        return false;
    // A zombie is dead too, just not yet reaped.
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    return !stat.open(QIODevice::ReadOnly) || !stat.readAll().contains(") Z ");
}

} // namespace

Q_DECLARE_METATYPE(KvCommunicatorMsg)

class TestKvCommunicator : public QObject
{
    Q_OBJECT

private:
    QMutex m_logMutex;
    QStringList m_log; // "I message" / "E message"
    QList<qint64> m_strayPids;

    int logCount(const QString &needle, char level = 0)
    {
        QMutexLocker lock(&m_logMutex);
        int count = 0;
        for (const QString &line : qAsConst(m_log)) {
            if ((level == 0 || line.at(0) == QLatin1Char(level)) && line.contains(needle))
                ++count;
        }
        return count;
    }

    KvCommunicatorServer *server() { return KvCommunicatorServer::GetInstance(); }

private slots:
    void initTestCase()
    {
        QVERIFY2(QFileInfo(kOrvala).isExecutable(), qPrintable(kOrvala));
        GetGlobalLogInstance()->setObserver([this](IKvBaseLog::Level level, const std::string &message) {
            QMutexLocker lock(&m_logMutex);
            const char tag = level == IKvBaseLog::Level::Error ? 'E' : level == IKvBaseLog::Level::Info ? 'I' : 'T';
            m_log << QString(QLatin1Char(tag)) + QLatin1Char(' ') + QString::fromStdString(message);
        });
    }
    void cleanupTestCase() { GetGlobalLogInstance()->setObserver({}); }

    void init()
    {
        for (const char *name : {"KV_HELPER_EXIT_AFTER_MS", "KV_HELPER_CRASH_ON", "KV_HELPER_HANG_ON"})
            qunsetenv(name);
        QMutexLocker lock(&m_logMutex);
        m_log.clear();
    }
    void cleanup()
    {
        KvCommunicatorServer::Release();
        for (qint64 pid : qAsConst(m_strayPids))
            ::kill(pid_t(pid), SIGKILL);
        m_strayPids.clear();
    }

    void listenMakesPrivateSocket()
    {
        const QString path = KvCommunicatorServer::socketPathForName(kChannel);
        QCOMPARE(path, KvPaths::runtimeDir() + "/" + kChannel);
        // Left behind by a process that is gone.
        QFile stale(path);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.close();

        QVERIFY(server()->Listen(kChannel));
        QVERIFY(server()->isListening());
        QCOMPARE(server()->serverPath(), path);
        struct stat info = {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &info), 0);
        QVERIFY(S_ISSOCK(info.st_mode));
        QCOMPARE(info.st_mode & 0777, mode_t(0700));
        QCOMPARE(info.st_uid, ::getuid());

        KvCommunicatorServer::Release();
        QVERIFY(!QFileInfo::exists(path));
    }

    void listenRefusesBadNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << "";
        QTest::newRow("path") << "../elsewhere";
        QTest::newRow("parent") << "..";
    }
    void listenRefusesBadNames()
    {
        QFETCH(QString, name);
        QVERIFY(!server()->Listen(name));
        QVERIFY(!server()->isListening());
        QCOMPARE(logCount("not a usable channel name", 'E'), 1);
        KvCommunicatorClient client;
        QVERIFY(!client.ConnectToServer(name));
    }

    // What a second instance of the editor does: connect, send with delivery,
    // exit at once.
    void secondInstanceReachesServer()
    {
        QVERIFY(server()->Listen(kChannel));
        QSignalSpy received(server(), &KvCommunicatorServer::sigReceveMsgFrom);
        const QString path = QString::fromUtf8("-open:/tmp/ü dir/a b.kvproj");
        QProcess second;
        second.start(QStringLiteral(KVCOMM_SEND_PATH), {kChannel, "CMD_OPEN_PROJECT", path});
        QTRY_COMPARE(second.state(), QProcess::NotRunning);
        QCOMPARE(second.exitCode(), 0);
        QTRY_COMPARE(received.count(), 1);
        QCOMPARE(messagesOf(received), QList<KvCommunicatorMsg>{KvCommunicatorMsg("CMD_OPEN_PROJECT", {path})});
        QCOMPARE(logCount("received: CMD_OPEN_PROJECT", 'I'), 1);
    }

    void noServerIsNoError()
    {
        QProcess second;
        second.start(QStringLiteral(KVCOMM_SEND_PATH), {kChannel, "CMD_REOPEN_APP", " "});
        QVERIFY(second.waitForFinished(5000));
        QCOMPARE(second.exitCode(), 1);
        QVERIFY(second.readAllStandardOutput().trimmed().toInt() < 0);

        KvCommunicatorClient client;
        QVERIFY(!client.ConnectToServer(kChannel));
        QVERIFY(client.SendMsg("CMD_KORVANE_START", {"0"}, false) < 0);
        QVERIFY(client.SendMsg("CMD_KORVANE_START", {"0"}, true) < 0);
        QCOMPARE(logCount("CMD_KORVANE_START to ", 'E'), 2);
    }

    // Both directions between a client and a server, and a client that finds
    // its server again after the server was gone.
    void clientAndServer()
    {
        QVERIFY(server()->Listen(kChannel));
        QSignalSpy received(server(), &KvCommunicatorServer::sigReceveMsgFrom);
        KvCommunicatorClient client;
        QSignalSpy fromServer(&client, &KvCommunicatorClient::sigRecveMsg);
        QSignalSpy lost(&client, &KvCommunicatorClient::sigDisconnected);
        QVERIFY(client.ConnectToServer(kChannel));
        QCOMPARE(client.SendMsg("CMD_A", {"1"}, false), 0);
        QCOMPARE(client.SendMsg("CMD_B", {}, false), 0);
        QTRY_COMPARE(received.count(), 2);
        QCOMPARE(messagesOf(received),
                 (QList<KvCommunicatorMsg>{KvCommunicatorMsg("CMD_A", {"1"}), KvCommunicatorMsg("CMD_B", {})}));

        QCOMPARE(server()->sendMsgToClients("CMD_EFFECTSTORE_START", {"0"}), 1);
        QTRY_COMPARE(fromServer.count(), 1);
        QCOMPARE(messagesOf(fromServer), QList<KvCommunicatorMsg>{KvCommunicatorMsg("CMD_EFFECTSTORE_START", {"0"})});

        KvCommunicatorServer::Release();
        QTRY_COMPARE(lost.count(), 1);
        QVERIFY(!client.isConnected());
        QVERIFY(client.SendMsg("CMD_LOST", {}, false) < 0);

        QVERIFY(server()->Listen(kChannel));
        QSignalSpy receivedAgain(server(), &KvCommunicatorServer::sigReceveMsgFrom);
        QCOMPARE(client.SendMsg("CMD_AGAIN", {}, false), 0);
        QTRY_COMPARE(receivedAgain.count(), 1);
        QCOMPARE(messagesOf(receivedAgain), QList<KvCommunicatorMsg>{KvCommunicatorMsg("CMD_AGAIN", {})});
    }

    void trackPublic_data()
    {
        QTest::addColumn<QList<KvCommunicatorMsg>>("messages");
        QTest::addColumn<int>("asked");
        QTest::addColumn<QString>("logLine");
        using M = KvCommunicatorMsg;
        QTest::newRow("asks") << QList<M>{M("GACMD_TRACK_PUBLIC", {})} << 1 << "received: GACMD_TRACK_PUBLIC";
        QTest::newRow("among others") << QList<M>{M("CMD_A", {}), M("GACMD_TRACK_PUBLIC", {}), M("CMD_B", {"x"})} << 1
                                      << "received: CMD_A, GACMD_TRACK_PUBLIC, CMD_B";
        QTest::newRow("only named in contents") << QList<M>{M("CMD_A", {"GACMD_TRACK_PUBLIC"})} << 0
                                                << "received: CMD_A";
    }
    void trackPublic()
    {
        QFETCH(QList<KvCommunicatorMsg>, messages);
        QFETCH(int, asked);
        QFETCH(QString, logLine);
        QVERIFY(server()->Listen(kChannel));
        QSignalSpy received(server(), &KvCommunicatorServer::sigReceveMsgFrom);
        QSignalSpy track(server(), &KvCommunicatorServer::sigTrackPublic);
        QLocalSocket peer;
        peer.connectToServer(server()->serverPath());
        QVERIFY(peer.waitForConnected(1000));
        peer.write(frameOf(messages));
        QTRY_COMPARE(received.count(), 1);
        QCOMPARE(messagesOf(received), messages);
        QCOMPARE(track.count(), asked);
        QCOMPARE(logCount("received: ", 'I'), 1);
        QCOMPARE(logCount(logLine, 'I'), 1);
    }

    // A receiver that turns a nested event loop (a project being read) while
    // its sender hangs up: the closed connection goes away inside the loop,
    // and the server must not be left inside that connection's signal.
    void receiverRunsNestedLoopWhileSenderLeaves()
    {
        QVERIFY(server()->Listen(kChannel));
        int handled = 0;
        auto *peer = new QLocalSocket;
        QMetaObject::Connection nested = connect(server(), &KvCommunicatorServer::sigReceveMsgFrom, this, [&] {
            ++handled;
            peer->disconnectFromServer();
            QEventLoop loop;
            QTimer::singleShot(200, &loop, &QEventLoop::quit);
            loop.exec(QEventLoop::ExcludeUserInputEvents);
        });
        peer->connectToServer(server()->serverPath());
        QVERIFY(peer->waitForConnected(1000));
        peer->write(frameOf({KvCommunicatorMsg(QStringLiteral("CMD_A"), {QStringLiteral("x")})}));
        QVERIFY(peer->waitForBytesWritten(1000));
        QTRY_COMPARE(handled, 1);
        disconnect(nested);
        delete peer;
        // The server still serves the next peer.
        QSignalSpy received(server(), &KvCommunicatorServer::sigReceveMsgFrom);
        QLocalSocket next;
        next.connectToServer(server()->serverPath());
        QVERIFY(next.waitForConnected(1000));
        next.write(frameOf({KvCommunicatorMsg(QStringLiteral("CMD_B"), {})}));
        QTRY_COMPARE(received.count(), 1);
    }

    void helperRoundTrip()
    {
        qputenv("KV_HELPER_CRASH_ON", "CMD_TEST_CRASH");
        QSignalSpy received(server(), &KvCommunicatorServer::sigReceveMsgFrom);
        const QString link = QString::fromUtf8("https://example.org/orvala?q=ü&did=1");
        // No Listen() first: the helper still gets a channel back.
        QVERIFY(server()->StartProcess(kOrvala, {link}, true, true));
        QVERIFY(server()->isListening());
        const QString spelledOtherwise = QStringLiteral(KORVANE_BIN_DIR "/./Orvala.exe");
        QVERIFY(server()->IsProcessStarted(spelledOtherwise));
        QVERIFY(server()->processId(kOrvala) > 0);
        QVERIFY(!server()->StartProcess(kOrvala, {}, true, true));

        // Sent before the helper has connected back: they wait for it.
        QCOMPARE(server()->SendMsgToProcess("CMD_ORVALA_REOPEN", {"https://example.org/2"}, kOrvala), 1);
        QCOMPARE(server()->SendMsgToProcess("CMD_CHANGE_KORVANE_LANG", {"3"}, QString()), 1);
        QTRY_COMPARE(received.count(), 3);
        using M = KvCommunicatorMsg;
        QCOMPARE(messagesOf(received),
                 (QList<M>{M("CMD_ORVALA_STARTED", {link}),
                           M("CMD_HELPER_ECHO", {"CMD_ORVALA_REOPEN", "https://example.org/2"}),
                           M("CMD_HELPER_ECHO", {"CMD_CHANGE_KORVANE_LANG", "3"})}));
        QCOMPARE(logCount("KVCMD_HELLO"), 0);

        QCOMPARE(server()->SendMsgToProcess("CMD_TEST_CRASH", {}, kOrvala), 1);
        QTRY_VERIFY(!server()->IsProcessStarted(kOrvala));
        QCOMPARE(logCount("ended: crashed", 'I'), 1);
        QVERIFY(server()->SendMsgToProcess("CMD_ORVALA_REOPEN", {"x"}, kOrvala) < 0);
        QCOMPARE(logCount("CMD_ORVALA_REOPEN to " + kOrvala + " dropped: the helper is not running", 'I'), 1);
        QCOMPARE(server()->SendMsgToProcess("CMD_CHANGE_KORVANE_LANG", {"3"}, QString()), 0);

        // It can be started again once it has ended.
        qunsetenv("KV_HELPER_CRASH_ON");
        qputenv("KV_HELPER_EXIT_AFTER_MS", "0");
        QVERIFY(server()->StartProcess(kOrvala, {}, true, true));
        QTRY_VERIFY(!server()->IsProcessStarted(kOrvala));
        QCOMPARE(logCount("ended: exit code 0", 'I'), 1);
    }

    void cannotStart_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing") << "/nonexistent/Orvala.exe";
        QTest::newRow("a folder") << QStringLiteral(KORVANE_BIN_DIR);
        QTest::newRow("not executable") << QStringLiteral(KORVANE_SOURCE_DIR "/CMakeLists.txt");
    }
    void cannotStart()
    {
        QFETCH(QString, path);
        QVERIFY(!server()->StartProcess(path, {"x"}, true, true));
        QCOMPARE(logCount("no executable file there", 'E'), 1);
        QVERIFY(!server()->IsProcessStarted(path));
        QCOMPARE(server()->SendMsgToProcess("CMD_ORVALA_REOPEN", {"x"}, path), int(KvCommunicator::SendNotConnected));
        QCOMPARE(logCount("dropped: the helper is not running", 'I'), 1);
    }

    void noChannelBack()
    {
        QVERIFY(server()->StartProcess(kOrvala, {}, false, true));
        QVERIFY(!server()->isListening());
        QVERIFY(server()->IsProcessStarted(kOrvala));
        QCOMPARE(server()->SendMsgToProcess("CMD_ORVALA_REOPEN", {"x"}, kOrvala), int(KvCommunicator::SendNoChannel));
        // Without a channel the stand-in refuses to run.
        QTRY_VERIFY(!server()->IsProcessStarted(kOrvala));
        QCOMPARE(logCount("ended: exit code 2", 'I'), 1);
    }

    void releaseStopsHelpersThatAskForIt_data()
    {
        QTest::addColumn<bool>("stopWithServer");
        QTest::addColumn<QString>("hangOn");
        QTest::newRow("stopped") << true << QString();
        QTest::newRow("hung, stopped") << true << "CMD_TEST_HANG";
        QTest::newRow("outlives the server") << false << QString();
    }
    void releaseStopsHelpersThatAskForIt()
    {
        QFETCH(bool, stopWithServer);
        QFETCH(QString, hangOn);
        // A stand-in without a channel ends, unless it has a set lifetime.
        qputenv("KV_HELPER_EXIT_AFTER_MS", "20000");
        qputenv("KV_HELPER_HANG_ON", hangOn.toUtf8());
        QVERIFY(server()->Listen(kChannel));
        QSignalSpy received(server(), &KvCommunicatorServer::sigReceveMsgFrom);
        QVERIFY(server()->StartProcess(kOrvala, {"link"}, true, stopWithServer));
        const qint64 pid = server()->processId(kOrvala);
        m_strayPids << pid;
        QTRY_COMPARE(received.count(), 1);
        if (!hangOn.isEmpty())
            QCOMPARE(server()->SendMsgToProcess(hangOn, {}, kOrvala), 1);

        QElapsedTimer timer;
        timer.start();
        KvCommunicatorServer::Release();
        QVERIFY(timer.elapsed() < 3000);
        QCOMPARE(processAlive(pid), !stopWithServer);
        if (!stopWithServer) {
            ::kill(pid_t(pid), SIGKILL);
            QTRY_VERIFY(!processAlive(pid));
        }
    }

    // A connection that breaks the protocol is dropped with a log line,
    // nothing of it is delivered, and the server goes on serving others.
    void brokenConnections_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("closeAfter");
        QTest::addColumn<QString>("logLine");
        QTest::addColumn<bool>("connectionStays");
        QTest::newRow("garbage") << QByteArray("GET / HTTP/1.1\r\n").repeated(4096) << false << "bad frame magic"
                                 << false;
        QTest::newRow("over the limit") << header(0x7FFFFFFF) + QByteArray(1 << 20, 'z') << false
                                        << "more than the limit" << false;
        QTest::newRow("sends nothing") << QByteArray() << false << "no complete message within 200 ms of connecting"
                                       << false;
        QTest::newRow("stalls in its first frame") << header(100) + QByteArray(10, 'a') << false
                                                   << "no complete message within 200 ms of connecting" << false;
        QTest::newRow("stalls mid-frame after a message")
            << frameOf({KvCommunicatorMsg("CMD_FIRST", {})}) + header(100) + QByteArray(10, 'a') << false
            << "stalled for 200 ms in the middle of a frame" << false;
        QTest::newRow("closes mid-frame") << header(100) + QByteArray(10, 'a') << true
                                          << "closed in the middle of a frame; 18 bytes dropped" << false;
        QTest::newRow("not UTF-8") << header(2) + "\xff\xff" << false << "not UTF-8" << false;
        QTest::newRow("hello nobody expects")
            << frameOf({KvCommunicatorMsg("KVCMD_HELLO", {"0123"})}) << false << "token of no helper" << false;
        QTest::newRow("malformed text") << KvFrameDecoder::encode("CMD_OPEN_PROJECT /a") << false
                                        << "dropped a malformed text" << true;
        QTest::newRow("no messages") << KvFrameDecoder::encode("[]") << false << "without messages" << true;
    }
    void brokenConnections()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, closeAfter);
        QFETCH(QString, logLine);
        QFETCH(bool, connectionStays);
        server()->setStallTimeout(200);
        QVERIFY(server()->Listen(kChannel));
        QSignalSpy received(server(), &KvCommunicatorServer::sigReceveMsgFrom);

        QLocalSocket peer;
        peer.connectToServer(server()->serverPath());
        QVERIFY(peer.waitForConnected(1000));
        peer.write(bytes);
        if (bytes.startsWith(frameOf({KvCommunicatorMsg("CMD_FIRST", {})})))
            QTRY_COMPARE(received.count(), 1);
        if (closeAfter)
            peer.disconnectFromServer();
        QTRY_COMPARE(logCount(logLine, 'E'), 1);
        if (!connectionStays)
            QTRY_COMPARE(peer.state(), QLocalSocket::UnconnectedState);

        KvCommunicatorClient other;
        QVERIFY(other.ConnectToServer(kChannel));
        QCOMPARE(other.SendMsg("CMD_STILL_SERVED", {}, false), 0);
        QTRY_VERIFY(messagesOf(received).contains(KvCommunicatorMsg("CMD_STILL_SERVED", {})));
        received.clear();

        if (connectionStays) {
            QCOMPARE(peer.state(), QLocalSocket::ConnectedState);
            peer.write(frameOf({KvCommunicatorMsg("CMD_SAME_PEER", {})}));
            QTRY_COMPARE(received.count(), 1);
            QCOMPARE(messagesOf(received).last(), KvCommunicatorMsg("CMD_SAME_PEER", {}));
        }
    }

    // Idle connections past the cap never lock others out: each is dropped
    // when it has not completed a message in time, and a second instance
    // that came later is served.
    void idleConnectionsPastTheCap()
    {
        server()->setStallTimeout(300);
        QVERIFY(server()->Listen(kChannel));
        QSignalSpy received(server(), &KvCommunicatorServer::sigReceveMsgFrom);
        std::vector<std::unique_ptr<QLocalSocket>> idle;
        for (int i = 0; i < KvCommunicatorServer::kMaxConnections + 6; ++i) {
            idle.push_back(std::make_unique<QLocalSocket>());
            idle.back()->connectToServer(server()->serverPath());
            // The server takes connections from its event loop.
            QCoreApplication::processEvents();
        }
        for (const auto &socket : idle)
            QTRY_COMPARE(socket->state(), QLocalSocket::ConnectedState);
        QTRY_COMPARE(server()->connectionCount(), KvCommunicatorServer::kMaxConnections);
        QCOMPARE(logCount("new ones wait for a free place", 'E'), 1);

        QProcess second;
        second.start(QStringLiteral(KVCOMM_SEND_PATH), {kChannel, "CMD_OPEN_PROJECT", "/late.kvproj"});
        QTRY_COMPARE_WITH_TIMEOUT(received.count(), 1, 10000);
        QCOMPARE(messagesOf(received), QList<KvCommunicatorMsg>{KvCommunicatorMsg("CMD_OPEN_PROJECT", {"/late.kvproj"})});
        QTRY_COMPARE(second.state(), QProcess::NotRunning);
        QCOMPARE(second.exitCode(), 0);
        QTRY_COMPARE(logCount("no complete message within 300 ms of connecting", 'E'),
                     KvCommunicatorServer::kMaxConnections + 6);
        QTRY_COMPARE(server()->connectionCount(), 0);
    }

    // A second instance that tries again within its budget delivers its
    // message exactly once, whether the server was missing for a while or
    // its thread was busy; with no server at all it reports the failure.
    void forwardingClientDeliversAfterBusyServer_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<int>("budgetMs");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("server busy for 3 s") << "busy" << 2000 << 0;
        QTest::newRow("server listening only after 1.5 s") << "late" << 5000 << 0;
        QTest::newRow("no server within the budget") << "none" << 1200 << 1;
    }
    void forwardingClientDeliversAfterBusyServer()
    {
        QFETCH(QString, server);
        QFETCH(int, budgetMs);
        QFETCH(int, exitCode);
        if (server == "busy")
            QVERIFY(this->server()->Listen(kChannel));
        QSignalSpy received(this->server(), &KvCommunicatorServer::sigReceveMsgFrom);
        QElapsedTimer timer;
        timer.start();
        QProcess second;
        second.start(QStringLiteral(KVCOMM_SEND_PATH),
                     {"--budget", QString::number(budgetMs), kChannel, "CMD_OPEN_PROJECT", "/busy.kvproj"});
        QVERIFY(second.waitForStarted());
        if (server == "busy")
            QThread::msleep(3000); // this thread, the server's, does nothing else
        else if (server == "late")
            QTimer::singleShot(1500, this, [this] { QVERIFY(this->server()->Listen(kChannel)); });
        QTRY_COMPARE_WITH_TIMEOUT(second.state(), QProcess::NotRunning, 10000);
        QCOMPARE(second.exitCode(), exitCode);
        if (exitCode != 0) {
            QVERIFY(timer.elapsed() >= budgetMs);
            QVERIFY(second.readAllStandardOutput().trimmed().toInt() < 0);
            QVERIFY(second.readAllStandardError().contains("not delivered within 1200 ms"));
            QCOMPARE(received.count(), 0);
            return;
        }
        QTRY_COMPARE(received.count(), 1);
        QTest::qWait(200);
        QCOMPARE(messagesOf(received), QList<KvCommunicatorMsg>{KvCommunicatorMsg("CMD_OPEN_PROJECT", {"/busy.kvproj"})});
    }

    // A 4 MiB message each way, between the server and a helper.
    void largeMessages()
    {
        QVERIFY(server()->Listen(kChannel));
        QSignalSpy received(server(), &KvCommunicatorServer::sigReceveMsgFrom);
        QVERIFY(server()->StartProcess(kOrvala, {}, true, true));
        const QString big = QString(4 << 20, QChar('b')) + QString::fromUtf8("ü");
        QCOMPARE(server()->SendMsgToProcess("CMD_EFFECTSTORE_PACKDOWNLOAD", {big}, kOrvala), 1);
        QTRY_COMPARE(received.count(), 2);
        const QList<KvCommunicatorMsg> messages = messagesOf(received);
        QCOMPARE(messages.last().contents().size(), 2);
        QVERIFY(messages.last().contents().at(1) == big);

        QVERIFY(server()->SendMsgToProcess("CMD_TOO_BIG", {QString(KvCommunicator::kMaxPayload, QChar('x'))}, kOrvala)
                < 0);
        QCOMPARE(logCount("CMD_TOO_BIG not sent", 'E'), 1);
    }
};

QTEST_GUILESS_MAIN(TestKvCommunicator)
#include "tst_kvcommunicator.moc"
