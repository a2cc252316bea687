#include "FHomePageArt.h"

#include "FProductHomePagePresenter.h"
#include "KvSkin.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <numeric>

namespace {

// The tools' and templates' own colours: part of the pictures, not of the
// skin. Grounds, lines and text come from the skin's palette.
const QColor kAccents[] = {QColor(0xff, 0x5a, 0x5f), QColor(0x3d, 0xa5, 0xff), QColor(0x8b, 0x6c, 0xff),
                           QColor(0x2e, 0xc4, 0x8f), QColor(0xff, 0xa9, 0x3d)};

QColor skinColor(const char *token)
{
    return KvSkin::instance()->color(QString::fromLatin1(token));
}

QPixmap transparentPixmap(const QSize &size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

QPixmap FHomePageArt::toolIcon(int toolIndex, int size)
{
    QPixmap pixmap = transparentPixmap(QSize(size, size));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor accent = kAccents[qBound(0, toolIndex, 4)];
    const QRectF r(0, 0, size, size);
    p.setPen(Qt::NoPen);
    p.setBrush(accent.darker(260));
    p.drawRoundedRect(r, size * 0.25, size * 0.25);

    const double u = size / 12.0;
    QPen pen(accent, u * 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    switch (toolIndex) {
    case FProductHomePagePresenter::ScreenRecorderTool:
        p.drawRoundedRect(QRectF(2.5 * u, 3 * u, 7 * u, 5 * u), u * 0.6, u * 0.6);
        p.drawLine(QPointF(4.5 * u, 9.5 * u), QPointF(7.5 * u, 9.5 * u));
        p.setPen(Qt::NoPen);
        p.setBrush(accent);
        p.drawEllipse(QPointF(6 * u, 5.5 * u), 1.2 * u, 1.2 * u);
        break;
    case FProductHomePagePresenter::AutoCaptionsTool: {
        p.drawRoundedRect(QRectF(2 * u, 3.5 * u, 8 * u, 5 * u), u * 0.8, u * 0.8);
        QFont font = p.font();
        font.setPixelSize(int(2.8 * u));
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRectF(2 * u, 3.5 * u, 8 * u, 5 * u), Qt::AlignCenter, QStringLiteral("CC"));
        break;
    }
    case FProductHomePagePresenter::SilenceDetectionTool: {
        const double heights[] = {2, 5, 3, 0.4, 0.4, 4, 6, 2.5};
        for (int i = 0; i < 8; ++i) {
            const double x = (2.2 + i * 1.1) * u;
            p.drawLine(QPointF(x, 6 * u - heights[i] / 2 * u), QPointF(x, 6 * u + heights[i] / 2 * u));
        }
        break;
    }
    case FProductHomePagePresenter::AIPortraitTool: {
        p.drawEllipse(QPointF(6 * u, 4.6 * u), 1.8 * u, 1.8 * u);
        QPainterPath shoulders;
        shoulders.moveTo(2.8 * u, 10 * u);
        shoulders.cubicTo(3 * u, 7 * u, 9 * u, 7 * u, 9.2 * u, 10 * u);
        p.drawPath(shoulders);
        p.drawLine(QPointF(9 * u, 2 * u), QPointF(9 * u, 3.6 * u));
        p.drawLine(QPointF(8.2 * u, 2.8 * u), QPointF(9.8 * u, 2.8 * u));
        break;
    }
    case FProductHomePagePresenter::SpeedRampTool: {
        QPainterPath ramp;
        ramp.moveTo(2 * u, 9.5 * u);
        ramp.cubicTo(6 * u, 9.5 * u, 5.5 * u, 2.5 * u, 10 * u, 2.5 * u);
        p.drawPath(ramp);
        p.setPen(Qt::NoPen);
        p.setBrush(accent);
        p.drawEllipse(QPointF(2 * u, 9.5 * u), 0.9 * u, 0.9 * u);
        p.drawEllipse(QPointF(10 * u, 2.5 * u), 0.9 * u, 0.9 * u);
        break;
    }
    default:
        break;
    }
    return pixmap;
}

QPixmap FHomePageArt::templatePreview(const QSize &frameSize, const QSize &box, int seed)
{
    QPixmap pixmap = transparentPixmap(box);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(skinColor("surfaceBg"));
    p.drawRoundedRect(QRectF(0, 0, box.width(), box.height()), 8, 8);

    const QSize frame = frameSize.isValid() && !frameSize.isEmpty() ? frameSize : QSize(16, 9);
    const QSize fitted = frame.scaled(box - QSize(24, 24), Qt::KeepAspectRatio);
    const QRectF inner(QPointF((box.width() - fitted.width()) / 2.0, (box.height() - fitted.height()) / 2.0), fitted);
    const QColor accent = kAccents[qAbs(seed) % 5];
    QLinearGradient gradient(inner.topLeft(), inner.bottomRight());
    gradient.setColorAt(0, accent);
    gradient.setColorAt(1, accent.darker(300));
    p.setBrush(gradient);
    p.drawRoundedRect(inner, 4, 4);

    // The aspect as people say it: 1920x1080 -> "16:9".
    const int divisor = std::gcd(frame.width(), frame.height());
    const QString aspect = QStringLiteral("%1:%2").arg(frame.width() / divisor).arg(frame.height() / divisor);
    QFont font = p.font();
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(255, 255, 255, 220));
    p.drawText(inner, Qt::AlignCenter, aspect);
    return pixmap;
}

QPixmap FHomePageArt::missingThumbnail(const QSize &size)
{
    QPixmap pixmap = transparentPixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(skinColor("cardHoverBorder"), 1.5, Qt::DashLine));
    p.setBrush(skinColor("controlPressedBg"));
    p.drawRoundedRect(QRectF(1, 1, size.width() - 2, size.height() - 2), 4, 4);
    p.setPen(skinColor("textDim"));
    QFont font = p.font();
    font.setPixelSize(18);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(0, 0, size.width(), size.height()), Qt::AlignCenter, QStringLiteral("?"));
    return pixmap;
}

QPixmap FHomePageArt::fitted(const QPixmap &picture, const QSize &size)
{
    QPixmap pixmap = transparentPixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QPainterPath clip;
    clip.addRoundedRect(QRectF(0, 0, size.width(), size.height()), 4, 4);
    p.setClipPath(clip);
    p.fillRect(pixmap.rect(), skinColor("videoBg"));
    const QPixmap scaled = picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    p.drawPixmap((size.width() - scaled.width()) / 2, (size.height() - scaled.height()) / 2, scaled);
    return pixmap;
}
