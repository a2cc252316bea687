#include "KvMediaType.h"

#include "KvMediaLibraryUtils.h"
#include "KvSubtitleFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMimeDatabase>
#include <QtEndian>

namespace {

// The length of a RIFF/WAVE file from its "fmt " and "data" chunks; -1 when
// the header does not say.
qint64 wavDurationMs(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray head = file.read(12);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE")
        return -1;
    quint32 byteRate = 0;
    // Chunks are walked, not searched: a few headers, then the data.
    for (int guard = 0; guard < 64; ++guard) {
        const QByteArray chunk = file.read(8);
        if (chunk.size() < 8)
            return -1;
        const quint32 size = qFromLittleEndian<quint32>(chunk.constData() + 4);
        if (chunk.startsWith("fmt ")) {
            const QByteArray fmt = file.read(qMin<quint32>(size, 16));
            if (fmt.size() < 12)
                return -1;
            byteRate = qFromLittleEndian<quint32>(fmt.constData() + 8);
            if (size > 16 && !file.seek(file.pos() + (size - 16) + (size & 1)))
                return -1;
            continue;
        }
        if (chunk.startsWith("data")) {
            if (byteRate == 0)
                return -1;
            const qint64 ms = qint64(size) * 1000 / byteRate;
            return ms <= KvMediaProbe::kMaxWavMs ? ms : -1;
        }
        if (!file.seek(file.pos() + size + (size & 1)))
            return -1;
    }
    return -1;
}

} // namespace

KvMediaType KvMediaProbe::typeBySuffix(const QString &path)
{
    const QString suffix = path.mid(path.lastIndexOf(QLatin1Char('.')) + 1).toLower();
    if (path.lastIndexOf(QLatin1Char('.')) < 0)
        return KvMediaType::Unknown;
    if (KvMediaLibraryUtils::videoSuffixes().contains(suffix))
        return KvMediaType::Video;
    if (KvMediaLibraryUtils::audioSuffixes().contains(suffix))
        return KvMediaType::Audio;
    if (KvMediaLibraryUtils::imageSuffixes().contains(suffix))
        return KvMediaType::Image;
    if (KvMediaLibraryUtils::subtitleSuffixes().contains(suffix))
        return KvMediaType::Subtitle;
    return KvMediaType::Unknown;
}

KvMediaType KvMediaProbe::typeByContent(const QString &path)
{
    static const QMimeDatabase database;
    const QString mime = database.mimeTypeForFile(path, QMimeDatabase::MatchContent).name();
    if (mime.startsWith(QLatin1String("video/")))
        return KvMediaType::Video;
    if (mime.startsWith(QLatin1String("audio/")))
        return KvMediaType::Audio;
    if (mime.startsWith(QLatin1String("image/")))
        return KvMediaType::Image;
    if (mime == QLatin1String("application/x-subrip"))
        return KvMediaType::Subtitle;
    // Containers the content sniffing names generically (MPEG transport
    // streams, raw streams): trust the suffix for non-empty files only.
    if (mime == QLatin1String("application/octet-stream") && QFileInfo(path).size() > 0)
        return typeBySuffix(path);
    return KvMediaType::Unknown;
}

qint64 KvMediaProbe::naturalDurationMs(const QString &path, KvMediaType type)
{
    if (type == KvMediaType::Image)
        return kStillMs;
    if (type == KvMediaType::Subtitle) {
        const QVector<KvSubtitleFile::Cue> cues = KvSubtitleFile::read(path);
        if (!cues.isEmpty())
            return qMin(cues.last().endMs, kMaxWavMs);
    }
    if (type == KvMediaType::Audio) {
        const qint64 ms = wavDurationMs(path);
        if (ms > 0)
            return ms;
    }
    return kDefaultMs;
}

QSize KvMediaProbe::frameSize(const QString &path, KvMediaType type)
{
    if (type == KvMediaType::Image) {
        const QSize size = QImageReader(path).size();
        return size.isValid() ? size : QSize(0, 0);
    }
    if (type == KvMediaType::Video)
        return QSize(1920, 1080);
    return QSize(0, 0);
}

QString KvMediaProbe::typeName(KvMediaType type)
{
    switch (type) {
    case KvMediaType::Video: return QCoreApplication::translate("KvMediaProbe", "Video");
    case KvMediaType::Audio: return QCoreApplication::translate("KvMediaProbe", "Audio");
    case KvMediaType::Image: return QCoreApplication::translate("KvMediaProbe", "Image");
    case KvMediaType::Subtitle: return QCoreApplication::translate("KvMediaProbe", "Subtitle");
    case KvMediaType::Unknown: break;
    }
    return QCoreApplication::translate("KvMediaProbe", "Unknown");
}
