#pragma once

#include "KvProcessSnapshot.h"

#include <functional>

// Ends the web-view helper processes ("RovUzozAzev.exe") left behind on the
// machine, except those the stock-media service ("StockyardService.exe")
// started: at exit, only the parent decides whether a helper survives.
class FWebHelperReaper
{
public:
    using Terminate = std::function<bool(qint64 pid)>;

    // Runs over a snapshot; the first entry (the idle process) is never
    // examined. `snapshotOk` false means the snapshot could not be read.
    // Returns the ids it tried to terminate, in snapshot order.
    static QList<qint64> KillUnusedCefProgress(const QList<KvProcessEntry> &snapshot, bool snapshotOk,
                                               const Terminate &terminate);

    // The same over the system's own process list.
    static QList<qint64> KillUnusedCefProgress();
};
