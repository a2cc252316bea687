#include "StartupTimingTracker.h"

#include <QtTest>

class TestStartupTimingTracker : public QObject
{
    Q_OBJECT

private slots:
    void sections()
    {
        StartupTimingTracker *tracker = StartupTimingTracker::instance();
        QCOMPARE(tracker->summary(), QStringLiteral("{}"));

        // A stop without a start changes nothing.
        tracker->stop("never started", 5);
        QVERIFY(!tracker->hasResult("never started"));

        // Restarted before it stopped: only the second run counts.
        tracker->start("B");
        QTest::qSleep(60);
        tracker->start("B");
        tracker->stop("B");
        QVERIFY(tracker->result("B") < 60);
        QVERIFY(!tracker->isRunning("B"));

        // User time beyond the elapsed time gives a negative result.
        {
            StartupTimingSection section("A", 100000);
        }
        QVERIFY(tracker->result("A") < 0);

        // Another stop of a finished section keeps its result.
        const qint64 a = tracker->result("A");
        tracker->stop("A");
        QCOMPARE(tracker->result("A"), a);

        // Name order, each entry followed by a comma, also the last.
        const QString expected =
            QStringLiteral("{\"A\":%1,\"B\":%2,}").arg(tracker->result("A")).arg(tracker->result("B"));
        QCOMPARE(tracker->summary(), expected);
    }
};

QTEST_GUILESS_MAIN(TestStartupTimingTracker)
#include "tst_startuptimingtracker.moc"
