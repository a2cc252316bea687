#include "KvDefaultScheduleTask.h"

#include "IKvBaseLog.h"

KvDefaultScheduleTask::KvDefaultScheduleTask(const QString &name, std::function<bool()> function, QObject *parent)
    : KvScheduleTask(name, parent)
{
    setFunction(std::move(function));
}

bool KvDefaultScheduleTask::run()
{
    // A copy, so a setFunction() from elsewhere cannot pull it away mid-call.
    const std::function<bool()> work = function();
    if (!work) {
        KV_LOG_ERROR("task \"%s\" has no function", KV_CSTR(name()));
        return false;
    }
    return work();
}
