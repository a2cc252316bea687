#pragma once

#include <QList>
#include <QString>

// One process of a snapshot: its id, its parent's id and its executable's
// file name.
struct KvProcessEntry
{
    qint64 pid = 0;
    qint64 parentPid = 0;
    QString name;
};

// All processes of the system at one moment, read from /proc. Like the
// snapshots the editor was first written against, the list starts with a
// pseudo entry for the idle process (pid 0), then every process in pid order.
class KvProcessSnapshot
{
public:
    // False when /proc cannot be read; `entries` is then empty.
    static bool take(QList<KvProcessEntry> *entries);

    // The executable file name of `pid`: the name it was started under (so a
    // link or a hard-linked copy keeps its own name), else its command name.
    static QString processName(qint64 pid);

    // SIGKILL; false when the process is gone or not ours to kill.
    static bool terminate(qint64 pid);
};
