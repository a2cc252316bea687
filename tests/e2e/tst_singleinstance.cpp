#include "E2eInstallation.h"

#include <QtTest>

#include <csignal>

namespace {
const QString kReady = QStringLiteral("Show dialog, cost");
}

// The editor as a user starts it: a first start runs, later starts hand their
// command line to it and end.
class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void forwardsOpenToRunningInstance_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("received");
        QTest::newRow("open key") << QStringList{"-open:/tmp/My Project.kvproj"}
                                  << "forwarded open: -open:/tmp/My Project.kvproj";
        QTest::newRow("bare path") << QStringList{"/tmp/a b/c.kvproj"} << "forwarded open: /tmp/a b/c.kvproj";
        QTest::newRow("nothing") << QStringList{} << "received: CMD_REOPEN_APP";
    }
    void forwardsOpenToRunningInstance()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, received);
        E2eInstallation install;
        QVERIFY(install.isValid());
        QProcess *first = install.start();
        QVERIFY2(install.waitForLog(kReady), qPrintable(install.log()));

        QProcess *second = install.start(arguments);
        QVERIFY(second->waitForFinished(10000));
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);
        QVERIFY2(install.waitForLog(received), qPrintable(install.log()));
        QCOMPARE(install.countInLog("Korvane already run"), 1);
        QCOMPARE(first->state(), QProcess::Running);
    }

    // A killed instance leaves its lock file and socket behind; the next
    // start must become the running instance, and later starts reach it.
    void recoversAfterKill()
    {
        E2eInstallation install;
        QProcess *first = install.start();
        QVERIFY(install.waitForLog(kReady));
        e2eSignal(first, SIGKILL);
        QVERIFY(first->waitForFinished(5000));

        QProcess *second = install.start();
        QVERIFY2(install.waitForLog(kReady, 2), qPrintable(install.log()));
        QCOMPARE(second->state(), QProcess::Running);

        QProcess *third = install.start({"-open:/x.kvproj"});
        QVERIFY(third->waitForFinished(10000));
        QCOMPARE(third->exitCode(), 0);
        QVERIFY(install.waitForLog("forwarded open: -open:/x.kvproj"));
        QCOMPARE(second->state(), QProcess::Running);
    }

    // Whatever a crashed run leaves in the runtime folder: the lock file with
    // any contents, a plain file where the socket was.
    void startsOverLeftovers_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("zero-length lock") << "Korvane.instance.lock" << QByteArray();
        QTest::newRow("garbage lock") << "Korvane.instance.lock" << QByteArray("\x01\x02garbage\n\n\n");
        QTest::newRow("file at the socket path") << "NEW_SERVER_KORVANE_COMMUNICATOR_NAME" << QByteArray("x");
    }
    void startsOverLeftovers()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, contents);
        E2eInstallation install;
        QFile leftover(install.runtimeDir() + '/' + file);
        QVERIFY(leftover.open(QIODevice::WriteOnly));
        leftover.write(contents);
        leftover.close();

        QProcess *first = install.start();
        QVERIFY2(install.waitForLog(kReady), qPrintable(install.log()));
        QProcess *second = install.start({"-open:/y.kvproj"});
        QVERIFY(second->waitForFinished(10000));
        QCOMPARE(second->exitCode(), 0);
        QVERIFY(install.waitForLog("forwarded open: -open:/y.kvproj"));
        QCOMPARE(first->state(), QProcess::Running);
    }

    // A start that expected to forward, but found nobody left to forward to
    // when it took the lock, restarts itself with its display and runs.
    void displaylessStartThatWinsRestarts()
    {
        E2eInstallation install;
        QProcessEnvironment extra;
        extra.insert("KORVANE_DISPLAYLESS_FORWARD", "offscreen");
        extra.insert("QT_QPA_PLATFORM", "minimal");
        QProcess *editor = install.start({}, extra);
        QVERIFY2(install.waitForLog("Splash: 100 / 100"), qPrintable(install.log()));
        QCOMPARE(install.countInLog("restarting with a display"), 1);
        QCOMPARE(editor->state(), QProcess::Running);
        QProcess *second = install.start({"-open:/z.kvproj"});
        QVERIFY(second->waitForFinished(10000));
        QVERIFY(install.waitForLog("forwarded open: -open:/z.kvproj"));
    }

    // Ten starts at the same moment: one runs, nine forward and exit 0, and
    // none of their requests is lost.
    void tenStartsAtOnce()
    {
        E2eInstallation install;
        QList<QProcess *> processes;
        for (int i = 0; i < 10; ++i)
            processes << install.start();
        for (QProcess *p : processes)
            QVERIFY(p->waitForStarted(5000));

        QElapsedTimer timer;
        timer.start();
        int running = 10;
        while (timer.elapsed() < 20000) {
            running = 0;
            for (QProcess *p : processes)
                running += p->state() != QProcess::NotRunning;
            if (running == 1)
                break;
            QTest::qWait(50);
        }
        QCOMPARE(running, 1);
        for (QProcess *p : processes) {
            if (p->state() == QProcess::NotRunning) {
                QCOMPARE(p->exitStatus(), QProcess::NormalExit);
                QCOMPARE(p->exitCode(), 0);
            }
        }
        QVERIFY2(install.waitForLog("received: CMD_REOPEN_APP", 9), qPrintable(install.log()));
        QCOMPARE(install.countInLog("Korvane already run"), 9);
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
