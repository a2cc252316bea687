// Compiled into every test executable (korvane_add_test): before main() runs,
// it makes sure the test can never touch the developer's own settings.
//
// - HOME must be a temporary folder (below /tmp or QDir::tempPath()); a test
//   started by hand from an IDE with the real HOME refuses to run.
// - QStandardPaths test mode is on, so the test process's data, config and
//   cache folders live below "$HOME/.qttest".
// - XDG_DATA_HOME, XDG_CONFIG_HOME and XDG_CACHE_HOME are pointed at those same
//   folders, so that helper processes the test starts (which are not in test
//   mode) look where the test looks. Tests that lay out an environment of
//   their own for a child (the end-to-end tests) still set it explicitly.

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QtGlobal>

namespace {

QString canonical(const QString &path)
{
    const QString resolved = QFileInfo(path).canonicalFilePath();
    return resolved.isEmpty() ? QDir::cleanPath(path) : resolved;
}

bool isBelow(const QString &path, const QString &folder)
{
    return !folder.isEmpty() && folder != QLatin1String("/")
        && path.startsWith(folder + QLatin1Char('/'));
}

void exportLocation(const char *variable, QStandardPaths::StandardLocation location)
{
    const QString path = QStandardPaths::writableLocation(location);
    QDir().mkpath(path);
    qputenv(variable, QFile::encodeName(path));
}

struct KvTestGuard
{
    KvTestGuard()
    {
        const QByteArray homeVariable = qgetenv("HOME");
        const QString home = canonical(QFile::decodeName(homeVariable));
        if (homeVariable.isEmpty() || home == canonical(QDir::tempPath())
            || !(isBelow(home, canonical(QStringLiteral("/tmp"))) || isBelow(home, canonical(QDir::tempPath())))) {
            qFatal("Refusing to run: HOME (\"%s\") is not a temporary folder. Tests delete and rewrite "
                   "settings below HOME; run them through ctest, or set HOME to a folder below %s.",
                   homeVariable.constData(), qPrintable(QDir::tempPath()));
        }
        QStandardPaths::setTestModeEnabled(true);
        exportLocation("XDG_DATA_HOME", QStandardPaths::GenericDataLocation);
        exportLocation("XDG_CONFIG_HOME", QStandardPaths::GenericConfigLocation);
        exportLocation("XDG_CACHE_HOME", QStandardPaths::GenericCacheLocation);
    }
};

const KvTestGuard g_guard;

} // namespace
