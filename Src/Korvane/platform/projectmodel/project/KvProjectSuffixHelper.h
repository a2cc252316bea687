#pragma once

#include <QString>

// File suffixes of the editor's documents:
//   "kvproj"  a timeline project (JSON),
//   "kvtpl"   a template-mode (instant mode) project, same JSON format,
//   "kvarc"   a project archive (zip with the project and its media),
//   ".fsthumb" the PNG thumbnail written beside a project when it is saved.
class KvProjectSuffixHelper
{
public:
    static QString projectFileSuffix();
    static QString projectFileDottedSuffix();
    static QString instantModeFileSuffix();
    static QString instantModeFileDottedSuffix();
    static QString archiveFileSuffix();
    static QString archiveFileDottedSuffix();
    static QString thumbnailFileDottedSuffix();

    // True for either project suffix (case-insensitive), not for archives.
    static bool isProjectFile(const QString &path);
    static bool isInstantModeFile(const QString &path);
    static bool isArchiveFile(const QString &path);
    // "<dir>/<base name>.fsthumb" for a project path.
    static QString thumbnailPathFor(const QString &projectPath);
    // `path` with ".<suffix>" appended unless it already ends with it.
    static QString withSuffix(const QString &path, const QString &suffix);
};
