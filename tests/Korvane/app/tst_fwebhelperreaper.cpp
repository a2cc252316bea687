#include "FWebHelperReaper.h"
#include "KvTestLog.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

using Entries = QList<KvProcessEntry>;
using Pids = QList<qint64>;
Q_DECLARE_METATYPE(KvProcessEntry)

class TestFWebHelperReaper : public QObject
{
    Q_OBJECT

private slots:
    void rule_data()
    {
        QTest::addColumn<Entries>("snapshot");
        QTest::addColumn<Pids>("killed");
        const KvProcessEntry idle{0, 0, "[System Process]"};
        QTest::newRow("no service: all but parent 1")
            << Entries{idle, {10, 1, "RovUzozAzev.exe"}, {11, 5, "RovUzozAzev.exe"}, {12, 9, "other"}}
            << Pids{11};
        QTest::newRow("service children survive")
            << Entries{idle, {7, 1, "StockyardService.exe"}, {20, 7, "RovUzozAzev.exe"}, {21, 8, "RovUzozAzev.exe"},
                       {22, 1, "RovUzozAzev.exe"}}
            << Pids{21, 22};
        QTest::newRow("last service counts")
            << Entries{idle, {7, 1, "StockyardService.exe"}, {20, 7, "RovUzozAzev.exe"},
                       {8, 1, "stockyardservice.EXE"}, {21, 8, "RovUzozAzev.exe"}}
            << Pids{20};
        QTest::newRow("first entry never examined")
            << Entries{{3, 2, "RovUzozAzev.exe"}, {4, 2, "RovUzozAzev.exe"}} << Pids{4};
        QTest::newRow("first entry is not the service")
            << Entries{{2, 1, "StockyardService.exe"}, {4, 2, "RovUzozAzev.exe"}} << Pids{4};
        QTest::newRow("mixed case helper") << Entries{idle, {30, 2, "rovuzozazev.EXE"}} << Pids{30};
        QTest::newRow("only the idle entry") << Entries{idle} << Pids{};
    }
    void rule()
    {
        QFETCH(Entries, snapshot);
        QFETCH(Pids, killed);
        Pids asked;
        const Pids attempted = FWebHelperReaper::KillUnusedCefProgress(snapshot, true, [&](qint64 pid) {
            asked << pid;
            return pid % 2 == 0;
        });
        QCOMPARE(attempted, killed);
        QCOMPARE(asked, killed);
    }

    void unreadableSnapshot()
    {
        KvTestLog log;
        QVERIFY(FWebHelperReaper::KillUnusedCefProgress({}, false, {}).isEmpty());
        QVERIFY(log.hasError("Process32First failed"));
    }

    // Real processes: a helper started by a process named like the stock-media
    // service survives; one started by this test does not.
    void realProcesses()
    {
        QTemporaryDir dir;
        const QString helper = dir.filePath("RovUzozAzev.exe");
        const QString service = dir.filePath("StockyardService.exe");
        QVERIFY(::link("/bin/sleep", QFile::encodeName(helper).constData()) == 0
                || QFile::copy("/bin/sleep", helper));
        QVERIFY(QFile::copy("/bin/sh", service));
        QFile::setPermissions(service, QFile::permissions(service) | QFileDevice::ExeOwner);

        QProcess orphanHelper;
        orphanHelper.start(helper, {"30"});
        QVERIFY(orphanHelper.waitForStarted());
        QProcess serviceProcess;
        serviceProcess.start(service, {"-c", QStringLiteral("\"%1\" 30 & wait").arg(helper)});
        QVERIFY(serviceProcess.waitForStarted());
        QTRY_VERIFY([&] {
            QList<KvProcessEntry> entries;
            KvProcessSnapshot::take(&entries);
            int helpers = 0;
            for (const KvProcessEntry &e : entries)
                helpers += e.name == "RovUzozAzev.exe";
            return helpers >= 2;
        }());

        const Pids attempted = FWebHelperReaper::KillUnusedCefProgress();
        QVERIFY(attempted.contains(orphanHelper.processId()));
        QVERIFY(orphanHelper.waitForFinished(5000));
        // The service's helper is still there.
        QList<KvProcessEntry> entries;
        QVERIFY(KvProcessSnapshot::take(&entries));
        int surviving = 0;
        for (const KvProcessEntry &e : entries)
            surviving += e.name == "RovUzozAzev.exe" && e.parentPid == serviceProcess.processId();
        QCOMPARE(surviving, 1);
        serviceProcess.kill();
        serviceProcess.waitForFinished();
        FWebHelperReaper::KillUnusedCefProgress(); // leave nothing behind
    }
};

QTEST_GUILESS_MAIN(TestFWebHelperReaper)
#include "tst_fwebhelperreaper.moc"
