#include "FMediaFactsLoader.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPointer>

FMediaFactsLoader::FMediaFactsLoader(QObject *parent)
    : QObject(parent)
{
    m_pool.setMaxThreadCount(1);
    m_pool.setExpiryTimeout(2000);
}

FMediaFactsLoader::~FMediaFactsLoader()
{
    m_pool.clear();
    m_pool.waitForDone();
}

void FMediaFactsLoader::request(const QString &path)
{
    if (m_pending.contains(path))
        return;
    m_pending.insert(path);
    const quint64 generation = m_generation;
    QPointer<FMediaFactsLoader> self(this);
    m_pool.start([self, path, generation]() {
        const FMediaFacts facts = read(path);
        // Queued to the loader's thread; dropped by Qt if the loader is gone
        // by then (the destructor waits for this job, so it is not yet).
        QMetaObject::invokeMethod(
            self.data(),
            [self, path, generation, facts]() {
                if (!self || self->m_generation != generation)
                    return;
                emit self->sigReady(path, facts);
            },
            Qt::QueuedConnection);
    });
}

void FMediaFactsLoader::forget()
{
    m_pool.clear();
    m_pending.clear();
    ++m_generation;
}

FMediaFacts FMediaFactsLoader::read(const QString &path)
{
    FMediaFacts facts;
    const QFileInfo info(path);
    if (!info.isFile())
        return facts;
    facts.size = info.size();
    facts.type = KvMediaProbe::typeByContent(path);
    if (facts.type == KvMediaType::Image) {
        QImageReader reader(path);
        const QSize size = reader.size();
        if (size.isValid())
            reader.setScaledSize(size.scaled(kThumbnailSize, Qt::KeepAspectRatio));
        facts.thumbnail = reader.read();
    }
    return facts;
}
