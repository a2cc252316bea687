#include "KvTimecode.h"

#include <QtMath>

namespace {

int framesPerSecond(double frameRate)
{
    return qMax(1, qRound(frameRate));
}

} // namespace

QString KvTimecode::format(qint64 ms, double frameRate)
{
    const qint64 t = qMax<qint64>(0, ms);
    const qint64 seconds = t / 1000;
    const qint64 frame = (t % 1000) * framesPerSecond(frameRate) / 1000;
    const QLatin1Char zero('0');
    return QStringLiteral("%1:%2:%3:%4")
        .arg(seconds / 3600, 2, 10, zero)
        .arg(seconds / 60 % 60, 2, 10, zero)
        .arg(seconds % 60, 2, 10, zero)
        .arg(frame, 2, 10, zero);
}

qint64 KvTimecode::frameStart(qint64 ms, double frameRate)
{
    const qint64 t = qMax<qint64>(0, ms);
    const int fps = framesPerSecond(frameRate);
    const qint64 frame = (t % 1000) * fps / 1000;
    // The first millisecond that shows this frame.
    return t / 1000 * 1000 + (frame * 1000 + fps - 1) / fps;
}

qint64 KvTimecode::stepFrames(qint64 ms, int frames, double frameRate)
{
    const qint64 t = qMax<qint64>(0, ms);
    const int fps = framesPerSecond(frameRate);
    const qint64 frame = qMax<qint64>(0, t / 1000 * fps + (t % 1000) * fps / 1000 + frames);
    return frame / fps * 1000 + (frame % fps * 1000 + fps - 1) / fps;
}

qint64 KvTimecode::frameDuration(double frameRate)
{
    return qMax<qint64>(1, 1000 / framesPerSecond(frameRate));
}
