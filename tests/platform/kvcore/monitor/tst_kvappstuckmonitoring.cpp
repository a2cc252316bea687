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

// Keeps the GUI thread busy, or idles in a nested loop, when told by event.
class Worker : public QObject
{
public:
    int busyMs = 0;

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
        return QObject::event(event);
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
        QVERIFY(reportedMs > 100 && reportedMs < 400);
        QTRY_COMPARE(log.count(kRunning), 1);
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
