#include "FEditingSettings.h"

#include <limits>

using namespace KvAppSettingChecks;

namespace {

// The duration editor clamps what it shows, so any count of frames may be stored.
constexpr auto frames = inRange<0, std::numeric_limits<int>::max()>;
constexpr auto durationType = inRange<FEditingSettings::DurationFrames, FEditingSettings::DurationSeconds>;

bool isSnapshotFormat(const QVariant &value)
{
    return value.toString() == QLatin1String("PNG") || value.toString() == QLatin1String("JPG");
}

} // namespace

const QVector<KvAppSetting> &FEditingSettings::table()
{
    static const QVector<KvAppSetting> settings = {
        {PhotoDuration, "PhotoDuration", 125, frames},
        {PhotoDurationType, "PhotoDurationType", int(DurationSeconds), durationType},
        {TransitionDuration, "TransitionDuration", 50, frames},
        {TransitionDurationType, "TransitionDurationType", int(DurationSeconds), durationType},
        {EffectDuration, "EffectDuration", 125, frames},
        {EffectDurationType, "EffectDurationType", int(DurationSeconds), durationType},
        {FreezeDuration, "FreezeDuration", 75, frames},
        {FreezeDurationType, "FreezeDurationType", int(DurationSeconds), durationType},
        {SnapshotFormat, "SnapshotFormat", QStringLiteral("PNG"), isSnapshotFormat},
        {PhotoPlacement, "PhotoPlacement", 0, inRange<0, 2>},
        {SplitMode, "SplitMode", 0, inRange<0, 1>},
        {PlayheadBlankClickMove, "PlayheadBlankClickMove", true},
        {ShowSplitButton, "ShowSplitButton", true},
    };
    return settings;
}

FEditingSettings::FEditingSettings()
    : KvAppSettingsGroup("Editing", table())
{
}
