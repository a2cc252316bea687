#include "KvAppStuckMonitoring.h"
#include "KvLazySingletonManager.h"
#include "KvUnmonitoredEventHelper.h"

#include "KvTestLog.h"

#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <QtTest>

namespace {

// Brackets GUI-thread events the way the editor's application object does.
class BracketingApplication : public QCoreApplication
{
public:
    using QCoreApplication::QCoreApplication;

    bool notify(QObject *receiver, QEvent *event) override
    {
        if (QThread::currentThread() != thread())
            return QCoreApplication::notify(receiver, event);
        KvUnmonitoredEventHelper::instance()->updateMonitoringState(event->type());
        KvAppStuckMonitoring::start();
        const bool result = QCoreApplication::notify(receiver, event);
        KvAppStuckMonitoring::end();
        return result;
    }
};

const int kBusyEvent = QEvent::User + 5;
const int kNestedLoopEvent = QEvent::User + 6;
const int kScriptEvent = QEvent::User + 7;
const int kShortEvent = QEvent::User + 8;

// Keeps the GUI thread busy, idles in a nested loop, or plays a script of
// steps, when told by event.
class Worker : public QObject
{
public:
    int busyMs = 0;
    // Steps of kScriptEvent: "busy <ms>", "send" (a short nested event, no
    // loop turn), "turn" (a nested processEvents that runs a short posted
    // event), "loop <ms> <every> <busy>" (a nested loop in which a timer
    // fires every <every> ms and works <busy> ms each time), "stall <ms> <at>
    // <busy>" (the same with one firing),
    // "wait <ms>" (a nested loop idle for <ms>).
    QStringList script;

    bool event(QEvent *event) override
    {
        if (event->type() == kBusyEvent) {
            QThread::msleep(busyMs);
            return true;
        }
        if (event->type() == kNestedLoopEvent) {
            QEventLoop loop;
            QTimer::singleShot(busyMs, &loop, &QEventLoop::quit);
            loop.exec();
            return true;
        }
        if (event->type() == kShortEvent)
            return true;
        if (event->type() == kScriptEvent) {
            for (const QString &step : qAsConst(script))
                play(step.split(' '));
            return true;
        }
        return QObject::event(event);
    }

private:
    void play(const QStringList &step)
    {
        const QString &what = step.at(0);
        if (what == "busy") {
            QThread::msleep(step.at(1).toULong());
        } else if (what == "send") {
            QEvent nested{QEvent::Type(kShortEvent)};
            QCoreApplication::sendEvent(this, &nested);
        } else if (what == "turn") {
            QCoreApplication::postEvent(this, new QEvent(QEvent::Type(kShortEvent)));
            QCoreApplication::processEvents();
        } else if (what == "loop" || what == "stall" || what == "wait") {
            QEventLoop loop;
            QTimer::singleShot(step.at(1).toInt(), &loop, &QEventLoop::quit);
            QTimer ticker;
            ticker.setSingleShot(what == "stall");
            if (what != "wait") {
                const unsigned long busy = step.at(3).toULong();
                QObject::connect(&ticker, &QTimer::timeout, [busy] { QThread::msleep(busy); });
                ticker.start(step.at(2).toInt());
            }
            loop.exec();
        }
    }
};

const QString kStuck = "GUI thread stuck for";
const QString kRunning = "GUI thread running again";

} // namespace

class TestKvAppStuckMonitoring : public QObject
{
    Q_OBJECT

private:
    Worker m_worker;

    // Runs one event of `type` that lasts `ms`, then lets the watchdog look.
    void runEvent(int type, int ms)
    {
        m_worker.busyMs = ms;
        QCoreApplication::postEvent(&m_worker, new QEvent(QEvent::Type(type)));
        QCoreApplication::sendPostedEvents(&m_worker);
        QTest::qWait(60);
    }

private slots:
    void initTestCase()
    {
        // Wired as the application's init does.
        connect(KvUnmonitoredEventHelper::instance(), &KvUnmonitoredEventHelper::sigContinueMonitoring,
                KvAppStuckMonitoring::instance(), &KvAppStuckMonitoring::slotContinueMonitoring);
        connect(KvUnmonitoredEventHelper::instance(), &KvUnmonitoredEventHelper::sigSuspendMonitoring,
                KvAppStuckMonitoring::instance(), &KvAppStuckMonitoring::slotSuspendMonitoring);
        KvAppStuckMonitoring::openMonitoring(100);
        QVERIFY(KvAppStuckMonitoring::isMonitoring());
    }

    void cleanupTestCase()
    {
        KvAppStuckMonitoring::closeMonitoring();
        QVERIFY(!KvAppStuckMonitoring::isMonitoring());
        KvLazySingletonManager::releaseAll();
    }

    void busyEventIsReportedOnce()
    {
        KvTestLog log;
        runEvent(kBusyEvent, 400);
        QCOMPARE(log.count(kStuck), 1);
        QVERIFY2(log.errors().first().contains(QString("in event %1").arg(kBusyEvent)), qPrintable(log.errors().first()));
        const int reportedMs = log.errors().first().section(kStuck, 1).trimmed().section(' ', 0, 0).toInt();
        QVERIFY2(reportedMs >= 100 && reportedMs < 400, qPrintable(log.errors().first()));
        QTRY_COMPARE(log.count(kRunning), 1);
    }

    // Every stretch of work past the threshold is reported once, however
    // deep in nested events and loops it happens; waiting in a nested loop,
    // or a nested loop turning often, is no stall.
    void nestedEvents_data()
    {
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<int>("reports");
        QTest::newRow("busy after a nested send") << QStringList{"send", "busy 300"} << 1;
        QTest::newRow("busy between nested sends") << QStringList{"send", "busy 150", "send", "busy 150", "send"} << 1;
        QTest::newRow("busy after a nested loop turn") << QStringList{"turn", "busy 300"} << 1;
        QTest::newRow("busy after an idle nested loop") << QStringList{"wait 200", "busy 300"} << 1;
        QTest::newRow("two stalls with a turn between") << QStringList{"busy 300", "turn", "busy 300"} << 2;
        QTest::newRow("stall inside a nested loop") << QStringList{"stall 300 100 300"} << 1;
        QTest::newRow("idle nested loop") << QStringList{"wait 400"} << 0;
        QTest::newRow("busy nested loop turning often") << QStringList{"loop 500 20 5"} << 0;
        QTest::newRow("short work around turns") << QStringList{"busy 60", "turn", "busy 60", "turn", "busy 60"} << 0;
    }
    void nestedEvents()
    {
        QFETCH(QStringList, script);
        QFETCH(int, reports);
        KvTestLog log;
        m_worker.script = script;
        runEvent(kScriptEvent, 0);
        QCOMPARE(log.count(kStuck), reports);
        QTRY_COMPARE(log.count(kRunning), reports);
    }

    // The watchdog wakes only while an event is being handled: none at all
    // while the GUI thread idles, in or out of its event loop.
    void noWakeupsWhileIdle()
    {
        for (int i = 0; i < 5; ++i)
            runEvent(kBusyEvent, 2);
        // The deadline of the last event passes.
        QThread::msleep(250);
        const quint64 before = KvAppStuckMonitoring::watchdogWakeups();
        QThread::msleep(400);
        QTest::qWait(400);
        QCOMPARE(KvAppStuckMonitoring::watchdogWakeups(), before);

        // A busy stretch wakes it, a bounded number of times.
        KvTestLog log;
        runEvent(kBusyEvent, 350);
        const quint64 woken = KvAppStuckMonitoring::watchdogWakeups() - before;
        QVERIFY2(woken >= 1 && woken <= 6, qPrintable(QString::number(woken)));
        QCOMPARE(log.count(kStuck), 1);
    }

    void shortEventsAreNotReported()
    {
        KvTestLog log;
        for (int i = 0; i < 10; ++i)
            runEvent(kBusyEvent, 2);
        QCOMPARE(log.count(kStuck), 0);
    }

    // The outer event waits in a nested loop far past the threshold, idle.
    void idleNestedLoopIsNotReported()
    {
        KvTestLog log;
        runEvent(kNestedLoopEvent, 400);
        QCOMPARE(log.count(kStuck), 0);
    }

    void suspension_data()
    {
        QTest::addColumn<int>("suspends");
        QTest::addColumn<int>("continues");
        QTest::addColumn<bool>("reported");
        QTest::newRow("monitored") << 0 << 0 << true;
        QTest::newRow("suspended") << 1 << 0 << false;
        QTest::newRow("suspended and continued") << 1 << 1 << true;
        QTest::newRow("nested, one continued") << 2 << 1 << false;
        QTest::newRow("nested, all continued") << 2 << 2 << true;
    }
    void suspension()
    {
        QFETCH(int, suspends);
        QFETCH(int, continues);
        QFETCH(bool, reported);
        KvTestLog log;
        for (int i = 0; i < suspends; ++i)
            KvUnmonitoredEventHelper::suspendMonitoring();
        for (int i = 0; i < continues; ++i)
            KvUnmonitoredEventHelper::continueMonitoring();
        QCOMPARE(KvUnmonitoredEventHelper::instance()->isSuspended(), !reported);

        runEvent(kBusyEvent, 300);
        QCOMPARE(log.count(kStuck), reported ? 1 : 0);

        for (int i = continues; i < suspends; ++i)
            KvUnmonitoredEventHelper::continueMonitoring();
        QVERIFY(!KvUnmonitoredEventHelper::instance()->isSuspended());
    }

    void continueWithoutSuspendIsHarmless()
    {
        KvTestLog log;
        KvUnmonitoredEventHelper::continueMonitoring();
        QCOMPARE(log.errors().size(), 1);
        QVERIFY(!KvUnmonitoredEventHelper::instance()->isSuspended());
        KvUnmonitoredEventHelper::suspendMonitoring();
        QVERIFY(KvUnmonitoredEventHelper::instance()->isSuspended());
        KvUnmonitoredEventHelper::continueMonitoring();
        QVERIFY(!KvUnmonitoredEventHelper::instance()->isSuspended());
    }

    void closedMonitorReportsNothing()
    {
        KvAppStuckMonitoring::closeMonitoring();
        KvAppStuckMonitoring::closeMonitoring();
        KvTestLog log;
        runEvent(kBusyEvent, 300);
        QCOMPARE(log.count(kStuck), 0);

        KvAppStuckMonitoring::openMonitoring(100);
        runEvent(kBusyEvent, 300);
        QCOMPARE(log.count(kStuck), 1);
    }
};

int main(int argc, char **argv)
{
    BracketingApplication app(argc, argv);
    TestKvAppStuckMonitoring test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_kvappstuckmonitoring.moc"
