#pragma once

#include "KvProjectFile.h"

// Reads a project file for an open without holding the GUI thread: a large
// file is read and parsed on a pool thread while the caller turns a local
// event loop that takes no user input, so the windows repaint and messages
// from other processes are still accepted. For the caller it stays one
// synchronous call with the answer of KvProjectFile::read.
//
// Small files are read directly (they take a few milliseconds), and so is
// every read from another thread or while the application shuts down. The
// worker reads into a value of its own that is handed back at the end: it
// touches nothing the GUI thread may delete meanwhile.
class KvProjectFileLoader
{
public:
    // A file below this size (some 3,000 media and clips) is read and parsed
    // in about 25 ms on a busy machine; one of 1 MiB already takes 60 ms.
    static constexpr qint64 kDirectReadLimit = 256 * 1024;

    static KvProjectFile::ReadResult read(const QString &path, KvProjectData *data, QString *error = nullptr);
};
