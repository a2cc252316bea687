#include "FGeneralSettings.h"

using namespace KvAppSettingChecks;

namespace {
// Skin kinds of the native engine.
constexpr int kSkinDark = 1;
constexpr int kSkinLight = 2;
} // namespace

const QVector<KvAppSetting> &FGeneralSettings::table()
{
    static const QVector<KvAppSetting> settings = {
        {Language, "Language", 1, inRange<1, 22>},
        {UITheme, "UITheme", int(ThemeSystemDefault), inRange<ThemeSystemDefault, ThemeLight>},
        {CheckUpdate, "CheckUpdate", int(UpdateCheckEveryDay), inRange<0, 365>},
        {DontShowMessage, "DontShowMessage", false},
        {ShowProjectLibrary, "ShowProjectLibrary", true},
        {LaunchVelloq, "LaunchVelloq", false},
        // Opt-in: nothing is collected until the user ticks the box.
        {DataCollectEnable, "DataCollectEnable", false},
        {ScreenRecorderDpiParam, "ScreenRecorderDpiParam", 1, inRange<0, 1>},
        {TimelineContextMenuWrapPopup, "TimelineContextMenuWrapPopup", false},
        {AlwaysAskMatchDirty, "AlwaysAskMatchDirty", false},
        {MediaMatchProjShow, "MediaMatchProjShow", true},
        {AlwaysAskTextExtraLong, "AlwaysAskTextExtraLong", true},
        {STTDeleteTaskNoTip, "STTDeleteTaskNoTip", false},
        {TTSDeleteTaskNoTip, "TTSDeleteTaskNoTip", false},
        {AlwaysConfirmDownloadResolution, "AlwaysConfirmDownloadResolution", true},
        {ShowArchiveProjectTip, "ShowArchiveProjectTip", true},
        {VCGDownloadVideoNoTip, "VCGDownloadVideoNoTip", false},
        {VCGDownloadPhotoNoTip, "VCGDownloadPhotoNoTip", false},
        {AlwaysAskSplitUnGroup, "AlwaysAskSplitUnGroup", true},
        {AutoSplitUnGroup, "AutoSplitUnGroup", false},
    };
    return settings;
}

FGeneralSettings::FGeneralSettings()
    : KvAppSettingsGroup("General", table())
{
}

int FGeneralSettings::ThemeTypeToSkinKind(int theme)
{
    return theme == ThemeLight ? kSkinLight : kSkinDark;
}
