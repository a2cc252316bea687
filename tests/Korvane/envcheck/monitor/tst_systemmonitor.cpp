#include "FSystemMonitorThread.h"
#include "KvTestLog.h"

#include <QtTest>

namespace {

// A monitor that reports after `periodMs` instead of a minute.
class ShortMonitor : public FSystemMonitorThread
{
public:
    explicit ShortMonitor(int periodMs)
        : FSystemMonitorThread(periodMs, nullptr)
    {
    }
};

} // namespace

class tst_SystemMonitor : public QObject
{
    Q_OBJECT

private slots:
    void interruptedInFirstMinute();
    void reportsEveryPeriod();
};

// Stopping it during the first minute ends it within a step and reports nothing.
void tst_SystemMonitor::interruptedInFirstMinute()
{
    KvTestLog log;
    FSystemMonitorThread monitor;
    QVERIFY(QMetaType::type("SysMemory") != QMetaType::UnknownType);
    QSignalSpy reports(&monitor, &FSystemMonitorThread::sigUpdateMem);
    monitor.start();
    QTest::qWait(300);
    QVERIFY(monitor.isRunning());
    QElapsedTimer stopping;
    stopping.start();
    monitor.requestStop();
    // Well within a step of 50 ms, with room for a loaded machine.
    QVERIFY(monitor.wait(500));
    qInfo("stopped after %lld ms", stopping.elapsed());
    QCOMPARE(reports.count(), 0);
    QCOMPARE(log.count(QStringLiteral("System Monitor:")), 0);
}

void tst_SystemMonitor::reportsEveryPeriod()
{
    KvTestLog log;
    ShortMonitor monitor(200);
    QSignalSpy reports(&monitor, &FSystemMonitorThread::sigUpdateMem);
    monitor.start();
    QVERIFY(reports.wait(2000));
    const auto memory = reports.first().first().value<SysMemory>();
    QVERIFY(memory.total > 0);
    QVERIFY(memory.free > 0 && memory.free <= memory.total);
    QVERIFY(memory.usedRate >= 0 && memory.usedRate <= 100);
    QTRY_COMPARE_WITH_TIMEOUT(reports.count(), 2, 2000);
    monitor.stop();
    QVERIFY(monitor.isFinished());
    QVERIFY(log.count(QStringLiteral("System Monitor: TotalMemory(")) >= 2);
    QVERIFY(log.errors().isEmpty());
}

QTEST_MAIN(tst_SystemMonitor)
#include "tst_systemmonitor.moc"
