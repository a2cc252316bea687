#pragma once

#include <QByteArray>
#include <QString>

// Writes a small MP4 with a complete box structure: ftyp, a moov with one
// video track (movie and track headers, media header, handler, sample table
// with one "avc1" sample entry) and an mdat holding its samples. The samples
// are the caller's bytes; nothing is encoded here.
class FMp4Writer
{
public:
    struct Video
    {
        quint32 width = 0;
        quint32 height = 0;
        quint32 timescale = 25;   // one tick per frame
        QByteArray sample;        // every frame carries these bytes
        quint32 frames = 1;
    };

    static QByteArray build(const Video &video);
    static bool write(const QString &path, const Video &video, QString *error = nullptr);
};
