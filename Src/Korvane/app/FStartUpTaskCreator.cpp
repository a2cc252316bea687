#include "FStartUpTaskCreator.h"

#include "KvDefaultScheduleTask.h"

IKvScheduleTask *FStartUpTaskCreator::createTask(const QString &name, std::function<bool()> function)
{
    auto *task = new KvDefaultScheduleTask(name);
    task->setFunction(std::move(function));
    return task;
}

IKvScheduleTask *FStartUpTaskCreator::createTaskByName(const QString &)
{
    return nullptr;
}

FStartUpTaskCreator::~FStartUpTaskCreator() = default;
