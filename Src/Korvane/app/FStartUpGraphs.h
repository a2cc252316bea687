#pragma once

#include <QLatin1String>

#include <functional>

class KvScheduleProjectBuilder;

// The two start-up graphs: which tasks, on which thread, with which priority
// and after which others. The work of each task comes from `stepFor`, so the
// shape of the graphs can be built and checked without running any of it.
class FStartUpGraphs
{
public:
    using Step = std::function<bool()>;
    // The work of the task called `name`.
    using StepFor = std::function<Step(QLatin1String name)>;

    // The graph run to its end before the first page. "Prepare Run" is part of
    // it only when the launch test did not run (the test calls it itself).
    static void describeFirst(KvScheduleProjectBuilder &builder, const StepFor &stepFor, bool launchTestRan);

    // The graph started when the project manager is ready; it may still run
    // while the user works.
    static void describeSecond(KvScheduleProjectBuilder &builder, const StepFor &stepFor);
};
