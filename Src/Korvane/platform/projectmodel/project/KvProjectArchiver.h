#pragma once

#include "KvProjectData.h"

#include <QString>

// A project archive (".kvarc") is a zip that carries a project to another
// machine:
//   <name>.kvproj     the project, media referenced as "media/NNN_<file name>"
//   media/NNN_<file>  a copy of every medium that exists, stored uncompressed
//   medialist.json    { "version": 1, "media": [ { "index": 0, "originalPath": "...",
//                       "archivedPath": "media/000_a.mp4" | null } ] }
// Media that are missing stay referenced by their original path and are
// listed with a null archivedPath, so the archive still opens.
class KvProjectArchiver
{
public:
    static QString mediaListEntryName();

    // Writes the zip atomically; the previous file at `zipPath` survives a failure.
    static bool archive(const KvProjectData &data, const QString &zipPath, QString *error = nullptr);
    // Unpacks into `targetDir` and answers the path of the project file in
    // it, or an empty string (with an error log). Entries that would land
    // outside `targetDir` make the whole archive invalid.
    static QString extract(const QString &zipPath, const QString &targetDir, QString *error = nullptr);
    // The project's file name inside an archive: its name without characters
    // that file systems refuse, "Untitled" when empty.
    static QString projectEntryName(const KvProjectData &data);
};
