#include "IKvProject.h"

#include "IKvBaseLog.h"
#include "KvProjectThumbnail.h"

#include <QGuiApplication>

QPixmap IKvProject::getThumbnail(const QString &path)
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        KV_LOG_ERROR("no QGuiApplication: cannot make a thumbnail of \"%s\"", KV_CSTR(path));
        return QPixmap();
    }
    const QImage image = KvProjectThumbnail::load(path);
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}
