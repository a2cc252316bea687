#pragma once

#include <QDateTime>
#include <QFuture>
#include <QHash>
#include <QImage>
#include <QList>
#include <QObject>
#include <QStringList>

template <class T>
class QFutureWatcher;

// Finds the thumbnails of the recent projects on a worker: a project saved
// before thumbnails were kept beside it has to be read in full to draw one,
// which must never hold up the start page. Results reach the GUI thread
// through a watcher; a newer request supersedes an older one, and the
// destructor waits for every job still running.
class FRecentThumbnailLoader : public QObject
{
    Q_OBJECT

public:
    using Images = QHash<QString, QImage>;

    explicit FRecentThumbnailLoader(QObject *parent = nullptr);
    ~FRecentThumbnailLoader() override;

    // The thumbnail found for `path`, null when none is known yet.
    QImage cached(const QString &path) const { return m_cache.value(path).image; }
    // Starts finding the thumbnails of `paths` that are not known, or whose
    // project or thumbnail file changed since. False when there is nothing
    // to find (no sigThumbnailsReady follows).
    bool load(const QStringList &paths);
    bool isLoading() const;
    // Blocks until every job is done; for shutdown and tests.
    void waitForDone();

signals:
    // The thumbnails found by the latest request, by path; a null image for
    // a project that has none.
    void sigThumbnailsReady(const FRecentThumbnailLoader::Images &images);

private:
    struct Entry
    {
        QImage image;
        QDateTime stamp;
    };
    static QDateTime stampOf(const QString &path);
    void slotFinished(QFutureWatcher<Images> *watcher, const QHash<QString, QDateTime> &stamps);

    QHash<QString, Entry> m_cache;
    QList<QFuture<Images>> m_jobs;
    QFutureWatcher<Images> *m_latest = nullptr;
};
