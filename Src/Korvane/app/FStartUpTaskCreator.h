#pragma once

#include "IKvScheduleTaskCratetor.h"

// Makes the start-up graph's tasks: each a default task running the function
// it is given.
class FStartUpTaskCreator : public IKvScheduleTaskCratetor
{
public:
    IKvScheduleTask *createTask(const QString &name, std::function<bool()> function) override;
    IKvScheduleTask *createTaskByName(const QString &name) override;
    ~FStartUpTaskCreator() override;
};
