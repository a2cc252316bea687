#include "KvProjectData.h"

#include <QtGlobal>

bool KvProjectSettings::operator==(const KvProjectSettings &other) const
{
    return width == other.width && height == other.height && qFuzzyCompare(frameRate, other.frameRate);
}

bool KvTimelineClip::operator==(const KvTimelineClip &other) const
{
    return mediaIndex == other.mediaIndex && track == other.track && startMs == other.startMs
        && inMs == other.inMs && outMs == other.outMs && volume == other.volume;
}

qint64 KvProjectData::durationMs() const
{
    qint64 end = 0;
    for (const KvTimelineClip &clip : clips)
        end = qMax(end, clip.endMs());
    return end;
}

QString KvProjectData::validate() const
{
    using namespace KvProjectLimits;
    if (settings.width < kMinDimension || settings.width > kMaxDimension || settings.height < kMinDimension
        || settings.height > kMaxDimension)
        return QStringLiteral("frame size %1x%2 out of range").arg(settings.width).arg(settings.height);
    if (!(settings.frameRate > 0.0 && settings.frameRate <= kMaxFrameRate))
        return QStringLiteral("frame rate %1 out of range").arg(settings.frameRate);
    for (int i = 0; i < mediaPaths.size(); ++i) {
        if (mediaPaths.at(i).isEmpty())
            return QStringLiteral("media %1 has an empty path").arg(i);
    }
    for (int i = 0; i < clips.size(); ++i) {
        const KvTimelineClip &clip = clips.at(i);
        if (clip.mediaIndex < 0 || clip.mediaIndex >= mediaPaths.size())
            return QStringLiteral("clip %1 refers to media %2 of %3").arg(i).arg(clip.mediaIndex).arg(mediaPaths.size());
        if (clip.track < 0 || clip.track > kMaxTrack)
            return QStringLiteral("clip %1 is on track %2").arg(i).arg(clip.track);
        if (clip.startMs < 0 || clip.inMs < 0 || clip.outMs <= clip.inMs)
            return QStringLiteral("clip %1 has start %2, in %3, out %4")
                .arg(i)
                .arg(clip.startMs)
                .arg(clip.inMs)
                .arg(clip.outMs);
        if (clip.volume < 0 || clip.volume > kMaxVolume)
            return QStringLiteral("clip %1 has volume %2").arg(i).arg(clip.volume);
    }
    return QString();
}

bool KvProjectData::operator==(const KvProjectData &other) const
{
    return name == other.name && type == other.type && settings == other.settings && mediaPaths == other.mediaPaths
        && clips == other.clips && requiredEffects == other.requiredEffects;
}
