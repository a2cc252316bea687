#pragma once

#include <QString>

// Folder helpers of the framework.
class KvDir
{
public:
    // True when `path` exists as a folder afterwards; with `create`, a missing
    // folder (and its parents) is made.
    static bool checkDir(const QString &path, bool create);

    // Copies the files below `source` into `target`, sub-folders included,
    // creating folders as needed. With `overwrite`, existing files are
    // replaced. False when anything could not be copied (the rest still is).
    static bool copyDirectoryFiles(const QString &source, const QString &target, bool overwrite);
};
