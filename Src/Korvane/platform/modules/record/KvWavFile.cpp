#include "KvWavFile.h"

#include <QDataStream>
#include <QFile>
#include <QSaveFile>

#include <cstring>
#include <limits>

namespace {

constexpr int kHeaderBytes = 44;

void putTag(QDataStream &out, const char *tag)
{
    out.writeRawData(tag, 4);
}

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

} // namespace

qint64 KvWavFile::Format::durationMs() const
{
    const qint64 bytesPerSecond = qint64(sampleRate) * channels * (bitsPerSample / 8);
    return bytesPerSecond > 0 ? qint64(dataBytes) * 1000 / bytesPerSecond : 0;
}

bool KvWavFile::writeSilence(const QString &path, qint64 durationMs, const Format &format, QString *error)
{
    if (durationMs < 0)
        return fail(error, QStringLiteral("negative length %1 ms").arg(durationMs));
    if (format.sampleRate <= 0 || format.channels <= 0 || format.bitsPerSample != 16)
        return fail(error, QStringLiteral("unsupported format"));
    const qint64 blockAlign = qint64(format.channels) * 2;
    const qint64 frames = durationMs * format.sampleRate / 1000;
    const qint64 dataBytes = frames * blockAlign;
    if (dataBytes > std::numeric_limits<quint32>::max() - kHeaderBytes)
        return fail(error, QStringLiteral("%1 ms is too long for one file").arg(durationMs));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(error, file.errorString());
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    putTag(out, "RIFF");
    out << quint32(36 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    out << quint32(16) << quint16(1) << quint16(format.channels) << quint32(format.sampleRate)
        << quint32(format.sampleRate * blockAlign) << quint16(blockAlign) << quint16(16);
    putTag(out, "data");
    out << quint32(dataBytes);
    // Silence is all zero bytes: growing the file gives them without writing
    // them, so even an hour-long recording is written at once.
    if (out.status() != QDataStream::Ok || !file.resize(kHeaderBytes + dataBytes))
        return fail(error, file.errorString());
    if (!file.commit())
        return fail(error, file.errorString());
    return true;
}

bool KvWavFile::writeSilence(const QString &path, qint64 durationMs, QString *error)
{
    return writeSilence(path, durationMs, Format(), error);
}

bool KvWavFile::readFormat(const QString &path, Format *format, QString *error, qint64 *dataOffset)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(error, file.errorString());
    QDataStream in(&file);
    in.setByteOrder(QDataStream::LittleEndian);
    char tag[4];
    quint32 riffSize = 0;
    if (in.readRawData(tag, 4) != 4 || memcmp(tag, "RIFF", 4) != 0)
        return fail(error, QStringLiteral("not a RIFF file"));
    in >> riffSize;
    if (in.readRawData(tag, 4) != 4 || memcmp(tag, "WAVE", 4) != 0)
        return fail(error, QStringLiteral("not a WAVE file"));

    Format found;
    bool haveFormat = false;
    // Chunks other than "fmt " and "data" (LIST, fact ...) are skipped.
    while (!in.atEnd()) {
        quint32 size = 0;
        if (in.readRawData(tag, 4) != 4)
            break;
        in >> size;
        if (in.status() != QDataStream::Ok)
            break;
        if (memcmp(tag, "fmt ", 4) == 0) {
            quint16 audioFormat = 0, channels = 0, blockAlign = 0, bits = 0;
            quint32 rate = 0, byteRate = 0;
            in >> audioFormat >> channels >> rate >> byteRate >> blockAlign >> bits;
            if (in.status() != QDataStream::Ok || size < 16)
                return fail(error, QStringLiteral("truncated format chunk"));
            if (audioFormat != 1 || bits != 16 || channels == 0 || rate == 0)
                return fail(error, QStringLiteral("not 16-bit PCM"));
            found.sampleRate = int(rate);
            found.channels = channels;
            found.bitsPerSample = bits;
            haveFormat = true;
            if (size > 16)
                in.skipRawData(int(size - 16));
        } else if (memcmp(tag, "data", 4) == 0) {
            if (!haveFormat)
                return fail(error, QStringLiteral("data before format"));
            if (file.size() - file.pos() < qint64(size))
                return fail(error, QStringLiteral("truncated data chunk"));
            found.dataBytes = size;
            if (format)
                *format = found;
            if (dataOffset)
                *dataOffset = file.pos();
            return true;
        } else if (in.skipRawData(int(size + (size & 1))) < 0) {
            break;
        }
    }
    return fail(error, QStringLiteral("no data chunk"));
}
