#include "FJpegProbe.h"

#include <QFile>

namespace {

FJpegInfo failed(const QString &why)
{
    FJpegInfo info;
    info.error = why;
    return info;
}

bool isFrameHeader(uchar marker)
{
    // SOF0..SOF15 except DHT (C4), JPG (C8) and DAC (CC).
    return marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8 && marker != 0xcc;
}

} // namespace

FJpegInfo FJpegProbe::probe(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed(QStringLiteral("cannot open %1: %2").arg(path, file.errorString()));
    if (file.size() > MaxBytes)
        return failed(QStringLiteral("%1 is larger than %2 bytes").arg(path).arg(MaxBytes));
    const QByteArray data = file.readAll();
    const auto *p = reinterpret_cast<const uchar *>(data.constData());
    const int size = data.size();

    if (size < 4 || p[0] != 0xff || p[1] != 0xd8)
        return failed(QStringLiteral("no start-of-image marker"));
    if (p[size - 2] != 0xff || p[size - 1] != 0xd9)
        return failed(QStringLiteral("no end-of-image marker at the end (cut short?)"));

    FJpegInfo info;
    int at = 2;
    while (at + 4 <= size) {
        if (p[at] != 0xff)
            return failed(QStringLiteral("no marker at byte %1").arg(at));
        const uchar marker = p[at + 1];
        if (marker == 0xff) { // fill byte
            ++at;
            continue;
        }
        const int length = (p[at + 2] << 8) | p[at + 3];
        if (length < 2 || at + 2 + length > size)
            return failed(QStringLiteral("segment at byte %1 reaches past the end").arg(at));
        if (isFrameHeader(marker)) {
            if (length < 8)
                return failed(QStringLiteral("short frame header"));
            info.height = quint32((p[at + 5] << 8) | p[at + 6]);
            info.width = quint32((p[at + 7] << 8) | p[at + 8]);
            info.components = p[at + 9];
        }
        if (marker == 0xda) { // start of scan: entropy-coded data follows
            if (!info.width || !info.height)
                return failed(QStringLiteral("scan before a frame header, or an empty picture"));
            info.ok = true;
            return info;
        }
        at += 2 + length;
    }
    return failed(QStringLiteral("no scan"));
}
