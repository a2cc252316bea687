#include "FRecentProjectThumbnailLoader.h"

#include "FRecentProjectListItem.h"
#include "KvProjectSuffixHelper.h"
#include "KvProjectThumbnail.h"

#include <QFileInfo>
#include <QMetaObject>

namespace {

// One reader: thumbnails are small files, and a second reader made the first
// paint of a long list slower (it competed with the GUI thread) without
// filling the list sooner.
constexpr int kThreads = 1;

} // namespace

FRecentProjectThumbnailLoader::FRecentProjectThumbnailLoader(QObject *parent)
    : QObject(parent)
{
    static const int registered = qRegisterMetaType<FRecentProjectThumbnailLoader::Results>();
    Q_UNUSED(registered)
    m_pool.setMaxThreadCount(kThreads);
    // Threads end soon after the last batch: an idle dialog keeps none.
    m_pool.setExpiryTimeout(1000);
}

FRecentProjectThumbnailLoader::~FRecentProjectThumbnailLoader()
{
    m_pool.clear();
    m_pool.waitForDone();
}

void FRecentProjectThumbnailLoader::setQueue(const QStringList &paths)
{
    ++m_generation;
    m_queue = paths;
    m_queue.removeDuplicates();
    m_queue.removeAll(QString());
    dispatch();
}

void FRecentProjectThumbnailLoader::prioritise(const QStringList &paths)
{
    QStringList front;
    for (const QString &path : paths) {
        if (m_queue.removeOne(path))
            front << path;
    }
    m_queue = front + m_queue;
    dispatch();
}

FRecentProjectThumbnailLoader::Result FRecentProjectThumbnailLoader::read(const QString &path, const QSize &size)
{
    Result result;
    result.path = path;
    const QFileInfo info(path);
    result.exists = info.isFile();
    if (!result.exists)
        return result;
    result.size = info.size();
    QImage image;
    const QString stored = KvProjectSuffixHelper::thumbnailPathFor(path);
    if (!QFileInfo(stored).isFile() || !image.load(stored, "PNG"))
        image = KvProjectThumbnail::load(path);
    if (!image.isNull())
        result.thumbnail = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return result;
}

void FRecentProjectThumbnailLoader::dispatch()
{
    while (m_inFlight < kThreads && !m_queue.isEmpty()) {
        const QStringList batch = m_queue.mid(0, kBatchSize);
        m_queue.erase(m_queue.begin(), m_queue.begin() + batch.size());
        ++m_inFlight;
        const quint64 generation = m_generation;
        // The destructor waits for every batch, so `this` outlives the job;
        // the queued call runs on the GUI thread, or not at all once the
        // loader is gone.
        m_pool.start([this, batch, generation] {
            Results results;
            results.reserve(batch.size());
            for (const QString &path : batch)
                results << read(path, FRecentProjectListItem::kThumbnailSize);
            QMetaObject::invokeMethod(
                this, [this, generation, results] { slotBatchDone(generation, results); }, Qt::QueuedConnection);
        });
    }
}

void FRecentProjectThumbnailLoader::slotBatchDone(quint64 generation, const Results &results)
{
    --m_inFlight;
    dispatch();
    if (generation == m_generation)
        emit sigLoaded(results);
    if (isIdle())
        emit sigIdle();
}
