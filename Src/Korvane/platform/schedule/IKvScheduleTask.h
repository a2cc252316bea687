#pragma once

#include "KvScheduleTaskState.h"

#include <QString>

#include <functional>

// One named step of a task graph. The scheduler decides when and on which
// thread a task starts; the task keeps its own state and the tasks it waits
// for. Every operation is safe to call from any thread.
class IKvScheduleTask
{
public:
    // The work itself, true when it succeeded. Called by start().
    virtual bool run() = 0;
    // Runs the task now on the calling thread, when it is Ready: logs and
    // times it, and catches whatever run() throws, so nothing crosses the
    // task boundary. Ends in Finished whether the work succeeded or not.
    virtual void start() = 0;
    virtual bool isRunning() const = 0;
    virtual bool isFinished() const = 0;
    virtual void addPredecessor(IKvScheduleTask *task) = 0;
    virtual void removePredecessor(IKvScheduleTask *task) = 0;
    virtual void addSuccessor(IKvScheduleTask *task) = 0;
    // One of the tasks this one follows has ended.
    virtual void onPredecessorFinished(IKvScheduleTask *task) = 0;
    // Back to the state before the first start, so the graph can run again.
    virtual void recycle() = 0;
    virtual KvScheduleTaskState getCurrentState() const = 0;
    virtual QString name() const = 0;
    virtual void setFunction(std::function<bool()> function) = 0;
    virtual void setRunInMainThread(bool mainThread) = 0;
    // Higher runs first among the tasks that are ready at the same time.
    virtual void setPriority(int priority) = 0;
    virtual int priority() const = 0;
    virtual ~IKvScheduleTask() = default;
};
