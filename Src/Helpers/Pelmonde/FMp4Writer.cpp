#include "FMp4Writer.h"

#include <QSaveFile>
#include <QtEndian>

namespace {

void put16(QByteArray &out, quint16 v)
{
    uchar b[2];
    qToBigEndian(v, b);
    out.append(reinterpret_cast<const char *>(b), 2);
}

void put32(QByteArray &out, quint32 v)
{
    uchar b[4];
    qToBigEndian(v, b);
    out.append(reinterpret_cast<const char *>(b), 4);
}

void zeros(QByteArray &out, int count)
{
    out.append(QByteArray(count, '\0'));
}

QByteArray box(const char *type, const QByteArray &payload)
{
    QByteArray out;
    put32(out, quint32(8 + payload.size()));
    out.append(type, 4);
    out.append(payload);
    return out;
}

// A full box: version and flags before the payload.
QByteArray fullBox(const char *type, quint8 version, quint32 flags, const QByteArray &payload)
{
    QByteArray head;
    put32(head, (quint32(version) << 24) | (flags & 0xffffff));
    return box(type, head + payload);
}

void matrix(QByteArray &out)
{
    // Identity, 16.16 for a b u c d v, 2.30 for x y w.
    const quint32 m[9] = {0x00010000, 0, 0, 0, 0x00010000, 0, 0, 0, 0x40000000};
    for (quint32 v : m)
        put32(out, v);
}

QByteArray movieHeader(quint32 timescale, quint32 duration)
{
    QByteArray p;
    put32(p, 0); // creation time
    put32(p, 0); // modification time
    put32(p, timescale);
    put32(p, duration);
    put32(p, 0x00010000); // rate 1.0
    put16(p, 0x0100);     // volume 1.0
    zeros(p, 10);
    matrix(p);
    zeros(p, 24); // pre-defined
    put32(p, 2);  // next track id
    return fullBox("mvhd", 0, 0, p);
}

QByteArray trackHeader(const FMp4Writer::Video &video, quint32 duration)
{
    QByteArray p;
    put32(p, 0);
    put32(p, 0);
    put32(p, 1); // track id
    put32(p, 0);
    put32(p, duration);
    zeros(p, 8);
    put16(p, 0); // layer
    put16(p, 0); // alternate group
    put16(p, 0); // volume: video has none
    put16(p, 0);
    matrix(p);
    put32(p, video.width << 16);
    put32(p, video.height << 16);
    return fullBox("tkhd", 0, 3, p); // enabled, in movie
}

QByteArray sampleEntry(const FMp4Writer::Video &video)
{
    QByteArray p;
    zeros(p, 6);
    put16(p, 1); // data reference index
    zeros(p, 16);
    put16(p, quint16(video.width));
    put16(p, quint16(video.height));
    put32(p, 0x00480000); // 72 dpi
    put32(p, 0x00480000);
    put32(p, 0);
    put16(p, 1); // frames per sample
    zeros(p, 32); // compressor name
    put16(p, 0x0018);
    put16(p, 0xffff);
    // Decoder configuration: version 1, High profile, level 5.1, 4-byte
    // lengths, no parameter sets.
    QByteArray avcc;
    avcc.append(char(1)).append(char(100)).append(char(0)).append(char(51));
    avcc.append(char(0xff)).append(char(0xe0)).append(char(0));
    p.append(box("avcC", avcc));
    return box("avc1", p);
}

QByteArray sampleTable(const FMp4Writer::Video &video, quint32 chunkOffset)
{
    QByteArray stsd;
    put32(stsd, 1);
    stsd.append(sampleEntry(video));

    QByteArray stts;
    put32(stts, 1);
    put32(stts, video.frames);
    put32(stts, 1); // each frame lasts one tick

    QByteArray stsc;
    put32(stsc, 1);
    put32(stsc, 1);            // first chunk
    put32(stsc, video.frames); // samples per chunk
    put32(stsc, 1);

    QByteArray stsz;
    put32(stsz, quint32(video.sample.size())); // every sample the same size
    put32(stsz, video.frames);

    QByteArray stco;
    put32(stco, 1);
    put32(stco, chunkOffset);

    return box("stbl", fullBox("stsd", 0, 0, stsd) + fullBox("stts", 0, 0, stts)
                           + fullBox("stsc", 0, 0, stsc) + fullBox("stsz", 0, 0, stsz)
                           + fullBox("stco", 0, 0, stco));
}

QByteArray movie(const FMp4Writer::Video &video, quint32 chunkOffset)
{
    const quint32 duration = video.frames;

    QByteArray mdhd;
    put32(mdhd, 0);
    put32(mdhd, 0);
    put32(mdhd, video.timescale);
    put32(mdhd, duration);
    put16(mdhd, 0x55c4); // language "und"
    put16(mdhd, 0);

    QByteArray hdlr;
    put32(hdlr, 0);
    hdlr.append("vide", 4);
    zeros(hdlr, 12);
    hdlr.append("VideoHandler", 13);

    QByteArray vmhd;
    zeros(vmhd, 8);
    QByteArray dref;
    put32(dref, 1);
    dref.append(fullBox("url ", 0, 1, QByteArray())); // samples are in this file

    const QByteArray minf = box("minf", fullBox("vmhd", 0, 1, vmhd) + box("dinf", fullBox("dref", 0, 0, dref))
                                            + sampleTable(video, chunkOffset));
    const QByteArray mdia = box("mdia", fullBox("mdhd", 0, 0, mdhd) + fullBox("hdlr", 0, 0, hdlr) + minf);
    return box("moov", movieHeader(video.timescale, duration) + box("trak", trackHeader(video, duration) + mdia));
}

} // namespace

QByteArray FMp4Writer::build(const Video &video)
{
    QByteArray ftyp;
    ftyp.append("isom", 4);
    put32(ftyp, 0x200);
    ftyp.append("isomiso2avc1mp41", 16);
    const QByteArray ftypBox = box("ftyp", ftyp);

    // The chunk offset depends on the size of moov, which does not depend
    // on the offset's value: build once to measure, once for real.
    const int moovSize = movie(video, 0).size();
    const quint32 chunkOffset = quint32(ftypBox.size() + moovSize + 8);

    QByteArray samples;
    for (quint32 i = 0; i < video.frames; ++i)
        samples.append(video.sample);
    return ftypBox + movie(video, chunkOffset) + box("mdat", samples);
}

bool FMp4Writer::write(const QString &path, const Video &video, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(build(video)) < 0 || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}
