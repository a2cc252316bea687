#include "FExtractPackManager.h"

#include "FSafeZipExtractor.h"
#include "IKvBaseLog.h"
#include "KvEffectPackUtility.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtConcurrent>

namespace {

// Packs are larger than start tips: media, presets and thumbnails.
FSafeZipExtractor::Limits packLimits()
{
    FSafeZipExtractor::Limits limits;
    limits.maxEntries = 20000;
    limits.maxEntrySize = qint64(1) << 30;
    limits.maxTotalSize = qint64(4) << 30;
    return limits;
}

} // namespace

FExtractPackManager::FExtractPackManager(QObject *parent)
    : QObject(parent)
{
    connect(&m_watcher, &QFutureWatcher<Result>::finished, this, [this] {
        const Result result = m_watcher.result();
        emit sigTaskFinished(result.installed, result.failed);
        startNext();
    });
}

FExtractPackManager::~FExtractPackManager()
{
    m_tasks.clear();
    m_watcher.waitForFinished();
}

void FExtractPackManager::AddTask(const QStringList &archives, const QString &installFolder)
{
    m_tasks.enqueue({archives, installFolder});
    if (!isBusy())
        startNext();
}

bool FExtractPackManager::isBusy() const
{
    return m_watcher.isRunning();
}

void FExtractPackManager::startNext()
{
    if (m_tasks.isEmpty() || isBusy())
        return;
    const Task task = m_tasks.dequeue();
    m_watcher.setFuture(QtConcurrent::run([task] { return extract(task.archives, task.installFolder); }));
}

FExtractPackManager::Result FExtractPackManager::extract(const QStringList &archives, const QString &installFolder)
{
    Result result;
    QStringList done;
    for (const QString &archive : archives) {
        const QString name = QFileInfo(archive).fileName();
        const FSafeZipExtractor::Result extracted =
            FSafeZipExtractor::extract(archive, installFolder, name, packLimits());
        if (extracted == FSafeZipExtractor::Result::Ok) {
            result.installed << QDir::cleanPath(QDir(installFolder).filePath(name));
            KV_LOG_INFO("effect pack \"%s\" installed in \"%s\"", KV_CSTR(name), KV_CSTR(installFolder));
        } else {
            result.failed << archive;
            KV_LOG_ERROR("effect pack \"%s\" not installed: %s", KV_CSTR(archive),
                         FSafeZipExtractor::resultName(extracted));
        }
        // A write failure may pass; a bad archive never will.
        if (extracted != FSafeZipExtractor::Result::WriteFailed) {
            QFile::remove(archive);
            done << archive;
        }
    }
    QStringList tables = KvEffectPackUtility::getEffectPackTables();
    for (const QString &archive : done)
        tables.removeAll(archive);
    KvEffectPackUtility::saveEffectPackTables(tables);
    return result;
}
