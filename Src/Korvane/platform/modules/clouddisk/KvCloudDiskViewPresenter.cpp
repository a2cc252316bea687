#include "KvCloudDiskViewPresenter.h"

#include "IKvBaseLog.h"

KvCloudDiskViewPresenter::KvCloudDiskViewPresenter(QObject *parent)
    : QObject(parent)
{
}

bool KvCloudDiskViewPresenter::downloadShareProject(const QString &shareId, const QString &targetPath)
{
    KV_LOG_ERROR("share download of project %s to %s: no cloud storage on this installation", KV_CSTR(shareId),
                 KV_CSTR(targetPath));
    return false;
}

bool KvCloudDiskViewPresenter::downloadShareProjectArchive(const QString &shareId, const QString &targetPath)
{
    KV_LOG_ERROR("share download of archive %s to %s: no cloud storage on this installation", KV_CSTR(shareId),
                 KV_CSTR(targetPath));
    return false;
}

bool KvCloudDiskViewPresenter::downloadShareProjectTemplate(const QString &shareId, const QString &fileName,
                                                            const QString &folder)
{
    KV_LOG_ERROR("share download of template %s (%s) to %s: no cloud storage on this installation", KV_CSTR(shareId),
                 KV_CSTR(fileName), KV_CSTR(folder));
    return false;
}
