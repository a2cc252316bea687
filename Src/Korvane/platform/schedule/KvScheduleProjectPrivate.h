#pragma once

#include "KvScheduleGraph.h"

#include <QElapsedTimer>
#include <QStringList>

#include <condition_variable>
#include <mutex>
#include <set>
#include <utility>

class KvScheduleProject;
class QThreadPool;

// The scheduling behind KvScheduleProject. One mutex guards all run state;
// tasks themselves run outside it. Standard mutexes rather than QMutex, so
// that thread sanitizer builds see every lock.
class KvScheduleProjectPrivate
{
public:
    KvScheduleProjectPrivate(KvScheduleProject *q, KvScheduleGraph graph);
    ~KvScheduleProjectPrivate();

    void start();
    void waitForFinished();
    bool isFinished() const;
    QStringList taskNames() const { return m_names; }

private:
    // (-priority, index): begin() is the task to start next.
    using ReadyQueue = std::set<std::pair<int, int>>;

    void makeReadyLocked(int index);
    void postMainDrainLocked();
    // One ready main-thread task per event-loop turn.
    void drainMainQueue();
    void workerLoop();
    void execute(int index);
    void complete(int index);
    void finishLocked();
    void emitFinishedIfPending();
    bool onOwnerThread() const;

    KvScheduleProject *const q;
    KvScheduleGraph m_graph;
    const QStringList m_names;
    QThreadPool *m_pool = nullptr;
    int m_maxWorkers = 2;

    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    QVector<int> m_pendingPredecessors;
    QVector<int> m_priorities;
    ReadyQueue m_readyWorkers;
    ReadyQueue m_readyMain;
    int m_finishedCount = 0;
    int m_activeWorkers = 0;
    bool m_running = false;
    bool m_finished = false;
    bool m_mainDrainPosted = false;
    bool m_finishedSignalPending = false;
    bool m_stopping = false;
    QElapsedTimer m_elapsed;
};
