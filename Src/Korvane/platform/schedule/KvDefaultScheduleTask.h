#pragma once

#include "KvScheduleTask.h"

// The task made from a name and a function: run() calls the function.
class KvDefaultScheduleTask : public KvScheduleTask
{
    Q_OBJECT

public:
    explicit KvDefaultScheduleTask(const QString &name, std::function<bool()> function = {},
                                   QObject *parent = nullptr);

    bool run() override;
};
