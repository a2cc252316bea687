#include "FChildProcess.h"
#include "KvTestFiles.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

Q_DECLARE_METATYPE(FChildProcess::Outcome)

namespace {

bool processExists(qint64 pid)
{
    // A zombie has ended: only its entry waits for its parent.
    const QByteArray stat = readAll(QStringLiteral("/proc/%1/stat").arg(pid));
    if (stat.isEmpty())
        return false;
    const int close = stat.lastIndexOf(')');
    return close > 0 && stat.mid(close + 2, 1) != "Z";
}

QString script(const QTemporaryDir &dir, const QString &name, const QByteArray &body)
{
    const QString program = dir.filePath(name);
    writeAll(program, "#!/bin/sh\n" + body + "\n");
    QFile::setPermissions(program, QFile::permissions(program) | QFileDevice::ExeOwner);
    return program;
}

} // namespace

// The runner of the check programs: outcomes, time-outs that leave nothing
// behind, output that never piles up.
class TestFChildProcess : public QObject
{
    Q_OBJECT

private slots:
    void outcomes_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("timeoutMs");
        QTest::addColumn<FChildProcess::Outcome>("outcome");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("exit 0") << QByteArray("exit 0") << 5000 << FChildProcess::Outcome::Finished << 0;
        QTest::newRow("exit 12") << QByteArray("exit 12") << 5000 << FChildProcess::Outcome::Finished << 12;
        QTest::newRow("exit(-11) arrives as 245") << QByteArray("exit 245") << 5000
                                                  << FChildProcess::Outcome::Finished << -11;
        QTest::newRow("crash") << QByteArray("kill -SEGV $$") << 5000 << FChildProcess::Outcome::Crashed << 0;
        QTest::newRow("hang") << QByteArray("sleep 30") << 300 << FChildProcess::Outcome::TimedOut << 0;
        QTest::newRow("hang, ignoring SIGTERM") << QByteArray("trap '' TERM\nwhile :; do sleep 1; done") << 300
                                                << FChildProcess::Outcome::TimedOut << 0;
        QTest::newRow("megabytes of output") << QByteArray("head -c 50000000 /dev/zero\nexit 3") << 20000
                                             << FChildProcess::Outcome::Finished << 3;
    }
    void outcomes()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, timeoutMs);
        QTemporaryDir dir;
        const QString program = script(dir, "check.exe", body);

        FChildProcess process(program, {"--gpu", "0"});
        QElapsedTimer timer;
        timer.start();
        const FChildProcess::Result result = process.run(timeoutMs);
        QTEST(result.outcome, "outcome");
        QTEST(result.exitCode, "exitCode");
        QVERIFY(process.output().isEmpty());
        // A hung program is gone soon after its time-out, even one that
        // ignores SIGTERM.
        QVERIFY2(timer.elapsed() < timeoutMs + 4 * FChildProcess::kGraceMs, qPrintable(QString::number(timer.elapsed())));
    }

    void missingProgramDoesNotStart_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::newRow("missing") << false;
        QTest::newRow("not executable") << true;
    }
    void missingProgramDoesNotStart()
    {
        QFETCH(bool, exists);
        QTemporaryDir dir;
        if (exists)
            writeAll(dir.filePath("Faldric.exe"), "#!/bin/sh\nexit 0\n");
        const FChildProcess::Result result = FChildProcess(dir.filePath("Faldric.exe"), {}).run(1000);
        QCOMPARE(result.outcome, FChildProcess::Outcome::NotStarted);
        QCOMPARE(result.error, QProcess::FailedToStart);
    }

    // What a program started is ended with it: at its time-out, and when it
    // left something behind on its way out.
    void noGrandchildSurvives_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("timeoutMs");
        QTest::newRow("both hang") << QByteArray("sleep 60 &\necho $! > \"$0.child\"\nwait") << 500;
        QTest::newRow("child ignores SIGTERM")
            << QByteArray("(trap '' TERM; while :; do sleep 1; done) &\necho $! > \"$0.child\"\nsleep 60") << 500;
        QTest::newRow("parent exits, child stays") << QByteArray("sleep 60 &\necho $! > \"$0.child\"\nexit 0") << 5000;
    }
    void noGrandchildSurvives()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, timeoutMs);
        QTemporaryDir dir;
        const QString program = script(dir, "Dunsker.exe", body);

        FChildProcess(program, {}).run(timeoutMs);
        const qint64 child = readAll(program + ".child").trimmed().toLongLong();
        QVERIFY(child > 0);
        QTRY_VERIFY_WITH_TIMEOUT(!processExists(child), 2000);
    }

    void capturedOutputIsBounded()
    {
        QTemporaryDir dir;
        const QString program = script(dir, "Faldric.exe", "printf 'first line\\n'\nhead -c 20000000 /dev/zero\nexit 0");
        FChildProcess process(program, {"--list"});
        process.setCaptureLimit(1000);
        QVERIFY(process.run(20000).finishedWith(0));
        QCOMPARE(process.output().size(), 1000);
        QVERIFY(process.output().startsWith("first line\n"));
    }
};

QTEST_GUILESS_MAIN(TestFChildProcess)
#include "tst_fchildprocess.moc"
