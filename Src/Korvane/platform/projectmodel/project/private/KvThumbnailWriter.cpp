#include "KvThumbnailWriter.h"

#include "IKvBaseLog.h"
#include "KvProjectSuffixHelper.h"
#include "KvProjectThumbnail.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QSet>

namespace {

// Drawing a thumbnail needs the fonts of the application object. A writer
// that outlives it (a process-wide owner released late) must have finished
// before the application object goes.
QMutex s_writersMutex;
QSet<KvThumbnailWriter *> s_writers;

void waitForAllWriters()
{
    QMutexLocker locker(&s_writersMutex);
    for (KvThumbnailWriter *writer : qAsConst(s_writers))
        writer->waitForDone();
}

} // namespace

KvThumbnailWriter::KvThumbnailWriter()
{
    // One thread keeps the writes of one file in order; it ends soon after
    // the last write so an idle editor keeps no thread around.
    m_pool.setMaxThreadCount(1);
    m_pool.setExpiryTimeout(2000);
    static const bool registered = [] {
        qAddPostRoutine(&waitForAllWriters);
        return true;
    }();
    Q_UNUSED(registered)
    QMutexLocker locker(&s_writersMutex);
    s_writers.insert(this);
}

KvThumbnailWriter::~KvThumbnailWriter()
{
    {
        QMutexLocker locker(&s_writersMutex);
        s_writers.remove(this);
    }
    m_pool.waitForDone();
}

void KvThumbnailWriter::writeBeside(const QString &projectPath, const KvProjectData &data)
{
    // `data` is a copy: its lists are shared with the project only until
    // the project changes them.
    if (!QCoreApplication::instance()) {
        KV_LOG_INFO("thumbnail of \"%s\" skipped: the editor is ending", KV_CSTR(projectPath));
        return;
    }
    m_pool.start([projectPath, data] {
        // The folder may have gone while the write waited its turn.
        if (!QFileInfo(projectPath).absoluteDir().exists()) {
            KV_LOG_INFO("thumbnail of \"%s\" skipped: its folder is gone", KV_CSTR(projectPath));
            return;
        }
        KvProjectThumbnail::writeBeside(projectPath, data);
    });
}

bool KvThumbnailWriter::refreshBeside(const QString &projectPath, const KvProjectData &data)
{
    // Only beside a project file in a folder the user may write to: a
    // read-only folder is no fault, the start page draws it then.
    const QFileInfo project(projectPath);
    if (!project.isFile() || !QFileInfo(project.absolutePath()).isWritable())
        return false;
    const QFileInfo thumbnail(KvProjectSuffixHelper::thumbnailPathFor(projectPath));
    if (thumbnail.isFile() && thumbnail.lastModified() >= project.lastModified())
        return false;
    writeBeside(projectPath, data);
    return true;
}

void KvThumbnailWriter::waitForDone()
{
    m_pool.waitForDone();
}
