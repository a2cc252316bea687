#include "E2eInstallation.h"

#include <QDirIterator>
#include <QLocalSocket>
#include <QtTest>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

const QString kReady = QStringLiteral("Splash: 100 / 100");
const QString kReceivedOpen = QStringLiteral("received: CMD_OPEN_PROJECT");

QStringList filesBelow(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    return files;
}

} // namespace

// A second start hands its request to the running editor, or says that it
// could not; it never ends quietly with the request lost.
class TestForwarding : public QObject
{
    Q_OBJECT

private slots:
    // Asked for usage or version, the editor answers and touches nothing: no
    // window, no lock, no log, no file in HOME or the runtime folder.
    void infoArgumentsTouchNothing_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("expected");
        QTest::newRow("--help") << "--help" << "-open:PROJECT";
        QTest::newRow("-h") << "-h" << "-share:INFO";
        QTest::newRow("--version") << "--version" << "Korvane X 11.8.1 (commit ";
        QTest::newRow("-v") << "-v" << "Korvane X 11.8.1 (commit ";
    }
    void infoArgumentsTouchNothing()
    {
        QFETCH(QString, argument);
        QFETCH(QString, expected);
        E2eInstallation install;
        QVERIFY(install.isValid());
        // Once on a fresh installation, once while an editor runs and holds
        // the instance lock.
        for (int round = 0; round < 2; ++round) {
            const QStringList homeBefore = filesBelow(install.homeDir());
            const QStringList runtimeBefore = filesBelow(install.runtimeDir());
            const QString logBefore = install.log();
            QProcess process;
            QProcessEnvironment env = install.environment();
            // No display at all: a window would fail to open.
            env.insert("QT_QPA_PLATFORM", "xcb");
            process.setProcessEnvironment(env);
            process.start(install.editorPath(), {argument});
            QVERIFY(process.waitForFinished(10000));
            QCOMPARE(process.exitStatus(), QProcess::NormalExit);
            QCOMPARE(process.exitCode(), 0);
            const QString out = QString::fromLocal8Bit(process.readAllStandardOutput());
            QVERIFY2(out.contains(expected), qPrintable(out));
            QVERIFY2(process.readAllStandardError().isEmpty(), "nothing on standard error");
            QCOMPARE(filesBelow(install.runtimeDir()), runtimeBefore);
            // The running editor may write its own files meanwhile; this start
            // neither forwarded nor logged anything.
            QCOMPARE(install.countInLog("already run"), 0);
            if (round == 0) {
                QCOMPARE(filesBelow(install.homeDir()), homeBefore);
                QCOMPARE(install.log(), logBefore);
                QCOMPARE(homeBefore, QStringList());
                QCOMPARE(runtimeBefore, QStringList());
                QVERIFY(!QFile::exists(install.binDir() + "/Log"));
                install.start();
                QVERIFY(install.waitForLog(kReady));
                QTest::qWait(300); // let the editor's own start-up writes settle
            }
        }
    }

    // Idle peers take every connection place of the running editor; a
    // second start still delivers (the places free up when the idle peers
    // time out) and ends in time with status 0.
    void deliversPastIdleConnections()
    {
        E2eInstallation install;
        install.start();
        QVERIFY2(install.waitForLog(kReady), qPrintable(install.log()));
        const QString server = install.runtimeDir() + "/NEW_SERVER_KORVANE_COMMUNICATOR_NAME";
        std::vector<std::unique_ptr<QLocalSocket>> idle;
        for (int i = 0; i < 70; ++i) {
            auto socket = std::make_unique<QLocalSocket>();
            socket->connectToServer(server);
            socket->waitForConnected(1000);
            idle.push_back(std::move(socket));
        }
        QElapsedTimer timer;
        timer.start();
        QProcess *second = install.start({"-open:/idle/peers.kvproj"});
        QVERIFY(second->waitForFinished(15000));
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);
        QVERIFY2(install.waitForLog("forwarded open: -open:/idle/peers.kvproj", 1, 15000), qPrintable(install.log()));
        QCOMPARE(install.countInLog(kReceivedOpen), 1);
        qInfo("delivered after %lld ms", timer.elapsed());
    }

    // 100 second starts, 20 at a time: every one ends with status 0 and every
    // request arrives exactly once.
    void stormOfSecondStarts()
    {
        E2eInstallation install;
        QProcess *first = install.start();
        QVERIFY2(install.waitForLog(kReady), qPrintable(install.log()));
        int sent = 0;
        for (int batch = 0; batch < 5; ++batch) {
            QList<QProcess *> starts;
            for (int i = 0; i < 20; ++i)
                starts << install.start({QStringLiteral("-open:/storm/%1.kvproj").arg(sent++)});
            for (QProcess *start : starts) {
                QVERIFY(start->waitForFinished(20000));
                QCOMPARE(start->exitStatus(), QProcess::NormalExit);
                QCOMPARE(start->exitCode(), 0);
            }
        }
        QVERIFY2(install.waitForLog(kReceivedOpen, 100, 20000),
                 qPrintable(QString::number(install.countInLog(kReceivedOpen))));
        QTest::qWait(500);
        QCOMPARE(install.countInLog(kReceivedOpen), 100);
        QCOMPARE(install.countInLog("Korvane already run"), 100);
        QCOMPARE(first->state(), QProcess::Running);
    }

    // Nobody listens although the instance lock is held: the start says on
    // standard error and in the log which project was not handed over, and
    // ends with a non-zero status after its budget.
    void undeliverableRequestIsReported()
    {
        E2eInstallation install;
        const QByteArray lockPath = QFile::encodeName(install.runtimeDir() + "/Korvane.instance.lock");
        const int fd = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        QVERIFY(fd >= 0);
        QCOMPARE(::flock(fd, LOCK_EX | LOCK_NB), 0);

        QProcess start;
        start.setProcessEnvironment(install.environment());
        QElapsedTimer timer;
        timer.start();
        start.start(install.editorPath(), {"/lost/My Film.kvproj"});
        QVERIFY(start.waitForFinished(20000));
        ::close(fd);
        QCOMPARE(start.exitStatus(), QProcess::NormalExit);
        QVERIFY(start.exitCode() != 0);
        QVERIFY2(timer.elapsed() < 10000, "the budget is a few seconds");
        const QString err = QString::fromLocal8Bit(start.readAllStandardError());
        QVERIFY2(err.contains("/lost/My Film.kvproj"), qPrintable(err));
        const QStringList errors = install.log().split('\n').filter("[E]");
        QVERIFY2(!errors.filter("/lost/My Film.kvproj").isEmpty(), qPrintable(install.log()));
    }
};

QTEST_GUILESS_MAIN(TestForwarding)
#include "tst_forwarding.moc"
