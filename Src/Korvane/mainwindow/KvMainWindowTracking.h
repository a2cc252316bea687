#pragma once

#include "KvTrackEvents.h"

#include <QString>

// The tracking events sent from the main window (their names are in the
// editor's event table).
namespace KvMainWindowTracking {

constexpr KvTrackEventKind QuickIconClick = KvTrackEventKind::QuickIconClick;
constexpr KvTrackEventKind PopupClick = KvTrackEventKind::PopupClick;
constexpr KvTrackEventKind InterfaceExposure = KvTrackEventKind::InterfaceExposure;
constexpr KvTrackEventKind Walkthrough = KvTrackEventKind::Walkthrough;
constexpr KvTrackEventKind GuidePopup = KvTrackEventKind::GuidePopup;
constexpr KvTrackEventKind GuideClose = KvTrackEventKind::GuideClose;
constexpr KvTrackEventKind ScreenRecording = KvTrackEventKind::ScreenRecording;
constexpr KvTrackEventKind AudioRecording = KvTrackEventKind::AudioRecording;
constexpr KvTrackEventKind VideoRecording = KvTrackEventKind::VideoRecording;
constexpr KvTrackEventKind ExportButton = KvTrackEventKind::ExportButtonClick;
constexpr KvTrackEventKind ProjectSettings = KvTrackEventKind::ProjectSettings;
constexpr KvTrackEventKind KeyBoardShortcut = KvTrackEventKind::KeyBoardShortcut;

// An event with up to two texts, as most of the window's events are.
inline void send(KvTrackEventKind kind, const QString &first = QString(), const QString &second = QString())
{
    KvTrackEvent event{KvTrackEvents::nameOf(kind)};
    if (!first.isNull())
        event.setField(QStringLiteral("name"), first);
    if (!second.isNull())
        event.setField(QStringLiteral("value"), second);
    event.sendEvent();
}

inline void sendFields(KvTrackEventKind kind, const QVariantMap &fields)
{
    KvTrackEvent event{KvTrackEvents::nameOf(kind)};
    for (auto it = fields.cbegin(); it != fields.cend(); ++it)
        event.setField(it.key(), it.value());
    event.sendEvent();
}

} // namespace KvMainWindowTracking
