#pragma once

#include <QDBusVariant>
#include <QObject>

// The desktop's light or dark preference, for the "System Default" theme.
// Read from the freedesktop settings portal over the session bus, without
// waiting: the answer (and any later change the portal announces) arrives
// as sigSchemeChanged. Where there is no session bus or no portal, GTK_THEME
// is consulted, and else the scheme stays Unknown. GUI thread only.
class FSystemColorScheme : public QObject
{
    Q_OBJECT

public:
    enum Scheme { Unknown = 0, Dark = 1, Light = 2 };

    static FSystemColorScheme *instance();

    Scheme scheme() const { return m_scheme; }
    // Starts the first query; later calls do nothing.
    void start();

    // The portal's "color-scheme" value (0 no preference, 1 dark, 2 light).
    static Scheme fromPortalValue(uint value);
    // "Adwaita:dark" and "Foo-dark" are dark, other names light; empty is Unknown.
    static Scheme fromGtkTheme(const QString &theme);

signals:
    void sigSchemeChanged(FSystemColorScheme::Scheme scheme);

private slots:
    // QtDBus delivers bus signals only to slots named by signature.
    void onPortalSettingChanged(const QString &group, const QString &key, const QDBusVariant &value);

private:
    FSystemColorScheme() = default;
    void setScheme(Scheme scheme);
    void onPortalValue(const QVariant &value);

    Scheme m_scheme = Unknown;
    bool m_started = false;
};
