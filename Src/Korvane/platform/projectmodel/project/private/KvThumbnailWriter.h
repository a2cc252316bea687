#pragma once

#include "KvProjectData.h"

#include <QThreadPool>

// Writes project thumbnails on a thread of its own, one after the other in
// the order asked: drawing a large timeline takes long enough to be felt on
// the GUI thread. The destructor waits for the writes still queued.
class KvThumbnailWriter
{
public:
    KvThumbnailWriter();
    ~KvThumbnailWriter();

    // Queues the ".fsthumb" of `projectPath`, drawn from `data`.
    void writeBeside(const QString &projectPath, const KvProjectData &data);
    // Queues it only when there is none yet or it is older than the project
    // file. True when a write was queued.
    bool refreshBeside(const QString &projectPath, const KvProjectData &data);
    void waitForDone();

private:
    QThreadPool m_pool;
};
