#pragma once

#include "KvAppSettingsGroup.h"

// Interface theme as stored.
enum FThemeType { ThemeSystemDefault = 0, ThemeDark = 1, ThemeLight = 2 };

// Days between two automatic update checks as stored; 0 never checks.
enum FUpdateCheckFrequencyType { UpdateCheckNever = 0, UpdateCheckEveryDay = 1, UpdateCheckEveryWeek = 7, UpdateCheckEveryMonth = 30 };

// Language, theme, update checks, start-up behaviour and the remembered
// answers of the editor's questions.
class FGeneralSettings : public KvAppSettingsGroup
{
public:
    enum Key {
        Language,
        UITheme,
        CheckUpdate,
        DontShowMessage,
        ShowProjectLibrary,
        LaunchVelloq,
        DataCollectEnable,
        ScreenRecorderDpiParam,
        TimelineContextMenuWrapPopup,
        AlwaysAskMatchDirty,
        MediaMatchProjShow,
        AlwaysAskTextExtraLong,
        STTDeleteTaskNoTip,
        TTSDeleteTaskNoTip,
        AlwaysConfirmDownloadResolution,
        ShowArchiveProjectTip,
        VCGDownloadVideoNoTip,
        VCGDownloadPhotoNoTip,
        AlwaysAskSplitUnGroup,
        AutoSplitUnGroup,
        KeyCount
    };

    FGeneralSettings();

    static const QVector<KvAppSetting> &table();

    // The native engine's skin for a theme: its own dark skin for "system
    // default" and for anything it does not know.
    static int ThemeTypeToSkinKind(int theme);

    // KvLocale numbering, 1 to 22.
    int GetLanguage() const { return number(Language); }
    void SetLanguage(int languageId) { setValue(Language, languageId); }
    int GetUITheme() const { return number(UITheme); }
    void SetUITheme(int theme) { setValue(UITheme, theme); }
    int GetCheckUpdate() const { return number(CheckUpdate); }
    void SetCheckUpdate(int days) { setValue(CheckUpdate, days); }

    bool GetDontShowMessage() const { return flag(DontShowMessage); }
    void SetDontShowMessage(bool dontShow) { setValue(DontShowMessage, dontShow); }
    bool GetShowProjectLibrary() const { return flag(ShowProjectLibrary); }
    void SetShowProjectLibrary(bool show) { setValue(ShowProjectLibrary, show); }
    bool GetLaunchVelloq() const { return flag(LaunchVelloq); }
    void SetLaunchVelloq(bool launch) { setValue(LaunchVelloq, launch); }
    bool isDataCollectEnable() const { return flag(DataCollectEnable); }
    void setDataCollectEnable(bool enable) { setValue(DataCollectEnable, enable); }

    // The high-DPI mode handed to the screen recorder on its command line.
    int getScreenRecorderDpiParam() const { return number(ScreenRecorderDpiParam); }
    void setScreenRecorderDpiParam(int mode) { setValue(ScreenRecorderDpiParam, mode); }
    bool GetTimelineContextMenuWrapPopup() const { return flag(TimelineContextMenuWrapPopup); }
    void SetTimelineContextMenuWrapPopup(bool wrap) { setValue(TimelineContextMenuWrapPopup, wrap); }

    // Remembered answers; their defaults are what "Reset all program
    // warnings" restores.
    bool GetAlwaysAskMatchDirty() const { return flag(AlwaysAskMatchDirty); }
    void SetAlwaysAskMatchDirty(bool ask) { setValue(AlwaysAskMatchDirty, ask); }
    bool GetMediaMatchProjShow() const { return flag(MediaMatchProjShow); }
    void SetMediaMatchProjShow(bool show) { setValue(MediaMatchProjShow, show); }
    bool GetAlwaysAskTextExtraLong() const { return flag(AlwaysAskTextExtraLong); }
    void SetAlwaysAskTextExtraLong(bool ask) { setValue(AlwaysAskTextExtraLong, ask); }
    bool GetSTTDeleteTaskNoTip() const { return flag(STTDeleteTaskNoTip); }
    void SetSTTDeleteTaskNoTip(bool noTip) { setValue(STTDeleteTaskNoTip, noTip); }
    bool GetTTSDeleteTaskNoTip() const { return flag(TTSDeleteTaskNoTip); }
    void SetTTSDeleteTaskNoTip(bool noTip) { setValue(TTSDeleteTaskNoTip, noTip); }
    bool getAlwaysConfirmDownlaodResolution() const { return flag(AlwaysConfirmDownloadResolution); }
    void setAlwaysConfirmDownlaodResolution(bool confirm) { setValue(AlwaysConfirmDownloadResolution, confirm); }
    bool getShowArchiveProjectTip() const { return flag(ShowArchiveProjectTip); }
    void setShowArchiveProjectTip(bool show) { setValue(ShowArchiveProjectTip, show); }
    bool getVCGDownloadVideoNoTip() const { return flag(VCGDownloadVideoNoTip); }
    void setVCGDownloadVideoNoTip(bool noTip) { setValue(VCGDownloadVideoNoTip, noTip); }
    bool getVCGDownloadPhotoNoTip() const { return flag(VCGDownloadPhotoNoTip); }
    void setVCGDownloadPhotoNoTip(bool noTip) { setValue(VCGDownloadPhotoNoTip, noTip); }
    bool GetAlwaysAskSplitUnGroup() const { return flag(AlwaysAskSplitUnGroup); }
    void SetAlwaysAskSplitUnGroup(bool ask) { setValue(AlwaysAskSplitUnGroup, ask); }
    // The answer applied without asking once "always ask" is off: ungroup or not.
    bool GetAutoSplitUnGroup() const { return flag(AutoSplitUnGroup); }
    void SetAutoSplitUnGroup(bool unGroup) { setValue(AutoSplitUnGroup, unGroup); }
};
