#pragma once

#include <cstdint>

// What the launch test found, handed unchanged from the application object
// to the page manager. The layout is fixed: five flags, then the GPU crash class.
struct AppTestResult
{
    bool reserved = false;
    bool driverUpdateNoticeWanted = false;
    bool hardwareBelowRequirement = false;
    bool unsavedProjectFound = false;
    bool safeModeExitChosen = false;
    std::int32_t gpuCrashClass = -1;
};

static_assert(sizeof(AppTestResult) == 12, "the launch result block is 12 bytes");
