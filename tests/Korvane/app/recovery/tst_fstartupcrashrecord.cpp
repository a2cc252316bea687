#include "FMessageDialog.h"
#include "FStartUpCrashRecord.h"
#include "KvTestFiles.h"
#include "KvTestLog.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

using State = FStartUpCrashRecord::State;
Q_DECLARE_METATYPE(State)

namespace {

State died(const QStringList &running, int count = 0, const QStringList &suspects = {})
{
    State state;
    state.active = true;
    state.running = running;
    state.count = count;
    state.suspects = suspects;
    return state;
}

State carried(int count, const QStringList &suspects)
{
    State state;
    state.count = count;
    state.suspects = suspects;
    return state;
}

const QString kGpu = QStringLiteral("Init GPU Info");
const QString kSplash = QStringLiteral("show Splash Screen");
const QString kFonts = QStringLiteral("Init Vbl Font");

} // namespace

// Starts that die during start-up: what the next start makes of the record.
class TestFStartUpCrashRecord : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString file() const { return m_dir.filePath("StartUpRecord.ini"); }

    // One start that dies while `running` runs: begun, tasks started, never finished.
    bool startAndDie(const QStringList &running)
    {
        FStartUpCrashRecord record(file());
        const bool safeMode = record.begin();
        for (const QString &task : running)
            record.taskStarted(task);
        return safeMode;
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QFile::remove(file());
    }

    void carryOver_data()
    {
        QTest::addColumn<State>("previous");
        QTest::addColumn<State>("expected");
        QTest::addColumn<bool>("safeMode");
        QTest::newRow("first start") << State() << State() << false;
        QTest::newRow("previous got through") << carried(1, {kGpu}) << State() << false;
        QTest::newRow("first death") << died({kSplash, kGpu}) << carried(1, {kSplash, kGpu}) << false;
        QTest::newRow("second death, same task")
            << died({kGpu}, 1, {kSplash, kGpu}) << carried(2, {kGpu}) << true;
        QTest::newRow("second death, other task") << died({kFonts}, 1, {kGpu}) << carried(1, {kFonts}) << false;
        QTest::newRow("third death in a row") << died({kGpu, kFonts}, 2, {kGpu}) << carried(3, {kGpu}) << true;
        // Died outside any task (between them, or showing the first page).
        QTest::newRow("death with nothing running") << died({}, 1, {kGpu}) << carried(1, {}) << false;
        QTest::newRow("twice with nothing running") << died({}, 1, {}) << carried(1, {}) << false;
    }
    void carryOver()
    {
        QFETCH(State, previous);
        QFETCH(State, expected);
        QFETCH(bool, safeMode);
        // Through the file, as the next start reads it.
        const State next = FStartUpCrashRecord::carryOver(
            FStartUpCrashRecord::parse(FStartUpCrashRecord::serialize(previous)));
        QCOMPARE(next.count, expected.count);
        QCOMPARE(next.suspects, expected.suspects);
        QVERIFY(!next.active);
        QCOMPARE(FStartUpCrashRecord::needsSafeMode(next), safeMode);
    }

    // Whatever is in the file that this class did not write means "nothing known".
    void aBrokenFileIsNoCrash_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("count");
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("binary") << QByteArray("\x00\xff\xfe[StartUp", 12) << 0;
        QTest::newRow("other section") << QByteArray("[Other]\nActive=1\nRunning=Init GPU Info\n") << 0;
        QTest::newRow("count not a number")
            << QByteArray("[StartUp]\nActive=1\nRunning=Init GPU Info\nSuspects=Init GPU Info\nCount=x\n") << 1;
        QTest::newRow("huge count")
            << QByteArray("[StartUp]\nActive=1\nRunning=Init GPU Info\nSuspects=Init GPU Info\nCount=99999999\n") << 1001;
    }
    void aBrokenFileIsNoCrash()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, count);
        QCOMPARE(FStartUpCrashRecord::carryOver(FStartUpCrashRecord::parse(content)).count, count);
    }

    // Whole starts against one file: the record written while tasks run is
    // what the next start reads.
    void twoDeathsInTheSameTaskStartTheThirdInSafeMode()
    {
        QStringList notices;
        FMessageDialog::setAnswerer([&notices](FMessageDialog &dialog) {
            if (dialog.objectName() == QLatin1String(FStartUpCrashRecord::kNoticeObjectName))
                notices << dialog.text();
            return 1;
        });
        QVERIFY(!startAndDie({kSplash, kGpu}));
        QVERIFY(!startAndDie({kGpu}));
        FStartUpCrashRecord third(file());
        QVERIFY(third.begin());
        // Told once start-up is through, on the next turn of the event loop.
        QTest::qWait(20);
        QVERIFY(notices.isEmpty());
        third.finish();
        QTRY_COMPARE(notices.size(), 1);
        FMessageDialog::setAnswerer({});
        QVERIFY2(notices.first().contains(QStringLiteral("2 times in a row")), qPrintable(notices.first()));
        QVERIFY2(notices.first().contains(QStringLiteral("\"Init GPU Info\"")), qPrintable(notices.first()));
        QVERIFY(!notices.first().contains(kSplash));
    }

    void aStartThatGetsThroughClearsTheCount()
    {
        QVERIFY(!startAndDie({kGpu}));
        {
            FStartUpCrashRecord record(file());
            QVERIFY(!record.begin());
            record.taskStarted(kGpu);
            record.taskFinished(kGpu);
            QCOMPARE(record.state().running, QStringList());
            record.finish();
            // After start-up, tasks of the later graph are not recorded.
            record.taskStarted(kFonts);
            QCOMPARE(record.state(), State());
        }
        QVERIFY(!startAndDie({kGpu}));
        FStartUpCrashRecord next(file());
        QVERIFY(!next.begin());
        QCOMPARE(next.state().count, 1);
    }

    // Not begun (a test of the tasks, say): the record writes nothing.
    void unbegunRecordsNothing()
    {
        FStartUpCrashRecord record(file());
        record.taskStarted(kGpu);
        record.finish();
        QVERIFY(!QFile::exists(file()));
    }

    void aFileThatCannotBeWrittenIsLoggedOnce()
    {
        writeAll(m_dir.filePath("plain"), "x");
        FStartUpCrashRecord record(m_dir.filePath("plain/StartUpRecord.ini"));
        KvTestLog log;
        QVERIFY(!record.begin());
        record.taskStarted(kGpu);
        record.taskFinished(kGpu);
        record.finish();
        QCOMPARE(log.count(QStringLiteral("not written")), 1);
    }
};

QTEST_MAIN(TestFStartUpCrashRecord)
#include "tst_fstartupcrashrecord.moc"
