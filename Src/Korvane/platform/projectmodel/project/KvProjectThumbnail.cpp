#include "KvProjectThumbnail.h"

#include "IKvBaseLog.h"
#include "KvProjectFile.h"
#include "KvProjectSuffixHelper.h"

#include <QColor>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QSaveFile>

namespace {

bool haveGuiApplication()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr;
}

// Text needs fonts, and fonts need a QGuiApplication; the platforms this
// runs on render fonts from any thread.
bool canDrawText()
{
    return haveGuiApplication();
}

} // namespace

QImage KvProjectThumbnail::render(const KvProjectData &data)
{
    const int w = qMax(1, data.settings.width);
    const int h = qMax(1, data.settings.height);
    QSize size = w >= h ? QSize(kLongSide, qMax(8, int(qint64(kLongSide) * h / w)))
                        : QSize(qMax(8, int(qint64(kLongSide) * w / h)), kLongSide);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(0x20, 0x22, 0x28));

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qint64 duration = data.durationMs();
    int tracks = 1;
    for (const KvTimelineClip &clip : data.clips)
        tracks = qMax(tracks, clip.track + 1);
    const QRectF lane(size.width() * 0.06, size.height() * 0.55, size.width() * 0.88, size.height() * 0.38);
    const qreal rowHeight = lane.height() / tracks;
    for (const KvTimelineClip &clip : data.clips) {
        if (duration <= 0)
            break;
        const qreal x = lane.left() + lane.width() * clip.startMs / duration;
        const qreal width = qMax<qreal>(1.0, lane.width() * clip.durationMs() / duration);
        // Track 0 at the bottom, as on the timeline.
        const qreal y = lane.bottom() - (clip.track + 1) * rowHeight;
        const QColor color = QColor::fromHsv((clip.mediaIndex * 47) % 360, 150, 210);
        painter.fillRect(QRectF(x, y + 1, width, rowHeight - 2), color);
    }
    if (!data.name.isEmpty() && canDrawText()) {
        painter.setPen(QColor(0xe8, 0xe8, 0xe8));
        QFont font = painter.font();
        font.setPixelSize(qMax(8, size.height() / 8));
        painter.setFont(font);
        const QRect textRect(0, 0, size.width(), int(lane.top()));
        const QString text = painter.fontMetrics().elidedText(data.name, Qt::ElideRight, size.width() - 16);
        painter.drawText(textRect, Qt::AlignCenter, text);
    }
    painter.end();
    return image;
}

bool KvProjectThumbnail::writeBeside(const QString &projectPath, const KvProjectData &data)
{
    const QString path = KvProjectSuffixHelper::thumbnailPathFor(projectPath);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !render(data).save(&file, "PNG") || !file.commit()) {
        KV_LOG_ERROR("cannot write thumbnail \"%s\": %s", KV_CSTR(path), KV_CSTR(file.errorString()));
        return false;
    }
    return true;
}

QImage KvProjectThumbnail::load(const QString &projectPath, bool storeDrawn)
{
    if (!QFileInfo(projectPath).isFile()) {
        KV_LOG_INFO("no thumbnail: project \"%s\" does not exist", KV_CSTR(projectPath));
        return QImage();
    }
    const QString stored = KvProjectSuffixHelper::thumbnailPathFor(projectPath);
    if (QFileInfo(stored).isFile()) {
        QImage image;
        if (image.load(stored, "PNG"))
            return image;
        KV_LOG_ERROR("thumbnail \"%s\" is not a PNG; drawing one instead", KV_CSTR(stored));
    }
    KvProjectData data;
    if (KvProjectFile::read(projectPath, &data) != KvProjectFile::ReadResult::Ok)
        return QImage();
    if (data.name.isEmpty())
        data.name = QFileInfo(projectPath).completeBaseName();
    const QImage image = render(data);
    // A folder the user cannot write to is no fault: draw it again next time.
    if (storeDrawn && QFileInfo(QFileInfo(projectPath).absolutePath()).isWritable())
        writeBeside(projectPath, data);
    return image;
}
