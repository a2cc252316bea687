#pragma once

// Where a task stands in its graph. A task is Ready once every task it
// follows has ended (at once when it follows none).
enum class KvScheduleTaskState
{
    Waiting,
    Ready,
    Running,
    Finished,
};
