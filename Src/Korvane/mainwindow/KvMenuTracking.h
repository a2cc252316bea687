#pragma once

#include <QString>

// The tracking events of the menu bar: which entry of which menu was
// clicked, what kind of clip an effect panel was opened for, and clicks in
// Open Recent.
namespace KvMenuTracking {

// The effect panel was opened from the Tools menu.
constexpr int kEffectPanelFromMenu = 7;

void trackMenuClickEvent(const QString &menuName, const QString &itemText, const QString &thirdText);
// The effect tracker wants the effect-panel event only for the entries that
// open the panel.
bool needTrackEffectPanelTypeEvent(int actionId);
void trackEffectPanelTypeEvent(int clipType, int source);
void trackRecentProjectClick(bool more);

} // namespace KvMenuTracking
