#pragma once

#include "KvAppSettingsGroup.h"

// Default durations and timeline behaviour. A duration is stored as a whole
// number of frames at GetTimerViewFps() plus the unit the user picked it in
// (0 frames, 1 seconds).
class FEditingSettings : public KvAppSettingsGroup
{
public:
    enum Key {
        PhotoDuration,
        PhotoDurationType,
        TransitionDuration,
        TransitionDurationType,
        EffectDuration,
        EffectDurationType,
        FreezeDuration,
        FreezeDurationType,
        SnapshotFormat,
        PhotoPlacement,
        SplitMode,
        PlayheadBlankClickMove,
        ShowSplitButton,
        KeyCount
    };

    enum DurationType { DurationFrames = 0, DurationSeconds = 1 };

    FEditingSettings();

    static const QVector<KvAppSetting> &table();

    // The frame rate of the stored durations.
    static double GetTimerViewFps() { return 25.0; }

    int GetPhotoDuration() const { return number(PhotoDuration); }
    void SetPhotoDuration(int frames) { setValue(PhotoDuration, frames); }
    int GetPhotoDurationType() const { return number(PhotoDurationType); }
    void SetPhotoDurationType(int type) { setValue(PhotoDurationType, type); }
    int GetTransitionDuration() const { return number(TransitionDuration); }
    void SetTransitionDuration(int frames) { setValue(TransitionDuration, frames); }
    int GetTransitionDurationType() const { return number(TransitionDurationType); }
    void SetTransitionDurationType(int type) { setValue(TransitionDurationType, type); }
    int GetEffectDuration() const { return number(EffectDuration); }
    void SetEffectDuration(int frames) { setValue(EffectDuration, frames); }
    int GetEffectDurationType() const { return number(EffectDurationType); }
    void SetEffectDurationType(int type) { setValue(EffectDurationType, type); }
    int GetFreezeDuration() const { return number(FreezeDuration); }
    void SetFreezeDuration(int frames) { setValue(FreezeDuration, frames); }
    int GetFreezeDurationType() const { return number(FreezeDurationType); }
    void SetFreezeDurationType(int type) { setValue(FreezeDurationType, type); }

    // "PNG" or "JPG".
    QString GetSnapshotFormat() const { return text(SnapshotFormat); }
    void SetSnapshotFormat(const QString &format) { setValue(SnapshotFormat, format); }
    // 0 fit, 1 crop to fit, 2 pan and zoom.
    int GetPhotoPlacement() const { return number(PhotoPlacement); }
    void SetPhotoPlacement(int placement) { setValue(PhotoPlacement, placement); }
    // 0 splits a single track, 1 all tracks.
    int GetSplitMode() const { return number(SplitMode); }
    void SetSplitMode(int mode) { setValue(SplitMode, mode); }
    bool playheadBlankClickMoveEnabled() const { return flag(PlayheadBlankClickMove); }
    void setPlayheadBlankClickMoveEnabled(bool enabled) { setValue(PlayheadBlankClickMove, enabled); }
    bool GetShowSplitButton() const { return flag(ShowSplitButton); }
    void SetShowSplitButton(bool show) { setValue(ShowSplitButton, show); }
};
