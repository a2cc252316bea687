#include "KvPaths.h"

#include <QDir>
#include <QStandardPaths>

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

} // namespace KvPaths
