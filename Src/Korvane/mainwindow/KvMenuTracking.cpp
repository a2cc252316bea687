#include "KvMenuTracking.h"

#include "KvTrackEvent.h"

namespace KvMenuTracking {

namespace {

constexpr int kEffectPanelAction = 55;

} // namespace

void trackMenuClickEvent(const QString &menuName, const QString &itemText, const QString &thirdText)
{
    KvTrackEvent event(QStringLiteral("menu_click"));
    event.setField(QStringLiteral("menu"), menuName);
    event.setField(QStringLiteral("name"), itemText);
    event.setField(QStringLiteral("value"), thirdText);
    event.sendEvent();
}

bool needTrackEffectPanelTypeEvent(int actionId)
{
    return actionId == kEffectPanelAction;
}

void trackEffectPanelTypeEvent(int clipType, int source)
{
    KvTrackEvent event(QStringLiteral("effect_panel_type"));
    event.setField(QStringLiteral("type"), clipType);
    event.setField(QStringLiteral("source"), source);
    event.sendEvent();
}

void trackRecentProjectClick(bool more)
{
    KvTrackEvent event(QStringLiteral("recent_project_click"));
    event.setField(QStringLiteral("name"), more ? QStringLiteral("more") : QStringLiteral("project"));
    event.sendEvent();
}

} // namespace KvMenuTracking
