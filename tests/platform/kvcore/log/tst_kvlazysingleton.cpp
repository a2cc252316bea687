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
template <KvSingletonRelease Release>
struct WithPolicy
{
    static constexpr KvSingletonRelease kSingletonRelease = Release;
    static inline int alive = 0;
    WithPolicy() { ++alive; }
    ~WithPolicy() { --alive; }
};
using ReleasedWithAll = WithPolicy<KvSingletonRelease::WithAll>;
using ReleasedAtOwnStep = WithPolicy<KvSingletonRelease::OwnStep>;
using KeptForTheProcess = WithPolicy<KvSingletonRelease::ProcessLifetime>;
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

    // What releaseAll() takes and what it leaves to a later step or to the
    // end of the process.
    void releasePolicies()
    {
        KvLazySingleton<ReleasedWithAll>::instance();
        KvLazySingleton<ReleasedAtOwnStep>::instance();
        KeptForTheProcess *kept = KvLazySingleton<KeptForTheProcess>::instance();
        QCOMPARE(KvLazySingletonManager::liveCount(), 1);

        KvLazySingletonManager::releaseAll();
        QCOMPARE(ReleasedWithAll::alive, 0);
        QCOMPARE(ReleasedAtOwnStep::alive, 1);
        QCOMPARE(KeptForTheProcess::alive, 1);
        QCOMPARE(KvLazySingleton<KeptForTheProcess>::instance(), kept);

        KvLazySingleton<ReleasedAtOwnStep>::release();
        QCOMPARE(ReleasedAtOwnStep::alive, 0);
        QVERIFY(!KvLazySingleton<ReleasedAtOwnStep>::exists());
    }
};

QTEST_GUILESS_MAIN(TestKvLazySingleton)
#include "tst_kvlazysingleton.moc"
