#include "KvNetwork.h"

#include "KvTestHttpServer.h"
#include "KvTestLog.h"

#include <QAbstractEventDispatcher>
#include <QNetworkAccessManager>
#include <QProcess>
#include <QPointer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <climits>
#include <cstdio>

class TestKvNetwork : public QObject
{
    Q_OBJECT

private slots:
    void managerBelongsToItsThread()
    {
        QNetworkAccessManager *gui = KvNetwork::GetNetManager();
        QCOMPARE(KvNetwork::GetNetManager(), gui);
        QCOMPARE(gui->thread(), QThread::currentThread());

        QPointer<QNetworkAccessManager> workerManager;
        bool sameTwice = false;
        bool ownThread = false;
        QScopedPointer<QThread> worker(QThread::create([&] {
            workerManager = KvNetwork::GetNetManager();
            sameTwice = KvNetwork::GetNetManager() == workerManager;
            ownThread = workerManager->thread() == QThread::currentThread();
        }));
        worker->start();
        QVERIFY(worker->wait(10000));
        QVERIFY(sameTwice);
        QVERIFY(ownThread);
        // Gone with its thread.
        QVERIFY(workerManager.isNull());

        QPointer<QNetworkAccessManager> released = gui;
        KvNetwork::ReleaseManeger();
        QVERIFY(released.isNull());
        QVERIFY(KvNetwork::GetNetManager());
    }

    // An idle process with a network manager does not wake for bearer
    // polling, unless the user's environment asks for it. Measured in a
    // child, since the interval is fixed once per process.
    void noBearerPolling_data()
    {
        QTest::addColumn<QByteArray>("userValue");
        QTest::addColumn<QByteArray>("effective");
        QTest::addColumn<int>("minWakeups");
        QTest::addColumn<int>("maxWakeups");
        QTest::newRow("not set") << QByteArray() << QByteArray::number(INT_MAX) << 0 << 3;
        QTest::newRow("the user's value wins") << QByteArray("100") << QByteArray("100") << 5 << 1000;
    }
    void noBearerPolling()
    {
        QFETCH(QByteArray, userValue);
        QFETCH(QByteArray, effective);
        QFETCH(int, minWakeups);
        QFETCH(int, maxWakeups);
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(KvNetwork::kBearerPollVariable);
        if (!userValue.isEmpty())
            environment.insert(KvNetwork::kBearerPollVariable, userValue);
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {"--idle-manager", "1200"});
        QVERIFY(child.waitForFinished(20000));
        QCOMPARE(child.exitCode(), 0);
        const QList<QByteArray> words = child.readAllStandardOutput().trimmed().split(' ');
        QCOMPARE(words.size(), 2);
        QCOMPARE(words.at(0), effective);
        const int wakeups = words.at(1).toInt();
        QVERIFY2(wakeups >= minWakeups && wakeups <= maxWakeups, words.at(1).constData());
    }

    void download_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("finished");
        QTest::addColumn<bool>("timedOut");
        QTest::newRow("complete") << "ok" << true << false;
        QTest::newRow("not found") << "missing" << false << false;
        QTest::newRow("no answer") << "silent" << false << true;
        QTest::newRow("cancelled") << "cancel" << false << false;
        QTest::newRow("nobody listening") << "closed" << false << false;
    }
    void download()
    {
        QFETCH(QString, mode);
        QFETCH(bool, finished);
        QFETCH(bool, timedOut);
        QTemporaryDir dir;
        KvTestHttpServer server;
        server.mode = mode;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        const QUrl url(QString("http://127.0.0.1:%1/StartTips.zip").arg(server.serverPort()));
        if (mode == "closed")
            server.close();

        KvTestLog log;
        KvNetwork client;
        QSignalSpy done(&client, &KvNetwork::sigDownloadFinished);
        QSignalSpy timeout(&client, &KvNetwork::sigTimeout);
        const QString target = dir.filePath("sub/StartTips.zip");
        QVERIFY(client.downloadFile(url, target, mode == "silent" ? 300 : 30000));
        if (mode == "cancel")
            client.cancelAll();
        QVERIFY(done.count() == 1 || done.wait(20000));
        QTest::qWait(20);
        QCOMPARE(done.count(), 1);
        QCOMPARE(done.first().at(0).toBool(), finished);
        QCOMPARE(done.first().at(1).toString(), target);
        QCOMPARE(timeout.count(), timedOut ? 1 : 0);
        QCOMPARE(client.pendingCount(), 0);
        if (finished) {
            QFile file(target);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), server.body);
            QVERIFY(log.errors().isEmpty());
        } else {
            QVERIFY(!log.errors().isEmpty());
        }
    }

    void downloadThatCannotStart()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath("file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        KvNetwork client;
        QSignalSpy done(&client, &KvNetwork::sigDownloadFinished);
        QVERIFY(!client.downloadFile(QUrl("relative/path"), dir.filePath("a"), 0));
        QVERIFY(!client.downloadFile(QUrl("http://127.0.0.1:9/x"), dir.filePath("file/below/a file"), 0));
        QCOMPARE(done.count(), 0);
    }

    // A client destroyed mid-download reports nothing and leaks nothing.
    void destroyedWhileDownloading()
    {
        QTemporaryDir dir;
        KvTestHttpServer server;
        server.mode = "silent";
        QVERIFY(server.listen(QHostAddress::LocalHost));
        auto *client = new KvNetwork;
        QVERIFY(client->downloadFile(QUrl(QString("http://127.0.0.1:%1/x").arg(server.serverPort())), dir.filePath("x"), 100));
        delete client;
        QTest::qWait(200);
    }
};

// Run as a child: makes the manager, idles for the given time and prints the
// poll interval in force and how often the event loop woke. The manager's
// own start-up (its first scan of the interfaces posts a few events, more of
// them separately on a loaded machine) is let settle first: what counts is
// whether it keeps waking an idle program.
int runIdleManager(int ms)
{
    constexpr int kSettleMs = 300;
    int wakeups = 0;
    KvNetwork::GetNetManager();
    QTimer::singleShot(kSettleMs, QCoreApplication::instance(), [&wakeups] {
        QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake,
                         [&wakeups] { ++wakeups; });
    });
    QTimer::singleShot(kSettleMs + ms, QCoreApplication::instance(), &QCoreApplication::quit);
    QCoreApplication::exec();
    std::printf("%s %d\n", qgetenv(KvNetwork::kBearerPollVariable).constData(), wakeups);
    return 0;
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--idle-manager") == 0)
        return runIdleManager(QByteArray(argv[2]).toInt());
    TestKvNetwork test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_kvnetwork.moc"
