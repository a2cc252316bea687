#include "KvCustomEventDispatcher.h"

#include "KvTestLog.h"

#include <QPointer>
#include <QThread>
#include <QtTest>

#include <atomic>

namespace {

struct Delivery
{
    std::atomic<QThread *> thread{nullptr};
    QVariantList args;
    std::atomic<int> count{0};
};

void listen(QObject *target, const QString &name, Delivery *delivery)
{
    KvCustomEventDispatcher::registerListener(target, name, [delivery](const QVariantList &args) {
        delivery->args = args;
        delivery->thread = QThread::currentThread();
        ++delivery->count;
    });
}

} // namespace

class TestKvCustomEventDispatcher : public QObject
{
    Q_OBJECT

private slots:
    // Registered here, then moved: the filter must follow the worker.
    void runsOnTheTargetsThread()
    {
        QThread thread;
        auto *worker = new QObject;
        Delivery report, response;
        listen(worker, "NotifyTCIDReport", &report);
        listen(worker, "NotifyTCIDReponse", &response);
        worker->moveToThread(&thread);
        connect(&thread, &QThread::finished, worker, &QObject::deleteLater);
        thread.start();

        QVERIFY(KvCustomEventDispatcher::dispatch("NotifyTCIDReport", worker));
        QVERIFY(KvCustomEventDispatcher::dispatch("NotifyTCIDReponse", worker, {7, 2, true}));
        QTRY_COMPARE(response.count.load(), 1);
        QCOMPARE(report.count.load(), 1);
        QCOMPARE(report.thread.load(), &thread);
        QCOMPARE(response.thread.load(), &thread);
        QCOMPARE(response.args, QVariantList({7, 2, true}));

        thread.quit();
        QVERIFY(thread.wait(5000));
    }

    // Registering from a foreign thread defers the filter to the target's
    // thread; an event dispatched at once must still arrive.
    void registeredFromAnotherThread()
    {
        auto *target = new QObject;
        Delivery delivery;
        QThread *registrar = QThread::create([target, &delivery] {
            listen(target, "Ping", &delivery);
            KvCustomEventDispatcher::dispatch("Ping", target, {QStringLiteral("early")});
        });
        registrar->start();
        QVERIFY(registrar->wait(5000));
        delete registrar;
        QTRY_COMPARE(delivery.count.load(), 1);
        QCOMPARE(delivery.thread.load(), QThread::currentThread());
        QCOMPARE(delivery.args.value(0).toString(), QStringLiteral("early"));
        delete target;
    }

    void refusesWhatNobodyListensTo_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("nullTarget");
        QTest::addColumn<QString>("error");
        QTest::newRow("unknown name") << "Unknown" << false << "no listener";
        QTest::newRow("no target") << "Ping" << true << "no target";
    }

    void refusesWhatNobodyListensTo()
    {
        QFETCH(QString, name);
        QFETCH(bool, nullTarget);
        QFETCH(QString, error);
        KvTestLog log;
        QObject target;
        Delivery delivery;
        listen(&target, "Ping", &delivery);
        QVERIFY(!KvCustomEventDispatcher::dispatch(name, nullTarget ? nullptr : &target));
        QVERIFY(log.hasError(error));
        QCoreApplication::processEvents();
        QCOMPARE(delivery.count.load(), 0);
    }

    // A new object at the old address must not inherit the old handlers.
    void forgetsDestroyedTargets()
    {
        Delivery delivery;
        auto *target = new QObject;
        listen(target, "Ping", &delivery);
        delete target;
        KvTestLog log;
        QVERIFY(!KvCustomEventDispatcher::dispatch("Ping", target));
        QVERIFY(log.hasError("no listener"));
    }

    void laterHandlerReplacesEarlier()
    {
        QObject target;
        Delivery first, second;
        listen(&target, "Ping", &first);
        listen(&target, "Ping", &second);
        QVERIFY(KvCustomEventDispatcher::dispatch("Ping", &target));
        QTRY_COMPARE(second.count.load(), 1);
        QCOMPARE(first.count.load(), 0);
    }
};

QTEST_GUILESS_MAIN(TestKvCustomEventDispatcher)
#include "tst_kvcustomeventdispatcher.moc"
