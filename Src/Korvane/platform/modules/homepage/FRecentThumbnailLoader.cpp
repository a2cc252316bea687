#include "FRecentThumbnailLoader.h"

#include "KvProjectSuffixHelper.h"
#include "KvProjectThumbnail.h"

#include <QFileInfo>
#include <QFutureWatcher>
#include <QtConcurrent>

FRecentThumbnailLoader::FRecentThumbnailLoader(QObject *parent)
    : QObject(parent)
{
}

FRecentThumbnailLoader::~FRecentThumbnailLoader()
{
    waitForDone();
}

QDateTime FRecentThumbnailLoader::stampOf(const QString &path)
{
    // Two stats: cheap enough for the GUI thread, and they notice a project
    // saved (or a thumbnail written) since the last look.
    const QDateTime project = QFileInfo(path).lastModified();
    const QDateTime thumbnail = QFileInfo(KvProjectSuffixHelper::thumbnailPathFor(path)).lastModified();
    return qMax(project, thumbnail);
}

bool FRecentThumbnailLoader::load(const QStringList &paths)
{
    QStringList wanted;
    QHash<QString, QDateTime> stamps;
    for (const QString &path : paths) {
        if (stamps.contains(path))
            continue;
        const QDateTime stamp = stampOf(path);
        const auto known = m_cache.constFind(path);
        if (known != m_cache.cend() && known->stamp == stamp)
            continue;
        stamps.insert(path, stamp);
        wanted << path;
    }
    if (wanted.isEmpty())
        return false;
    // Finished jobs need no joining any more.
    for (int i = m_jobs.size() - 1; i >= 0; --i) {
        if (m_jobs.at(i).isFinished())
            m_jobs.removeAt(i);
    }
    // The list is small (the recent list's cap); one job reads it all.
    const QFuture<Images> job = QtConcurrent::run([wanted] {
        Images images;
        for (const QString &path : wanted)
            images.insert(path, KvProjectThumbnail::load(path, true));
        return images;
    });
    m_jobs << job;
    // A watcher per job: a superseded job's result still fills the cache but
    // is not announced.
    auto *watcher = new QFutureWatcher<Images>(this);
    m_latest = watcher;
    connect(watcher, &QFutureWatcherBase::finished, this,
            [this, watcher, stamps] { slotFinished(watcher, stamps); });
    watcher->setFuture(job);
    return true;
}

bool FRecentThumbnailLoader::isLoading() const
{
    for (const QFuture<Images> &job : m_jobs) {
        if (!job.isFinished())
            return true;
    }
    return false;
}

void FRecentThumbnailLoader::waitForDone()
{
    for (QFuture<Images> &job : m_jobs)
        job.waitForFinished();
}

void FRecentThumbnailLoader::slotFinished(QFutureWatcher<Images> *watcher, const QHash<QString, QDateTime> &stamps)
{
    const Images images = watcher->result();
    for (auto it = images.cbegin(); it != images.cend(); ++it) {
        // A thumbnail the job wrote itself is newer than the stamp taken
        // before; take the stamp afresh so it is not read again.
        const QDateTime stamp = it.value().isNull() ? stamps.value(it.key()) : stampOf(it.key());
        m_cache.insert(it.key(), Entry{it.value(), stamp});
    }
    const bool latest = watcher == m_latest;
    if (latest)
        m_latest = nullptr;
    watcher->deleteLater();
    if (latest)
        emit sigThumbnailsReady(images);
}
