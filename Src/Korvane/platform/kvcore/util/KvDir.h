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

    // True when `path` is an existing folder this process may read and write.
    static bool IsPathWriteAndReadable(const QString &path);

    // Removes `path` and everything below it without ever following a
    // symbolic link: a link (to a folder or not) is removed itself, never
    // what it points to. True when nothing is left at `path`.
    static bool removeTree(const QString &path);

    // Moves a damaged file out of the way as "<path>.corrupt-<UTC time>" and
    // keeps at most `keep` such copies of it, dropping the oldest. Returns the
    // new copy's path, or an empty string (and `error`) when it could not.
    static QString moveAside(const QString &path, QString *error, int keep = 3);

    // Drops the oldest "<path>.corrupt-*" copies until at most `keep` remain.
    static void pruneAsideCopies(const QString &path, int keep = 3);
};
