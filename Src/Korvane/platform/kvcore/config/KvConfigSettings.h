#pragma once

#include <QDate>
#include <QDateTime>
#include <QSize>
#include <QString>

// A named per-user setting of KvConfig: its key and default, defined once
// here and used by the getter and the setter alike.
template <class T>
struct KvConfigSetting
{
    const char *key;
    T defaultValue;
};

// Every named setting of KvConfig. They live in the group
// KvConfigSettings::Group of the user scope, so GetAppValue(Group, key)
// reads them too.
namespace KvConfigSettings {

inline const QString Group = QStringLiteral("Korvane");

// Start and crash state
inline const KvConfigSetting<bool> FirstStart{"FirstStart", true};
inline const KvConfigSetting<bool> AppCrashed{"AppCrashed", false};
inline const KvConfigSetting<QDateTime> KorvaneFirstUsedDateTime{"KorvaneFirstUsedDateTime", QDateTime()};

// Main window
inline const KvConfigSetting<QSize> MainFormSize{"MainFormSize", QSize()};
inline const KvConfigSetting<bool> MainFormMaximized{"MainFormMaximized", false};
inline const KvConfigSetting<bool> VerticalScreen{"VerticalScreen", false};
// -1: the player's own default volume.
inline const KvConfigSetting<int> MainPlayerVolume{"MainPlayerVolume", -1};
inline const KvConfigSetting<int> ExportPageIndex{"ExportPageIndex", 0};

// One-shot notices and hints
inline const KvConfigSetting<bool> UpdataDriverShowed{"UpdataDriverShowed", false};
inline const KvConfigSetting<bool> ShowHomePageUpdated{"ShowHomePageUpdated", false};
inline const KvConfigSetting<bool> AudioEffectOverwriteTipDontShow{"AudioEffectOverwriteTipDontShow", false};
inline const KvConfigSetting<bool> UpgradeCycleChangeHadShow{"UpgradeCycleChangeHadShow", false};
inline const KvConfigSetting<bool> CreativeHintShowed{"CreativeHintShowed", false};
inline const KvConfigSetting<bool> CreativeUpdated{"CreativeUpdated", false};
// Seconds since the epoch, 0 when never updated.
inline const KvConfigSetting<qint64> CreativeUpdateTime{"CreativeUpdateTime", 0};
inline const KvConfigSetting<bool> CollectionLabelShowed{"CollectionLabelShowed", false};

// Quick-start guide
inline const KvConfigSetting<bool> GuideShowed{"GuideShowed", false};
inline const KvConfigSetting<bool> TipShowed{"TipShowed", false};
inline const KvConfigSetting<bool> BorisFXGuideShowed{"BorisFXGuideShowed", false};

// Remembered answers that "Reset all program warnings" restores
inline const KvConfigSetting<bool> MediaDeleteConfirm{"MediaDeleteConfirm", true};
inline const KvConfigSetting<bool> ProjectTemplateGuidanceNoNeedShow{"ProjectTemplateGuidanceNoNeedShow", false};
inline const KvConfigSetting<bool> ProjectTemplateBackupCustomShow{"ProjectTemplateBackupCustomShow", false};
inline const KvConfigSetting<bool> ProjectTemplateShareCustomShow{"ProjectTemplateShareCustomShow", false};
inline const KvConfigSetting<bool> ProjectTemplateFirstApplyToTimeline{"ProjectTemplateFirstApplyToTimeline", false};
inline const KvConfigSetting<bool> CustomProjectTemplateShowNext{"CustomProjectTemplateShowNext", false};
inline const KvConfigSetting<bool> ProjectTemplateInsertReplaceNoNeedShow{"ProjectTemplateInsertReplaceNoNeedShow", false};
inline const KvConfigSetting<bool> MediaCustomTipNoNeedShow{"MediaCustomTipNoNeedShow", false};
inline const KvConfigSetting<bool> MediaFolderNewLogoNoNeedShow{"MediaFolderNewLogoNoNeedShow", false};
inline const KvConfigSetting<bool> LossLessRemoveConfirm{"LossLessRemoveConfirm", false};

// Satisfaction survey
inline const KvConfigSetting<QDate> NPSShowDate{"NPSShowDate", QDate()};
// Days between two survey prompts.
inline const KvConfigSetting<int> NpsShowDuration{"NpsShowDuration", 30};
// Milliseconds after entering the editor before the survey is considered.
inline const KvConfigSetting<qint64> NpsTimingTime{"NpsTimingTime", 10 * 60 * 1000};

// Launch-test results per algorithm check type; the key gets ".<type>"
// appended. Untested means not known to work.
inline const KvConfigSetting<bool> AlgorithmEnabled{"AlgorithmEnabled", false};

} // namespace KvConfigSettings
