#include "KvLazySingleton.h"

#include <QStringList>
#include <QtConcurrent>
#include <QtTest>

namespace {
QStringList g_events;
std::atomic<int> g_constructed{0};

struct First
{
    First() { ++g_constructed; }
    ~First() { g_events << "~First"; }
};
struct Second
{
    // A singleton that reaches another one while it is being created.
    Second() { KvLazySingleton<First>::instance(); }
    ~Second() { g_events << "~Second"; }
};
} // namespace

class TestKvLazySingleton : public QObject
{
    Q_OBJECT

private slots:
    void createdOnceAcrossThreads()
    {
        g_constructed = 0;
        QVector<int> calls(64);
        QSet<First *> seen;
        QMutex mutex;
        QtConcurrent::blockingMap(calls, [&](int) {
            First *p = KvLazySingleton<First>::instance();
            QMutexLocker locker(&mutex);
            seen.insert(p);
        });
        QCOMPARE(seen.size(), 1);
        QCOMPARE(g_constructed.load(), 1);
        KvLazySingletonManager::releaseAll();
        QVERIFY(!KvLazySingleton<First>::exists());
    }

    void releaseAllNewestFirstAndRecreate()
    {
        g_events.clear();
        KvLazySingleton<Second>::instance();
        QCOMPARE(KvLazySingletonManager::liveCount(), 2);
        KvLazySingletonManager::releaseAll();
        // Second was registered after First finished constructing inside it.
        QCOMPARE(g_events, QStringList({"~Second", "~First"}));
        QCOMPARE(KvLazySingletonManager::liveCount(), 0);

        g_events.clear();
        KvLazySingleton<First>::instance();
        KvLazySingleton<First>::release();
        QCOMPARE(g_events, QStringList({"~First"}));
        KvLazySingletonManager::releaseAll();
        QCOMPARE(g_events, QStringList({"~First"}));
    }
};

QTEST_GUILESS_MAIN(TestKvLazySingleton)
#include "tst_kvlazysingleton.moc"
