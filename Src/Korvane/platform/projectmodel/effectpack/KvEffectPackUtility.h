#pragma once

#include <QString>
#include <QStringList>

// The effect pack bookkeeping files, all in the user's configuration folder
// and all JSON, each written whole through a temporary file (a crash never
// leaves half a file):
//
//   EffectPackPaths.json        {"paths": ["<folder>", ...]}
//       every folder the user has installed effect packs into, in the order
//       first used; the installed packs are looked for in all of them.
//   RemoveEffectPackages.json   {"packages": [{"folder": "<pack folder>",
//   RecordEffectPackages.json                  "remove": true|false,
//                                              "time": "<UTC, ISO 8601>"}, ...]}
//       packs the user deleted. The remove file lists the folders still to be
//       removed from disk (read and emptied at the next start, when nothing
//       holds them); the record file keeps them so that the effect store can
//       offer them again. A folder is listed once; recording it again updates
//       its entry.
//
// A damaged or missing file reads as empty and is logged.
class KvEffectPackUtility
{
public:
    static QStringList getEffectPackPath();
    // Adds `path` unless it is listed already (compared case-sensitively).
    // False when the file could not be written.
    static bool saveEffectPackPath(const QString &path);

    // Records `packFolders` in `configFile` (one of the two files below) with
    // the flag `remove`. False when the file could not be written.
    static bool recordEffectPackages(const QString &configFile, const QStringList &packFolders, bool remove);
    // The folders recorded in `configFile`, in the order recorded.
    static QStringList recordedEffectPackages(const QString &configFile);

    static QString getRemovePackageConfigFile();
    static QString getRecordEffectPackageConfigFile();

    // Removes from disk the folders of the remove file that are marked for
    // removal and empties the file; a folder that cannot be removed now stays
    // listed for the next start. Returns how many were removed.
    static int removeMarkedPackages();

    // The pack tables ("EffectPackTables.json", {"packages": [{"file": ...,
    // "time": ...}]}): downloaded pack files not yet installed. The store's
    // downloads are recorded here first and dropped once extracted, so that
    // an install cut short is found again at the next start.
    static QStringList getEffectPackTables();
    static bool saveEffectPackTables(const QStringList &files);
    // The recorded files that still exist: the packs waiting for installation.
    static QStringList getStartInstallPackages();

    // Every folder that may hold effect packs: the install folder of the
    // folder settings first, then the saved paths, each once.
    static QStringList effectPackFolders();
};
