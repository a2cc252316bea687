#pragma once

#include "KvMediaType.h"

#include <QHash>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QThreadPool>

// What the media library shows of a file beyond its name.
struct FMediaFacts
{
    KvMediaType type = KvMediaType::Unknown;
    qint64 size = -1; // -1: the file is gone
    QImage thumbnail; // images only, scaled to kThumbnailSize
};

// Reads media facts and draws thumbnails on a worker thread of its own,
// one file at a time, in the order asked (the rows on screen first, as the
// view asks for them). Results come back on the GUI thread as sigReady.
// forget() drops the queue (another project); the destructor waits for the
// one job that may be running.
class FMediaFactsLoader : public QObject
{
    Q_OBJECT

public:
    static constexpr QSize kThumbnailSize{64, 36};

    explicit FMediaFactsLoader(QObject *parent = nullptr);
    ~FMediaFactsLoader() override;

    // Asks once per path until forget().
    void request(const QString &path);
    void forget();
    bool isIdle() const { return m_pending.isEmpty(); }

    // The work itself, on any thread.
    static FMediaFacts read(const QString &path);

signals:
    void sigReady(const QString &path, const FMediaFacts &facts);

private:
    QThreadPool m_pool;
    QSet<QString> m_pending;
    quint64 m_generation = 0;
};
