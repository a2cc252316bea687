#pragma once

#include <QString>

// Reads the marker structure of a JPEG file without decoding it: start of
// image, segments whose lengths fit the file, a frame header with the
// picture size, a scan, and the end-of-image marker as the last two bytes
// (so a file cut short fails).
struct FJpegInfo
{
    bool ok = false;
    QString error;
    quint32 width = 0;
    quint32 height = 0;
    int components = 0;
};

class FJpegProbe
{
public:
    static FJpegInfo probe(const QString &path);
    static constexpr qint64 MaxBytes = 256 << 20;
};
