#include "FSystemColorScheme.h"

#include "IKvBaseLog.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDir>
#include <QFileInfo>

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString kGroup = QStringLiteral("org.freedesktop.appearance");
const QString kKey = QStringLiteral("color-scheme");

// Without an address libdbus may try to launch a bus, which can take long:
// only a bus that is announced or sits in the runtime directory is used.
bool sessionBusAnnounced()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(QDir(runtime).filePath(QStringLiteral("bus")));
}

// The portal wraps the value in one or two variants, depending on its version.
QVariant unwrap(QVariant value)
{
    while (value.canConvert<QDBusVariant>() && value.userType() == qMetaTypeId<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    return value;
}

} // namespace

FSystemColorScheme *FSystemColorScheme::instance()
{
    static FSystemColorScheme *scheme = new FSystemColorScheme;
    return scheme;
}

FSystemColorScheme::Scheme FSystemColorScheme::fromPortalValue(uint value)
{
    switch (value) {
    case 1:
        return Dark;
    case 2:
        return Light;
    default:
        return Unknown;
    }
}

FSystemColorScheme::Scheme FSystemColorScheme::fromGtkTheme(const QString &theme)
{
    if (theme.trimmed().isEmpty())
        return Unknown;
    const QString lower = theme.toLower();
    return lower.endsWith(QLatin1String(":dark")) || lower.endsWith(QLatin1String("-dark")) ? Dark : Light;
}

void FSystemColorScheme::start()
{
    if (m_started)
        return;
    m_started = true;
    const Scheme fromEnvironment = fromGtkTheme(qEnvironmentVariable("GTK_THEME"));
    if (fromEnvironment != Unknown)
        setScheme(fromEnvironment);
    if (!sessionBusAnnounced())
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        KV_LOG_INFO("no session bus: the desktop's colour preference is not known");
        return;
    }
    bus.connect(kService, kPath, kInterface, QStringLiteral("SettingChanged"), this,
                SLOT(onPortalSettingChanged(QString, QString, QDBusVariant)));
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Read"));
    call << kGroup << kKey;
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, 2000), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *finished) {
        finished->deleteLater();
        const QDBusPendingReply<QVariant> reply = *finished;
        if (reply.isError()) {
            KV_LOG_INFO("the desktop portal gives no colour preference: %s", KV_CSTR(reply.error().message()));
            return;
        }
        onPortalValue(reply.value());
    });
}

void FSystemColorScheme::onPortalSettingChanged(const QString &group, const QString &key, const QDBusVariant &value)
{
    if (group == kGroup && key == kKey)
        onPortalValue(value.variant());
}

void FSystemColorScheme::onPortalValue(const QVariant &value)
{
    const QVariant plain = unwrap(value);
    bool ok = false;
    const uint number = plain.toUInt(&ok);
    if (!ok) {
        KV_LOG_INFO("the desktop portal's colour preference is not a number");
        return;
    }
    setScheme(fromPortalValue(number));
}

void FSystemColorScheme::setScheme(Scheme scheme)
{
    if (scheme == m_scheme)
        return;
    m_scheme = scheme;
    KV_LOG_INFO("desktop colour preference: %s", scheme == Dark ? "dark" : scheme == Light ? "light" : "none");
    emit sigSchemeChanged(scheme);
}
