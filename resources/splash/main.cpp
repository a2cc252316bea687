// Draws the splash pictures: splash-en.png (600 x 360) and splash-en_2x.png
// (1200 x 720) into the folder given as the only argument.
//
// The splash window writes the version, the copyright line and the start tips
// in black into the lower left, so that part of the picture is a light panel;
// the progress bar runs along the bottom edge in the accent colour.

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <cmath>
#include <cstdio>

namespace {

constexpr qreal kWidth = 600;
constexpr qreal kHeight = 360;
const QColor kAccent(85, 229, 197);
const QColor kViolet(124, 96, 255);
const QColor kBlue(64, 132, 255);

QColor withAlpha(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

void glow(QPainter &p, const QPointF &centre, qreal radius, const QColor &colour, int alpha)
{
    QRadialGradient gradient(centre, radius);
    gradient.setColorAt(0, withAlpha(colour, alpha));
    gradient.setColorAt(0.5, withAlpha(colour, alpha / 3));
    gradient.setColorAt(1, withAlpha(colour, 0));
    p.fillRect(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), gradient);
}

void paintBackground(QPainter &p)
{
    QLinearGradient base(0, 0, kWidth, kHeight);
    base.setColorAt(0, QColor(9, 12, 28));
    base.setColorAt(0.55, QColor(16, 18, 44));
    base.setColorAt(1, QColor(31, 17, 56));
    p.fillRect(QRectF(0, 0, kWidth, kHeight), base);
    glow(p, QPointF(470, 110), 230, kAccent, 60);
    glow(p, QPointF(590, 340), 280, kViolet, 90);
    glow(p, QPointF(30, 10), 240, kBlue, 45);

    // Faint dust, the same at every build.
    QRandomGenerator random(1523);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 90; ++i) {
        const QPointF at(300 + random.bounded(300.0), random.bounded(330.0));
        const qreal size = 0.6 + random.bounded(1.4);
        p.setBrush(withAlpha(Qt::white, 20 + random.bounded(70)));
        p.drawEllipse(at, size, size);
    }
}

// Concentric arcs in the accent colours, like a lens seen from the front.
void paintAperture(QPainter &p)
{
    const QPointF centre(462, 112);
    const qreal radii[] = {34, 52, 72, 94};
    const int spans[] = {300, 250, 200, 140};
    const int starts[] = {60, 140, 210, 20};
    for (int i = 0; i < 4; ++i) {
        const QRectF box(centre.x() - radii[i], centre.y() - radii[i], 2 * radii[i], 2 * radii[i]);
        QLinearGradient stroke(box.topLeft(), box.bottomRight());
        stroke.setColorAt(0, withAlpha(kAccent, 230 - i * 40));
        stroke.setColorAt(1, withAlpha(kViolet, 200 - i * 35));
        p.setPen(QPen(QBrush(stroke), 4.0 - i * 0.7, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(box, starts[i] * 16, spans[i] * 16);
    }
    // Play mark in the middle.
    QPainterPath play;
    play.moveTo(centre + QPointF(-9, -13));
    play.lineTo(centre + QPointF(15, 0));
    play.lineTo(centre + QPointF(-9, 13));
    play.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(play);
}

// A short timeline: two video tracks of clips, an audio track and a playhead.
void paintTimeline(QPainter &p)
{
    struct Clip { qreal x, width; QColor from, to; };
    const qreal top = 236;
    const Clip video1[] = {{324, 74, kAccent, kBlue}, {402, 96, kBlue, kViolet}, {502, 70, kViolet, kAccent}};
    const Clip video2[] = {{348, 110, kViolet, QColor(188, 96, 255)}, {462, 84, kAccent, kViolet}};
    auto drawClip = [&p](const Clip &clip, qreal y, int alpha) {
        QLinearGradient fill(clip.x, y, clip.x + clip.width, y);
        fill.setColorAt(0, withAlpha(clip.from, alpha));
        fill.setColorAt(1, withAlpha(clip.to, alpha));
        p.setPen(QPen(withAlpha(Qt::white, 40), 1));
        p.setBrush(fill);
        p.drawRoundedRect(QRectF(clip.x, y, clip.width, 16), 4, 4);
    };
    for (const Clip &clip : video1)
        drawClip(clip, top, 200);
    for (const Clip &clip : video2)
        drawClip(clip, top + 22, 150);

    // Audio: a waveform of thin bars.
    p.setPen(Qt::NoPen);
    const qreal wave = top + 52;
    for (int i = 0; i < 62; ++i) {
        const qreal x = 326 + i * 4;
        const qreal h = 2 + 9 * std::abs(std::sin(i * 0.37) * std::cos(i * 0.11));
        p.setBrush(withAlpha(kAccent, 150));
        p.drawRoundedRect(QRectF(x, wave - h / 2, 2, h), 1, 1);
    }

    const qreal playhead = 452;
    p.setPen(QPen(Qt::white, 1.5));
    p.drawLine(QPointF(playhead, top - 10), QPointF(playhead, wave + 14));
    QPainterPath head;
    head.moveTo(playhead - 5, top - 16);
    head.lineTo(playhead + 5, top - 16);
    head.lineTo(playhead, top - 9);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(head);
}

void paintTitle(QPainter &p)
{
    // Logo mark.
    const QRectF mark(26, 34, 34, 34);
    QLinearGradient markFill(mark.topLeft(), mark.bottomRight());
    markFill.setColorAt(0, kAccent);
    markFill.setColorAt(1, kViolet);
    p.setPen(Qt::NoPen);
    p.setBrush(markFill);
    p.drawRoundedRect(mark, 9, 9);
    QPainterPath k;
    k.moveTo(mark.left() + 11, mark.top() + 8);
    k.lineTo(mark.left() + 11, mark.bottom() - 8);
    k.moveTo(mark.right() - 9, mark.top() + 8);
    k.lineTo(mark.left() + 13, mark.center().y());
    k.lineTo(mark.right() - 9, mark.bottom() - 8);
    p.setPen(QPen(Qt::white, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(k);

    QFont name(QStringLiteral("DejaVu Sans"));
    name.setPixelSize(46);
    name.setBold(true);
    name.setLetterSpacing(QFont::AbsoluteSpacing, -1);
    p.setFont(name);
    QLinearGradient nameFill(0, 80, 0, 126);
    nameFill.setColorAt(0, Qt::white);
    nameFill.setColorAt(1, QColor(206, 218, 240));
    p.setPen(QPen(QBrush(nameFill), 1));
    p.drawText(QPointF(22, 124), QStringLiteral("Korvane"));

    QFont tagline(QStringLiteral("DejaVu Sans"));
    tagline.setPixelSize(11);
    tagline.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    p.setFont(tagline);
    p.setPen(kAccent);
    p.drawText(QPointF(27, 148), QStringLiteral("VIDEO EDITOR"));
}

// The light panel behind the texts that the splash window draws in black.
void paintPanel(QPainter &p)
{
    const QRectF panel(14, 170, 284, 172);
    for (int i = 6; i > 0; --i) {
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(Qt::black, 10));
        p.drawRoundedRect(panel.adjusted(-i, -i + 3, i, i + 3), 10 + i, 10 + i);
    }
    QLinearGradient fill(panel.topLeft(), panel.bottomLeft());
    fill.setColorAt(0, QColor(255, 255, 255, 246));
    fill.setColorAt(1, QColor(233, 240, 248, 240));
    p.setBrush(fill);
    p.drawRoundedRect(panel, 10, 10);
    p.setPen(QPen(withAlpha(Qt::black, 28), 1));
    p.drawLine(QPointF(26, 241.5), QPointF(284, 241.5));
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawRoundedRect(QRectF(26, 240, 28, 3), 1.5, 1.5);
}

QImage paintSplash(int scale)
{
    QImage image(int(kWidth) * scale, int(kHeight) * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    p.scale(scale, scale);
    QPainterPath card;
    card.addRoundedRect(QRectF(0, 0, kWidth, kHeight), 10, 10);
    p.setClipPath(card);
    paintBackground(p);
    paintAperture(p);
    paintTimeline(p);
    paintTitle(p);
    paintPanel(p);
    p.end();
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    const struct { int scale; const char *name; } pictures[] = {{1, "splash-en.png"}, {2, "splash-en_2x.png"}};
    for (const auto &picture : pictures) {
        const QString file = out.filePath(QLatin1String(picture.name));
        if (!paintSplash(picture.scale).save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
