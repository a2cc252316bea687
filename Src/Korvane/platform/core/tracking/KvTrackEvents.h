#pragma once

#include "KvTrackEvent.h"

// Every tracking event the editor sends, in one table: its kind and its name
// on the wire. An event that is only its name is a row here and an alias
// below; a class of its own is only for events that fill fields.
enum class KvTrackEventKind {
    AppLaunch,
    AppQuit,
    AppCrash,
    BugSplat,
    PublicInfo,
    UserInfo,
    EmbedWindowPopup,
    TemplateTimeLinePageButtonClick,
    ExportSuccess,
    QuickIconClick,
    PopupClick,
    InterfaceExposure,
    Walkthrough,
    GuidePopup,
    GuideClose,
    ScreenRecording,
    AudioRecording,
    VideoRecording,
    ExportButtonClick,
    ProjectSettings,
    PushReport,
    CaddyReport,
    TtsParamsSetting,
    KeyBoardShortcut,
    Count
};

namespace KvTrackEvents {

struct Row
{
    KvTrackEventKind kind;
    const char *name;
};

// In the order of the enumeration; the names never change (the tracker's
// reports are grouped by them).
constexpr Row kTable[] = {
    {KvTrackEventKind::AppLaunch, "app_launch"},
    {KvTrackEventKind::AppQuit, "app_quit"},
    {KvTrackEventKind::AppCrash, "app_crash"},
    {KvTrackEventKind::BugSplat, "bugsplat_report"},
    {KvTrackEventKind::PublicInfo, "public_info"},
    {KvTrackEventKind::UserInfo, "user_info"},
    {KvTrackEventKind::EmbedWindowPopup, "embed_window_popup"},
    {KvTrackEventKind::TemplateTimeLinePageButtonClick, "template_timeline_page_button_click"},
    {KvTrackEventKind::ExportSuccess, "export_success"},
    {KvTrackEventKind::QuickIconClick, "quick_icon_click"},
    {KvTrackEventKind::PopupClick, "popup_click"},
    {KvTrackEventKind::InterfaceExposure, "interface_exposure"},
    {KvTrackEventKind::Walkthrough, "walkthrough"},
    {KvTrackEventKind::GuidePopup, "guide_popup"},
    {KvTrackEventKind::GuideClose, "guide_close"},
    {KvTrackEventKind::ScreenRecording, "screen_recording"},
    {KvTrackEventKind::AudioRecording, "audio_recording"},
    {KvTrackEventKind::VideoRecording, "video_recording"},
    {KvTrackEventKind::ExportButtonClick, "export_button_click"},
    {KvTrackEventKind::ProjectSettings, "project_settings"},
    {KvTrackEventKind::PushReport, "push_report"},
    {KvTrackEventKind::CaddyReport, "caddy_report"},
    {KvTrackEventKind::TtsParamsSetting, "TTS_params_setting"},
    {KvTrackEventKind::KeyBoardShortcut, "KeyBoard_ShortcutTrackEvent"},
};

constexpr bool tableMatchesKinds()
{
    if (sizeof(kTable) / sizeof(kTable[0]) != size_t(KvTrackEventKind::Count))
        return false;
    for (size_t i = 0; i < sizeof(kTable) / sizeof(kTable[0]); ++i) {
        if (size_t(kTable[i].kind) != i)
            return false;
    }
    return true;
}
static_assert(tableMatchesKinds(), "every tracking event kind needs its row, in the order of the enumeration");

// Empty for Count or a value outside the enumeration.
QString nameOf(KvTrackEventKind kind);

} // namespace KvTrackEvents

// An event of the table that carries no fields.
template <KvTrackEventKind Kind>
class KvNamedTrackEvent : public KvTrackEvent
{
public:
    KvNamedTrackEvent()
        : KvTrackEvent(KvTrackEvents::nameOf(Kind))
    {
    }
};

using FAppCrashEvent = KvNamedTrackEvent<KvTrackEventKind::AppCrash>;
using FBugSplatEvent = KvNamedTrackEvent<KvTrackEventKind::BugSplat>;
using FTemplateTimeLinePageButtonClickEvent = KvNamedTrackEvent<KvTrackEventKind::TemplateTimeLinePageButtonClick>;

// How long the start-up took, one field per timing section (milliseconds).
class FAppLaunchEvent : public KvTrackEvent
{
public:
    FAppLaunchEvent();
    // A negative time (a section that never ran) is recorded as -1.
    void setTiming(const QString &section, qint64 ms);
};

// How long the editor ran, so it needs the moment the application started.
class FAppQuitEvent : public KvTrackEvent
{
public:
    FAppQuitEvent();

    static void startTime();
    // Milliseconds since startTime(); -1 before it.
    static qint64 runningTimeMs();
};

// The product and machine facts every tracking session starts with.
class FPublicInfoEvent : public KvTrackEvent
{
public:
    FPublicInfoEvent();
};

// Who uses the editor: the signed-in account, empty when nobody is.
class FUserInfoEvent : public KvTrackEvent
{
public:
    explicit FUserInfoEvent(const QString &userId = QString());
};

// An embedded helper window (such as the Orvala helper) was opened.
class FEmbedWindowPopupEvent : public KvTrackEvent
{
public:
    explicit FEmbedWindowPopupEvent(const QString &name);
};
