#include "KvPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <unistd.h>

namespace {
const QString kVendorProduct = QStringLiteral("Tessaracorp/Korvane");
}

namespace KvPaths {

QString userDataDir()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath(kVendorProduct);
}

QString userConfigDir()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)).filePath(kVendorProduct);
}

QString documentsDir()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath(QStringLiteral("Korvane"));
}

QString runtimeDir()
{
    // Qt creates a private fallback when XDG_RUNTIME_DIR is unset.
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

QString userStateDir()
{
    // Qt 5 has no location for it; the XDG rule: an absolute XDG_STATE_HOME,
    // else ~/.local/state.
    QString base = QFile::decodeName(qgetenv("XDG_STATE_HOME"));
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return QDir(base).filePath(kVendorProduct);
}

QString installStateDir(const QString &appDir)
{
    // access() rather than the permission bits: it also answers for a
    // read-only mount and for ACLs.
    if (!appDir.isEmpty() && ::access(QFile::encodeName(appDir).constData(), W_OK) == 0)
        return appDir;
    return userStateDir();
}

QString installStateDir()
{
    static const QString dir = installStateDir(QCoreApplication::applicationDirPath());
    return dir;
}

QString logDir()
{
    return installStateDir() + QStringLiteral("/Log");
}

} // namespace KvPaths
