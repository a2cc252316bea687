#pragma once

#include <QObject>
#include <QStringList>

#include <memory>

class KvScheduleGraph;
class KvScheduleProjectPrivate;

// A graph of tasks made by KvScheduleProjectBuilder::create(); it owns its
// tasks. Worker tasks run in parallel on the project's own thread pool (as
// many threads as the machine has cores, at least two), so long start-up
// work never competes with jobs of the global pool. Main-thread tasks run on
// the thread the project lives in, the application's main thread: pumped by
// waitForFinished() while it blocks there, otherwise one per event-loop turn.
// Among the tasks ready at the same moment, higher priority starts first,
// then the one added first; no task starts before every task it follows has
// ended, whether that one succeeded, failed or threw.
class KvScheduleProject : public QObject
{
    Q_OBJECT

public:
    // Stops starting tasks and waits for those that run; tasks not started by
    // then never run. Not to be deleted from one of its own tasks.
    ~KvScheduleProject() override;

    // Starts every task that follows none. Starting a finished project runs it
    // again from the beginning; starting a running one is refused.
    void start();
    // Blocks until every task has ended, starting the project when nobody did.
    // On the main thread it runs the main-thread tasks meanwhile, and
    // sigFinished() has been emitted when it returns. Called from one of the
    // project's own tasks it logs an error and returns at once.
    void waitForFinished();
    bool isFinished() const;

    int taskCount() const;
    // In the order the tasks were added.
    QStringList taskNames() const;

signals:
    // Once per run, on the main thread.
    void sigFinished();

private:
    friend class KvScheduleProjectBuilder;
    friend class KvScheduleProjectPrivate;

    explicit KvScheduleProject(KvScheduleGraph graph);

    std::unique_ptr<KvScheduleProjectPrivate> d;
};
