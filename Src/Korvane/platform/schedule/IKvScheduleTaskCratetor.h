#pragma once

#include <QString>

#include <functional>

class IKvScheduleTask;

// Makes the tasks of a graph for KvScheduleProjectBuilder, which owns the
// creator and every task it returns.
class IKvScheduleTaskCratetor
{
public:
    // A new task called `name` that runs `function`; null when none can be made.
    virtual IKvScheduleTask *createTask(const QString &name, std::function<bool()> function) = 0;
    // A task the creator knows by name alone, asked for when `after` names a
    // task that no `add` introduced; null when it knows none.
    virtual IKvScheduleTask *createTaskByName(const QString &name) = 0;
    virtual ~IKvScheduleTaskCratetor() = default;
};
