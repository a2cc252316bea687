#include "FMp4Probe.h"

#include <QFile>
#include <QtEndian>

namespace {

struct Box
{
    QByteArray type;
    qint64 start = 0;   // first byte of the box
    qint64 payload = 0; // first byte after the header
    qint64 end = 0;     // one past the last byte
};

// Reads the header of the box at offset within [offset, limit) of data.
bool readBox(const QByteArray &data, qint64 offset, qint64 limit, Box &box)
{
    if (limit - offset < 8)
        return false;
    const auto *p = reinterpret_cast<const uchar *>(data.constData() + offset);
    quint64 size = qFromBigEndian<quint32>(p);
    box.type = data.mid(int(offset) + 4, 4);
    box.start = offset;
    box.payload = offset + 8;
    if (size == 1) {
        if (limit - offset < 16)
            return false;
        size = qFromBigEndian<quint64>(p + 8);
        box.payload = offset + 16;
    } else if (size == 0) {
        size = quint64(limit - offset);
    }
    if (size < quint64(box.payload - offset) || size > quint64(limit - offset))
        return false;
    box.end = offset + qint64(size);
    return true;
}

// The first child of type within parent, or false.
bool findChild(const QByteArray &data, const Box &parent, const char *type, Box &child, qint64 skip = 0)
{
    for (qint64 at = parent.payload + skip; at < parent.end; at = child.end) {
        if (!readBox(data, at, parent.end, child))
            return false;
        if (child.type == type)
            return true;
    }
    return false;
}

quint32 be32(const QByteArray &data, qint64 at)
{
    return qFromBigEndian<quint32>(reinterpret_cast<const uchar *>(data.constData() + at));
}

FMp4Info failed(const QString &why)
{
    FMp4Info info;
    info.error = why;
    return info;
}

} // namespace

FMp4Info FMp4Probe::probe(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed(QStringLiteral("cannot open %1: %2").arg(path, file.errorString()));
    const qint64 fileSize = file.size();

    // Walk the top-level boxes by their headers only; keep ftyp and moov.
    QByteArray ftyp;
    QByteArray moov;
    bool mdat = false;
    bool first = true;
    for (qint64 at = 0; at < fileSize;) {
        if (!file.seek(at))
            return failed(QStringLiteral("cannot seek to %1").arg(at));
        // Only the header is read here: at most 16 bytes, fewer at the very
        // end, which readBox accounts for through the remaining size.
        const QByteArray header = file.read(16);
        if (header.size() != qMin<qint64>(16, fileSize - at))
            return failed(QStringLiteral("cannot read at byte %1").arg(at));
        Box whole;
        if (!readBox(header, 0, fileSize - at, whole))
            return failed(QStringLiteral("box at byte %1 is broken or reaches past the end of the file").arg(at));
        if (first && whole.type != "ftyp")
            return failed(QStringLiteral("the file does not start with an ftyp box"));
        first = false;
        if (whole.type == "ftyp" || whole.type == "moov") {
            if (whole.end > MaxMoovBytes)
                return failed(QStringLiteral("%1 box too large").arg(QString::fromLatin1(whole.type)));
            QByteArray &kept = whole.type == "ftyp" ? ftyp : moov;
            if (!file.seek(at) || (kept = file.read(whole.end)).size() != whole.end)
                return failed(QStringLiteral("cannot read the %1 box").arg(QString::fromLatin1(whole.type)));
        }
        mdat = mdat || whole.type == "mdat";
        at += whole.end;
    }
    if (ftyp.isEmpty())
        return failed(QStringLiteral("empty file"));
    if (moov.isEmpty())
        return failed(QStringLiteral("no moov box"));
    if (!mdat)
        return failed(QStringLiteral("no mdat box"));

    FMp4Info info;
    Box ftypBox;
    if (readBox(ftyp, 0, ftyp.size(), ftypBox) && ftypBox.end - ftypBox.payload >= 8)
        info.majorBrand = QString::fromLatin1(ftyp.mid(int(ftypBox.payload), 4));
    else
        return failed(QStringLiteral("ftyp box without a brand"));

    Box root;
    if (!readBox(moov, 0, moov.size(), root))
        return failed(QStringLiteral("broken moov box"));
    Box mvhd;
    if (!findChild(moov, root, "mvhd", mvhd) || mvhd.end - mvhd.payload < 20)
        return failed(QStringLiteral("no movie header"));
    if (moov.at(int(mvhd.payload)) == 1) {
        if (mvhd.end - mvhd.payload < 32)
            return failed(QStringLiteral("short movie header"));
        info.timescale = be32(moov, mvhd.payload + 20);
        info.duration = (quint64(be32(moov, mvhd.payload + 24)) << 32) | be32(moov, mvhd.payload + 28);
    } else {
        info.timescale = be32(moov, mvhd.payload + 12);
        info.duration = be32(moov, mvhd.payload + 16);
    }

    Box trak;
    for (qint64 skip = 0; findChild(moov, root, "trak", trak, skip); skip = trak.end - root.payload) {
        Box tkhd;
        if (!findChild(moov, trak, "tkhd", tkhd))
            return failed(QStringLiteral("track without a header"));
        // Width and height are the last eight bytes, 16.16 fixed point.
        if (tkhd.end - tkhd.payload < 84)
            return failed(QStringLiteral("short track header"));
        ++info.tracks;
        const quint32 width = be32(moov, tkhd.end - 8) >> 16;
        const quint32 height = be32(moov, tkhd.end - 4) >> 16;
        if (width && height && !info.width) {
            info.width = width;
            info.height = height;
        }
    }
    if (!info.tracks)
        return failed(QStringLiteral("no track"));
    if (!info.width || !info.height)
        return failed(QStringLiteral("no video track"));
    info.ok = true;
    return info;
}
