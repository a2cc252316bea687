#include "KvProjectSuffixHelper.h"

#include <QDir>
#include <QFileInfo>

QString KvProjectSuffixHelper::projectFileSuffix()
{
    return QStringLiteral("kvproj");
}

QString KvProjectSuffixHelper::projectFileDottedSuffix()
{
    return QLatin1Char('.') + projectFileSuffix();
}

QString KvProjectSuffixHelper::instantModeFileSuffix()
{
    return QStringLiteral("kvtpl");
}

QString KvProjectSuffixHelper::instantModeFileDottedSuffix()
{
    return QLatin1Char('.') + instantModeFileSuffix();
}

QString KvProjectSuffixHelper::archiveFileSuffix()
{
    return QStringLiteral("kvarc");
}

QString KvProjectSuffixHelper::archiveFileDottedSuffix()
{
    return QLatin1Char('.') + archiveFileSuffix();
}

QString KvProjectSuffixHelper::thumbnailFileDottedSuffix()
{
    return QStringLiteral(".fsthumb");
}

bool KvProjectSuffixHelper::isProjectFile(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    return suffix.compare(projectFileSuffix(), Qt::CaseInsensitive) == 0
        || suffix.compare(instantModeFileSuffix(), Qt::CaseInsensitive) == 0;
}

bool KvProjectSuffixHelper::isInstantModeFile(const QString &path)
{
    return QFileInfo(path).suffix().compare(instantModeFileSuffix(), Qt::CaseInsensitive) == 0;
}

bool KvProjectSuffixHelper::isArchiveFile(const QString &path)
{
    return QFileInfo(path).suffix().compare(archiveFileSuffix(), Qt::CaseInsensitive) == 0;
}

QString KvProjectSuffixHelper::thumbnailPathFor(const QString &projectPath)
{
    const QFileInfo info(projectPath);
    return info.dir().filePath(info.completeBaseName() + thumbnailFileDottedSuffix());
}

QString KvProjectSuffixHelper::withSuffix(const QString &path, const QString &suffix)
{
    if (path.isEmpty() || suffix.isEmpty())
        return path;
    const QString dotted = suffix.startsWith(QLatin1Char('.')) ? suffix : QLatin1Char('.') + suffix;
    return path.endsWith(dotted, Qt::CaseInsensitive) ? path : path + dotted;
}
