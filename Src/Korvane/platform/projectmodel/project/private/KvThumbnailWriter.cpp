#include "KvThumbnailWriter.h"

#include "KvProjectSuffixHelper.h"
#include "KvProjectThumbnail.h"

#include <QDateTime>
#include <QFileInfo>

KvThumbnailWriter::KvThumbnailWriter()
{
    // One thread keeps the writes of one file in order; it ends soon after
    // the last write so an idle editor keeps no thread around.
    m_pool.setMaxThreadCount(1);
    m_pool.setExpiryTimeout(2000);
}

KvThumbnailWriter::~KvThumbnailWriter()
{
    m_pool.waitForDone();
}

void KvThumbnailWriter::writeBeside(const QString &projectPath, const KvProjectData &data)
{
    // `data` is a copy: its lists are shared with the project only until
    // the project changes them.
    m_pool.start([projectPath, data] { KvProjectThumbnail::writeBeside(projectPath, data); });
}

bool KvThumbnailWriter::refreshBeside(const QString &projectPath, const KvProjectData &data)
{
    const QFileInfo thumbnail(KvProjectSuffixHelper::thumbnailPathFor(projectPath));
    if (thumbnail.isFile() && thumbnail.lastModified() >= QFileInfo(projectPath).lastModified())
        return false;
    writeBeside(projectPath, data);
    return true;
}

void KvThumbnailWriter::waitForDone()
{
    m_pool.waitForDone();
}
