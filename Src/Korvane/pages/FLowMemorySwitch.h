#pragma once

#include "SysMemory.h"

// Turns on safe mode when the memory monitor reports a machine too small or
// too full for editing. It switches at most once per run, whatever the later
// readings; the user's own safe-mode choice is not touched afterwards.
class FLowMemorySwitch
{
public:
    static constexpr double kMinTotalMB = 4096;
    static constexpr double kMinFreeMB = 1024;

    // Below the minimum in all or free.
    static bool isMemoryLow(double totalMB, double freeMB);
    // True when this reading switched to safe mode.
    static bool onReading(const SysMemory &mem);
    static bool requested();
};
