#include "KvIPCProcessArguments.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString KvIPCProcessArguments::executablePath() const
{
    if (m_executable.isEmpty())
        return QString();
    const QString path = QDir::fromNativeSeparators(m_executable);
    if (QFileInfo(path).isAbsolute())
        return QDir::cleanPath(path);
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') + path);
}
