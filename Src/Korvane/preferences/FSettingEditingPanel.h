#pragma once

#include "FSettingPanelBase.h"

#include <array>

class FTimerDurationView;
class QCheckBox;
class QComboBox;
class QLabel;

// The Editing page of the preferences: default durations of photos,
// transitions, effects and freeze frames, and timeline editing defaults.
//
// Ok tells the editing scene when the photo duration became a new length
// (the media library re-times photos added from then on) and when the
// split button on the playhead was switched.
class FSettingEditingPanel : public FSettingPanelBase
{
    Q_OBJECT

public:
    // The duration rows, in the order they stand.
    enum Duration {
        PhotoDuration,
        TransitionDuration,
        EffectDuration,
        FreezeDuration,
        DurationCount
    };

    explicit FSettingEditingPanel(QWidget *parent = nullptr, KvUIView *parentView = nullptr);
    ~FSettingEditingPanel() override;

    void TranslateText() override;
    void Load() override;
    void Ok() override;

    FTimerDurationView *durationView(Duration duration) const { return m_durations.at(duration); }
    QComboBox *snapshotFormatBox() const { return m_snapshotFormat; }
    QComboBox *photoPlacementBox() const { return m_photoPlacement; }
    QComboBox *insertModeBox() const { return m_insertMode; }
    QCheckBox *blankClickMoveBox() const { return m_blankClickMove; }
    QCheckBox *splitButtonBox() const { return m_splitButton; }

private:
    void buildUi();
    // Stores one duration row; returns the frames stored.
    int storeDuration(Duration duration);

    std::array<FTimerDurationView *, DurationCount> m_durations{};
    std::array<QLabel *, DurationCount> m_durationLabels{};
    QLabel *m_durationTitle = nullptr;
    QLabel *m_timelineTitle = nullptr;
    QLabel *m_snapshotLabel = nullptr;
    QLabel *m_placementLabel = nullptr;
    QLabel *m_insertLabel = nullptr;
    QLabel *m_cursorLabel = nullptr;
    QLabel *m_splitLabel = nullptr;
    QComboBox *m_snapshotFormat = nullptr;
    QComboBox *m_photoPlacement = nullptr;
    QComboBox *m_insertMode = nullptr;
    QCheckBox *m_blankClickMove = nullptr;
    QCheckBox *m_splitButton = nullptr;
};
