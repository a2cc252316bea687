#pragma once

#include <QString>

// How the automatic backup of the open project runs.
struct KvAutoBackupConfig
{
    bool enabled = false;
    int intervalSeconds = 0;
    // Versions kept per project; older ones are deleted.
    int keepCount = 0;
    // The folder the versions go to; empty means the backup folder of the
    // application information (value 16), where the note always lives.
    QString backupProjectFile;
};
