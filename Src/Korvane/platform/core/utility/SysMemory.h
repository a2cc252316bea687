#pragma once

#include <QMetaType>

// Memory figures of the machine, in megabytes.
struct SysMemory
{
    double total = 0;
    double used = 0;
    double free = 0;
    double usedRate = 0; // percent
};

Q_DECLARE_METATYPE(SysMemory)
