#pragma once

#include <QString>
#include <QStringList>

// Names and ids of effect pack files as the effect store hands them over.
//
// The store names a download "<pack name> ^&^ <its number>"; on loading the
// file (or folder) is renamed to the pack name alone, in the same folder.
class FEffectPackFiles
{
public:
    static const QString kSeparator; // " ^&^ "

    // The path `path` is renamed to; `path` itself when its complete base
    // name holds no separator.
    static QString renamedPath(const QString &path);
    // Renames each path that needs it (files with QFile::rename, folders
    // with QDir::rename) and returns the list with the new paths. A rename
    // that fails is logged and the old path kept.
    static QStringList renamePacks(const QStringList &paths);

    // The integer under "pack_info"."id" of "<packFolder>/Config.json";
    // -1 when the file is missing or unreadable, the document empty or not
    // JSON, or the key missing.
    static int packId(const QString &packFolder);
};
