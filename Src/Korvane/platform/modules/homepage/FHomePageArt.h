#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// The start page's pictures, drawn rather than shipped: tool glyphs,
// template previews and the stand-in for a project without thumbnail.
class FHomePageArt
{
public:
    static QPixmap toolIcon(int toolIndex, int size);
    // The template's frame shape inside `box`, with its aspect written on it.
    static QPixmap templatePreview(const QSize &frameSize, const QSize &box, int seed);
    static QPixmap missingThumbnail(const QSize &size);
    // `picture` scaled into `size` whole, on a dark ground (portrait
    // projects keep their shape).
    static QPixmap fitted(const QPixmap &picture, const QSize &size);
};
