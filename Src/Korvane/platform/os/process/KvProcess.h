#pragma once

#include <QString>

// Questions about the other processes of the machine, answered from /proc.
class KvProcess
{
public:
    // True when another process runs under `executableName` (a bare name such
    // as "KorvaneUpdater.exe"; a path is reduced to its file name). A process
    // matches by its command name or by the file name of its first argument,
    // compared case-insensitively as Windows compares executable names. The
    // calling process itself never matches.
    static bool hasSameNameProcess(const QString &executableName);
};
