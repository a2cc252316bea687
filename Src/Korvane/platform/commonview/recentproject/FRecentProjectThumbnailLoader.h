#pragma once

#include <QHash>
#include <QImage>
#include <QList>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QThreadPool>
#include <QVector>

// Reads what the recent-project rows need from the disk, off the GUI thread:
// whether the project file is there, its size, and its thumbnail scaled to
// the row's size. Paths are taken in small batches, the ones the user can
// see first; results come back on the GUI thread a batch at a time, so no
// single delivery holds the GUI up. The destructor drops what has not
// started and waits for the batches running (a batch is a few small files).
class FRecentProjectThumbnailLoader : public QObject
{
    Q_OBJECT

public:
    struct Result
    {
        QString path;
        bool exists = false;
        qint64 size = -1;
        QImage thumbnail; // null when the project has none
    };
    using Results = QVector<Result>;

    static constexpr int kBatchSize = 6;

    explicit FRecentProjectThumbnailLoader(QObject *parent = nullptr);
    ~FRecentProjectThumbnailLoader() override;

    // Everything to read, in the order to read it; forgets an earlier queue.
    void setQueue(const QStringList &paths);
    // Moves these paths, where still waiting, to the front of the queue.
    void prioritise(const QStringList &paths);
    bool isIdle() const { return m_inFlight == 0 && m_queue.isEmpty(); }
    int pendingCount() const { return m_queue.size(); }

    // What a row shows of `path`: the ".fsthumb" PNG beside the project, else
    // the picture the project service draws, scaled to `size` smoothly and
    // without keeping the aspect. Any thread.
    static Result read(const QString &path, const QSize &size);

signals:
    void sigLoaded(const FRecentProjectThumbnailLoader::Results &results);
    void sigIdle();

private:
    void dispatch();
    void slotBatchDone(quint64 generation, const FRecentProjectThumbnailLoader::Results &results);

    QThreadPool m_pool;
    QStringList m_queue;
    int m_inFlight = 0;
    // Batches of an earlier queue still arrive; their results are stale.
    quint64 m_generation = 0;
};

Q_DECLARE_METATYPE(FRecentProjectThumbnailLoader::Results)
