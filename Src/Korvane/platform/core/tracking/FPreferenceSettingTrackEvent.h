#pragma once

#include "KvTrackEvent.h"

#include <QSize>

// What the preferences hold after the user pressed OK: the theme, the update
// check, the message centre, the snapshot format, the rendering and proxy
// choices. The numbers the store keeps go out as the texts below, so that
// reports read the same whatever a later version stores.
class FPreferenceSettingTrackEvent : public KvTrackEvent
{
public:
    static constexpr const char *kName = "preference_setting";

    FPreferenceSettingTrackEvent();

    void setTheme(int theme) { setField(QStringLiteral("theme"), themeText(theme)); }
    void setUpdateCheck(int days) { setField(QStringLiteral("update_check"), updateCheckText(days)); }
    void setDontShowMessage(bool dontShow) { setField(QStringLiteral("dont_show_message"), dontShow); }
    void setSnapshotFormat(const QString &format) { setField(QStringLiteral("snapshot_format"), format); }
    void setHardwareRendering(bool nextTime) { setField(QStringLiteral("hardware_rendering"), nextTime); }
    void setBackgroundRender(bool enabled) { setField(QStringLiteral("background_render"), enabled); }
    void setBackgroundRenderDelay(int seconds) { setField(QStringLiteral("background_render_delay"), seconds); }
    void setDeleteRenderFiles(bool remove) { setField(QStringLiteral("delete_render_files"), remove); }
    void setCreateProxies(bool create) { setField(QStringLiteral("create_proxies"), create); }
    void setProxyResolution(const QSize &size) { setField(QStringLiteral("proxy_resolution"), proxyResolutionText(size)); }
    void setDeleteProxies(bool remove) { setField(QStringLiteral("delete_proxies"), remove); }

    // 0 "default", 1 "dark", 2 "light", anything else "unknow".
    static QString themeText(int theme);
    // 0 "never", 1 "every_day", 7 "every_week", 30 "every_month", else "unknow".
    static QString updateCheckText(int days);
    // "1280*720"; empty for a size that is not valid.
    static QString proxyResolutionText(const QSize &size);
};
