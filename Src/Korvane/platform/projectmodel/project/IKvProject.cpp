#include "IKvProject.h"

#include "IKvBaseLog.h"
#include "KvProjectFile.h"
#include "KvProjectSuffixHelper.h"
#include "KvProjectThumbnail.h"

#include <QFileInfo>
#include <QGuiApplication>

QPixmap IKvProject::getThumbnail(const QString &path)
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        KV_LOG_ERROR("no QGuiApplication: cannot make a thumbnail of \"%s\"", KV_CSTR(path));
        return QPixmap();
    }
    if (!QFileInfo(path).isFile()) {
        KV_LOG_INFO("no thumbnail: project \"%s\" does not exist", KV_CSTR(path));
        return QPixmap();
    }
    const QString stored = KvProjectSuffixHelper::thumbnailPathFor(path);
    if (QFileInfo(stored).isFile()) {
        QPixmap pixmap;
        if (pixmap.load(stored, "PNG"))
            return pixmap;
        KV_LOG_ERROR("thumbnail \"%s\" is not a PNG; drawing one instead", KV_CSTR(stored));
    }
    KvProjectData data;
    if (KvProjectFile::read(path, &data) != KvProjectFile::ReadResult::Ok)
        return QPixmap();
    if (data.name.isEmpty())
        data.name = QFileInfo(path).completeBaseName();
    return QPixmap::fromImage(KvProjectThumbnail::render(data));
}
