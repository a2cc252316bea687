#include "FSilenceDetector.h"

#include "KvWavFile.h"

#include <QFile>
#include <QtEndian>

#include <cmath>
#include <cstdlib>

bool FSilenceDetector::detect(const QString &path, double thresholdDb, qint64 minSilenceMs, QVector<Range> *ranges,
                              QString *error, const std::atomic_bool *cancel)
{
    KvWavFile::Format format;
    qint64 offset = 0;
    if (!KvWavFile::readFormat(path, &format, error, &offset))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(offset)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const int limit = int(std::lround(32768.0 * std::pow(10.0, qMin(thresholdDb, 0.0) / 20.0)));
    const qint64 frameBytes = qint64(format.channels) * 2;
    const qint64 windowFrames = qMax<qint64>(1, qint64(format.sampleRate) * kWindowMs / 1000);
    const qint64 totalFrames = format.dataBytes / frameBytes;

    QVector<Range> found;
    qint64 silentSince = -1;
    auto closeRun = [&](qint64 endFrame) {
        if (silentSince < 0)
            return;
        const Range range{silentSince * 1000 / format.sampleRate, endFrame * 1000 / format.sampleRate};
        if (range.endMs - range.beginMs >= minSilenceMs)
            found.append(range);
        silentSince = -1;
    };
    for (qint64 frame = 0; frame < totalFrames; frame += windowFrames) {
        if (cancel && cancel->load()) {
            if (error)
                *error = QStringLiteral("cancelled");
            return false;
        }
        const qint64 frames = qMin(windowFrames, totalFrames - frame);
        const QByteArray block = file.read(frames * frameBytes);
        if (block.size() != frames * frameBytes) {
            if (error)
                *error = QStringLiteral("truncated samples");
            return false;
        }
        int peak = 0;
        const uchar *data = reinterpret_cast<const uchar *>(block.constData());
        for (int i = 0; i + 1 < block.size() && peak < limit; i += 2)
            peak = qMax(peak, std::abs(int(qFromLittleEndian<qint16>(data + i))));
        if (peak < limit) {
            if (silentSince < 0)
                silentSince = frame;
        } else {
            closeRun(frame);
        }
    }
    closeRun(totalFrames);
    if (ranges)
        *ranges = found;
    return true;
}
