#pragma once

#include "SysMemory.h"

class FUtility
{
public:
    // Reads /proc/meminfo; false (and zeros) when it cannot.
    static bool getMemory(SysMemory &memory);
};
