#pragma once

#include <QString>

// Reads the box structure of an MP4 (ISO base media) file without decoding
// anything: the file must start with an "ftyp" box, every top-level box must
// lie inside the file, and there must be a "moov" with a movie header and at
// least one track whose header gives a picture size, and an "mdat". A file
// cut short anywhere fails, because a box then reaches past its end.
struct FMp4Info
{
    bool ok = false;
    QString error;
    QString majorBrand;
    quint32 width = 0;
    quint32 height = 0;
    quint32 timescale = 0;
    quint64 duration = 0;
    int tracks = 0;
};

class FMp4Probe
{
public:
    static FMp4Info probe(const QString &path);
    // The moov box is read whole; no test or camera file needs more.
    static constexpr qint64 MaxMoovBytes = 64 << 20;
};
