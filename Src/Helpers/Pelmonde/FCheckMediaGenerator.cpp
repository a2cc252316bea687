// Writes the test media of the launch test into the folder given as its one
// argument, at build time: a 4K MP4 container with one video track and a 6K
// JPEG picture. The video is about a kilobyte (its frames are a few bytes
// each); the picture, a smooth gradient, about 340 KB.
#include "FMp4Writer.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QImageWriter>

#include <cstdio>

namespace {

QImage testPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = qRgb(x * 255 / width, y * 255 / height, 128);
    }
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (app.arguments().size() != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(app.arguments().at(1));
    if (!QDir().mkpath(folder.absolutePath())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder.absolutePath()));
        return 1;
    }

    FMp4Writer::Video video;
    video.width = 3840;
    video.height = 2160;
    video.timescale = 25;
    video.frames = 25;
    video.sample = QByteArray::fromHex("0000000c6588840021ff0000000300");
    QString error;
    const QString videoPath = folder.filePath(QStringLiteral("4KvideoforGPUtest1.mp4"));
    if (!FMp4Writer::write(videoPath, video, &error)) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(videoPath), qPrintable(error));
        return 1;
    }

    const QString picturePath = folder.filePath(QStringLiteral("6KpictureforGPUtest1.jpg"));
    QImageWriter writer(picturePath, "jpg");
    writer.setQuality(40);
    if (!writer.write(testPicture(6144, 3456))) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(picturePath), qPrintable(writer.errorString()));
        return 1;
    }
    return 0;
}
