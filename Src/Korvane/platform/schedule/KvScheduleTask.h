#pragma once

#include "IKvScheduleTask.h"

#include <QList>
#include <QObject>
#include <QSet>

#include <mutex>

// The common task: state, predecessors and the logged, timed, exception-safe
// start. Subclasses override run(); this one runs nothing and succeeds.
class KvScheduleTask : public QObject, public IKvScheduleTask
{
    Q_OBJECT

public:
    explicit KvScheduleTask(const QString &name, QObject *parent = nullptr);
    ~KvScheduleTask() override;

    bool run() override;
    void start() override;
    bool isRunning() const override;
    bool isFinished() const override;
    void addPredecessor(IKvScheduleTask *task) override;
    void removePredecessor(IKvScheduleTask *task) override;
    void addSuccessor(IKvScheduleTask *task) override;
    void onPredecessorFinished(IKvScheduleTask *task) override;
    void recycle() override;
    KvScheduleTaskState getCurrentState() const override;
    QString name() const override;
    void setFunction(std::function<bool()> function) override;
    void setRunInMainThread(bool mainThread) override;
    void setPriority(int priority) override;
    int priority() const override;

    bool isRunInMainThread() const;
    QList<IKvScheduleTask *> successors() const;

protected:
    std::function<bool()> function() const;

private:
    // Waiting or Ready, from the predecessors that have not ended yet.
    void updateReadinessLocked();

    const QString m_name;
    mutable std::mutex m_mutex;
    KvScheduleTaskState m_state = KvScheduleTaskState::Ready;
    QSet<IKvScheduleTask *> m_predecessors;
    QSet<IKvScheduleTask *> m_finishedPredecessors;
    QList<IKvScheduleTask *> m_successors;
    std::function<bool()> m_function;
    bool m_runInMainThread = false;
    int m_priority = 0;
};
