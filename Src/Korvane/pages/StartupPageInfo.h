#pragma once

#include "AppTestResult.h"

#include <cstdint>

class FSplashScreen;

// What the application object hands the page manager when start-up is over.
struct StartupPageInfo
{
    FSplashScreen *splash = nullptr;
    AppTestResult launchResult;
    std::int32_t gpuCrashClass = -1;
    std::int32_t userTime = 0; // ms the user spent in start-up dialogs
};
