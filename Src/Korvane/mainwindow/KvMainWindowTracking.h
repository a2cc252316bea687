#pragma once

#include "KvTrackEvent.h"

#include <QString>

// The tracking events sent from the main window. The names are the tracker's
// and do not change.
namespace KvMainWindowTracking {

constexpr const char *QuickIconClick = "quick_icon_click";
constexpr const char *PopupClick = "popup_click";
constexpr const char *InterfaceExposure = "interface_exposure";
constexpr const char *Walkthrough = "walkthrough";
constexpr const char *GuidePopup = "guide_popup";
constexpr const char *GuideClose = "guide_close";
constexpr const char *ScreenRecording = "screen_recording";
constexpr const char *AudioRecording = "audio_recording";
constexpr const char *VideoRecording = "video_recording";
constexpr const char *ExportButton = "export_button_click";
constexpr const char *ProjectSettings = "project_settings";

// An event with up to two texts, as most of the window's events are.
inline void send(const char *name, const QString &first = QString(), const QString &second = QString())
{
    KvTrackEvent event{QString::fromLatin1(name)};
    if (!first.isNull())
        event.setField(QStringLiteral("name"), first);
    if (!second.isNull())
        event.setField(QStringLiteral("value"), second);
    event.sendEvent();
}

inline void sendFields(const char *name, const QVariantMap &fields)
{
    KvTrackEvent event{QString::fromLatin1(name)};
    for (auto it = fields.cbegin(); it != fields.cend(); ++it)
        event.setField(it.key(), it.value());
    event.sendEvent();
}

} // namespace KvMainWindowTracking
