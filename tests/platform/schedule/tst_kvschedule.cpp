#include "IKvScheduleTaskCratetor.h"
#include "KvDefaultScheduleTask.h"
#include "KvScheduleProject.h"
#include "KvScheduleProjectBuilder.h"

#include "KvTestLog.h"

#include <QHash>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QThread>
#include <QtTest>

#include <algorithm>
#include <atomic>
#include <memory>
#include <mutex>
#include <numeric>
#include <stdexcept>
#include <vector>

namespace {

// Like the shell's creator; it also knows one task by name alone.
class TestCreator : public IKvScheduleTaskCratetor
{
public:
    explicit TestCreator(std::function<bool()> known = {}) : m_known(std::move(known)) {}

    IKvScheduleTask *createTask(const QString &name, std::function<bool()> function) override
    {
        auto *task = new KvDefaultScheduleTask(name);
        task->setFunction(std::move(function));
        return task;
    }
    IKvScheduleTask *createTaskByName(const QString &name) override
    {
        return name == "Known" && m_known ? new KvDefaultScheduleTask(name, m_known) : nullptr;
    }

private:
    std::function<bool()> m_known;
};

// When each named task began and ended on one clock, and on which thread.
class Journal
{
public:
    std::function<bool()> task(const QString &name, std::function<bool()> work = [] { return true; })
    {
        return [this, name, work] {
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_begun[name] = ++m_clock;
                m_threads[name] = QThread::currentThread();
                ++m_runs[name];
            }
            // Recorded even when the work throws.
            struct EndMark
            {
                Journal *journal;
                QString name;
                ~EndMark()
                {
                    std::lock_guard<std::mutex> lock(journal->m_mutex);
                    journal->m_ended[name] = ++journal->m_clock;
                }
            } mark{this, name};
            return work();
        };
    }

    int runs(const QString &name) const { std::lock_guard<std::mutex> lock(m_mutex); return m_runs.value(name); }
    QThread *thread(const QString &name) const { std::lock_guard<std::mutex> lock(m_mutex); return m_threads.value(name); }
    // `first` had ended before `second` began.
    bool endedBefore(const QString &first, const QString &second) const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_ended.contains(first) && m_begun.contains(second) && m_ended[first] < m_begun[second];
    }
    QStringList byStart() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        QStringList names = m_begun.keys();
        std::sort(names.begin(), names.end(),
                  [this](const QString &a, const QString &b) { return m_begun[a] < m_begun[b]; });
        return names;
    }

private:
    mutable std::mutex m_mutex;
    int m_clock = 0;
    QHash<QString, int> m_begun;
    QHash<QString, int> m_ended;
    QHash<QString, int> m_runs;
    QHash<QString, QThread *> m_threads;
};

} // namespace

class TestKvSchedule : public QObject
{
    Q_OBJECT

private slots:
    void randomGraphsKeepEveryOrder_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("tasks");
        QTest::addColumn<int>("mainPercent");
        QTest::addColumn<int>("maxPredecessors");
        QTest::newRow("300 mixed") << 1u << 300 << 30 << 4;
        QTest::newRow("200 on workers") << 2u << 200 << 0 << 3;
        QTest::newRow("120 on the main thread") << 3u << 120 << 100 << 3;
        QTest::newRow("200 without orders") << 4u << 200 << 50 << 0;
        QTest::newRow("80 dense") << 5u << 80 << 40 << 12;
    }

    // Orders point from earlier to later tasks, but the tasks are added in a
    // shuffled order, so many orders name a task added later.
    void randomGraphsKeepEveryOrder()
    {
        QFETCH(quint32, seed);
        QFETCH(int, tasks);
        QFETCH(int, mainPercent);
        QFETCH(int, maxPredecessors);

        QRandomGenerator random(seed);
        QVector<QVector<int>> predecessors(tasks);
        QVector<bool> onMain(tasks);
        for (int i = 0; i < tasks; ++i) {
            const int count = i == 0 ? 0 : random.bounded(maxPredecessors + 1);
            for (int k = 0; k < count; ++k)
                predecessors[i] << random.bounded(i);
            onMain[i] = random.bounded(100) < mainPercent;
        }
        std::vector<std::atomic<bool>> ended(tasks);
        std::vector<std::atomic<int>> runs(tasks);
        std::mutex problemsMutex;
        QStringList problems;
        QThread *mainThread = QThread::currentThread();

        QVector<int> addingOrder(tasks);
        std::iota(addingOrder.begin(), addingOrder.end(), 0);
        std::shuffle(addingOrder.begin(), addingOrder.end(), random);

        KvTestLog log;
        KvScheduleProjectBuilder builder(new TestCreator);
        for (int i : addingOrder) {
            builder.add(QString("T%1").arg(i), [&, i] {
                ++runs[i];
                QStringList found;
                for (int p : predecessors[i]) {
                    if (!ended[p])
                        found << QString("T%1 began before T%2 ended").arg(i).arg(p);
                }
                if ((QThread::currentThread() == mainThread) != onMain[i])
                    found << QString("T%1 on the wrong thread").arg(i);
                if (!found.isEmpty()) {
                    std::lock_guard<std::mutex> lock(problemsMutex);
                    problems << found;
                }
                ended[i] = true;
                return true;
            });
            for (int p : predecessors[i])
                builder.after(QString("T%1").arg(p));
            if (onMain[i])
                builder.runInMainThread();
            builder.setPriority(random.bounded(5));
        }
        std::unique_ptr<KvScheduleProject> project(builder.create());
        QCOMPARE(project->taskCount(), tasks);

        project->start();
        project->waitForFinished();
        QVERIFY(project->isFinished());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.mid(0, 5).join('\n')));
        for (int i = 0; i < tasks; ++i)
            QCOMPARE(runs[i].load(), 1);
        QVERIFY2(log.errors().isEmpty(), qPrintable(log.errors().join('\n')));
    }

    // Main -> worker -> main, all while the main thread blocks in
    // waitForFinished: no event loop runs in between.
    void mainThreadTasksRunWhileWaiting()
    {
        KvTestLog log;
        Journal journal;
        KvScheduleProjectBuilder builder(new TestCreator);
        builder.add("Worker D", journal.task("Worker D")).after("Main C");
        builder.add("Main A", journal.task("Main A")).runInMainThread();
        builder.add("Worker B", journal.task("Worker B")).after("Main A");
        builder.add("Main C", journal.task("Main C")).after("Worker B").runInMainThread();
        std::unique_ptr<KvScheduleProject> project(builder.create());
        QSignalSpy finished(project.get(), &KvScheduleProject::sigFinished);

        project->start();
        project->waitForFinished();

        QCOMPARE(finished.count(), 1);
        QCOMPARE(journal.byStart(), QStringList({"Main A", "Worker B", "Main C", "Worker D"}));
        QVERIFY(journal.endedBefore("Main A", "Worker B"));
        QVERIFY(journal.endedBefore("Worker B", "Main C"));
        QVERIFY(journal.endedBefore("Main C", "Worker D"));
        QCOMPARE(journal.thread("Main A"), QThread::currentThread());
        QCOMPARE(journal.thread("Main C"), QThread::currentThread());
        QVERIFY(journal.thread("Worker B") != QThread::currentThread());
        QVERIFY(journal.thread("Worker D") != QThread::currentThread());
        QCOMPARE(log.count("task \"Main C\" begin (main thread)"), 1);
        QCOMPARE(log.count("task \"Worker B\" end after "), 1);
    }

    // Tasks written as "[*!?~]Name: Predecessor ...": * main thread, ! throws,
    // ? returns false, ~ waits for its own project.
    void badGraphsStillFinish_data()
    {
        QTest::addColumn<QStringList>("tasks");
        QTest::addColumn<QStringList>("orders");
        QTest::addColumn<QString>("error");
        // Mistakes in the description itself, which the builder also returns.
        QTest::addColumn<int>("describeErrors");
        QTest::newRow("unknown name") << QStringList{"A", "*B: A Missing"} << QStringList{"A<B"}
                                      << "\"B\" follows \"Missing\", which is no task of the graph" << 1;
        QTest::newRow("name known to the creator")
            << QStringList{"A: Known", "B: A"} << QStringList{"Known<A", "A<B"} << QString() << 0;
        QTest::newRow("two tasks wait for each other") << QStringList{"A: B", "B: A", "C: A"}
                                                       << QStringList{"A<B", "A<C"} << "\"A\" no longer follows \"B\"" << 1;
        QTest::newRow("task follows itself")
            << QStringList{"*A: A", "B: A"} << QStringList{"A<B"} << "\"A\" follows itself" << 1;
        QTest::newRow("cycle of three on the main thread")
            << QStringList{"*A: C", "*B: A", "*C: B", "D: C"} << QStringList{"A<B", "B<C", "C<D"}
            << "\"A\" no longer follows \"C\"" << 1;
        QTest::newRow("name added twice") << QStringList{"A", "B: A", "A"} << QStringList{}
                                          << "task \"A\" added twice" << 1;
        QTest::newRow("task throws") << QStringList{"!A", "B: A", "*C: B"} << QStringList{"A<B", "B<C"}
                                     << "task \"A\" threw: boom" << 0;
        QTest::newRow("task fails") << QStringList{"*?A", "B: A"} << QStringList{"A<B"} << "task \"A\" failed" << 0;
        QTest::newRow("task waits for its own project")
            << QStringList{"~A", "*~B: A", "C: B"} << QStringList{"A<B", "B<C"} << "waits for its own project" << 0;
    }

    void badGraphsStillFinish()
    {
        QFETCH(QStringList, tasks);
        QFETCH(QStringList, orders);
        QFETCH(QString, error);
        QFETCH(int, describeErrors);

        KvTestLog log;
        Journal journal;
        KvScheduleProject *project = nullptr;
        KvScheduleProjectBuilder builder(new TestCreator(journal.task("Known")));
        for (QString entry : tasks) {
            const bool onMain = entry.contains('*');
            const bool throws = entry.contains('!');
            const bool fails = entry.contains('?');
            const bool waitsForOwn = entry.contains('~');
            entry.remove(QRegularExpression("[*!?~]"));
            const QString name = entry.section(':', 0, 0);
            builder.add(name, journal.task(name, [&project, throws, fails, waitsForOwn]() -> bool {
                if (throws)
                    throw std::runtime_error("boom");
                if (waitsForOwn)
                    project->waitForFinished();
                return !fails;
            }));
            for (const QString &predecessor : entry.section(':', 1).split(' ', Qt::SkipEmptyParts))
                builder.after(predecessor);
            if (onMain)
                builder.runInMainThread();
        }
        std::unique_ptr<KvScheduleProject> owner(builder.create());
        project = owner.get();
        QVERIFY2(builder.errors().size() == describeErrors, qPrintable(builder.errors().join('\n')));

        project->start();
        project->waitForFinished();

        QVERIFY(project->isFinished());
        for (const QString &name : project->taskNames())
            QCOMPARE(journal.runs(name), project->taskNames().count(name));
        for (const QString &order : orders) {
            const QStringList pair = order.split('<');
            QVERIFY2(journal.endedBefore(pair[0], pair[1]), qPrintable(order));
        }
        if (error.isEmpty())
            QVERIFY2(log.errors().isEmpty(), qPrintable(log.errors().join('\n')));
        else
            QVERIFY2(log.hasError(error), qPrintable(log.errors().join('\n')));
    }

    // Only the main thread takes main-thread tasks, so their order is exact.
    void readyTasksStartByPriority()
    {
        Journal journal;
        KvScheduleProjectBuilder builder(new TestCreator);
        builder.add("Low", journal.task("Low")).runInMainThread();
        builder.add("High", journal.task("High")).runInMainThread().setPriority(100);
        builder.add("Mid", journal.task("Mid")).runInMainThread().setPriority(50);
        builder.add("Tie", journal.task("Tie")).runInMainThread().setPriority(50);
        builder.add("Negative", journal.task("Negative")).runInMainThread().setPriority(-1);
        std::unique_ptr<KvScheduleProject> project(builder.create());
        project->waitForFinished();
        QCOMPARE(journal.byStart(), QStringList({"High", "Mid", "Tie", "Low", "Negative"}));
    }

    // The second graph of a start: built on a worker task of the first, started
    // and not waited for; it ends through the event loop and can run again.
    void startedProjectFinishesInTheEventLoop()
    {
        Journal journal;
        std::unique_ptr<KvScheduleProject> second;
        KvScheduleProjectBuilder first(new TestCreator);
        first.add("Init Project Editor", [&] {
            KvScheduleProjectBuilder builder(new TestCreator);
            builder.add("Init Decoder", journal.task("Init Decoder"));
            builder.add("Init Project", journal.task("Init Project")).runInMainThread();
            builder.add("Load Installed Effect", journal.task("Load Installed Effect")).after("Init Project");
            second.reset(builder.create());
            second->start();
            return true;
        });
        std::unique_ptr<KvScheduleProject>(first.create())->waitForFinished();

        QVERIFY(second);
        QCOMPARE(second->thread(), QThread::currentThread());
        QSignalSpy finished(second.get(), &KvScheduleProject::sigFinished);
        QVERIFY(finished.wait(20000));
        QVERIFY(second->isFinished());
        QCOMPARE(journal.thread("Init Project"), QThread::currentThread());
        QVERIFY(journal.endedBefore("Init Project", "Load Installed Effect"));

        second->start();
        QVERIFY(finished.wait(20000));
        for (const QString &name : second->taskNames())
            QCOMPARE(journal.runs(name), 2);
    }

    // Deleted mid-run: tasks still queued never run, and nothing touches the
    // project afterwards (sanitizer builds catch it).
    void deletingARunningProjectIsSafe()
    {
        std::atomic<int> runs{0};
        KvScheduleProjectBuilder builder(new TestCreator);
        for (int i = 0; i < 40; ++i) {
            builder.add(QString("T%1").arg(i), [&runs] {
                QThread::usleep(200);
                ++runs;
                return true;
            });
            if (i % 3 == 1)
                builder.runInMainThread();
            if (i > 0)
                builder.after(QString("T%1").arg(i / 2));
        }
        KvScheduleProject *project = builder.create();
        project->start();
        delete project;
        QCoreApplication::processEvents();
        QVERIFY(runs.load() < 40);
    }

    void taskStateFollowsItsPredecessors()
    {
        KvTestLog log;
        KvDefaultScheduleTask first("First"), second("Second");
        int calls = 0;
        KvDefaultScheduleTask task("Task", [&calls] { return ++calls > 0; });
        QCOMPARE(task.getCurrentState(), KvScheduleTaskState::Ready);
        task.addPredecessor(&first);
        task.addPredecessor(&second);
        task.onPredecessorFinished(&first);
        QCOMPARE(task.getCurrentState(), KvScheduleTaskState::Waiting);

        task.start();
        QCOMPARE(calls, 0);
        QVERIFY(log.hasError("task \"Task\" not started: it is waiting"));

        task.removePredecessor(&second);
        QCOMPARE(task.getCurrentState(), KvScheduleTaskState::Ready);
        task.start();
        QCOMPARE(calls, 1);
        QVERIFY(task.isFinished());

        task.recycle();
        QCOMPARE(task.getCurrentState(), KvScheduleTaskState::Waiting);
        task.onPredecessorFinished(&first);
        task.start();
        QCOMPARE(calls, 2);
    }
};

QTEST_GUILESS_MAIN(TestKvSchedule)
#include "tst_kvschedule.moc"
