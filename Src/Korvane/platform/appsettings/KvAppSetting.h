#pragma once

#include "KvPaths.h"

#include <QDir>
#include <QString>
#include <QVariant>

// One stored preference: its key in the settings file, its default (whose type
// is the setting's type: bool, int, QString or QSize) and what else a value
// must satisfy. Each group lists its settings once, in a table indexed by the
// group's key enum; getters, setters, reset, load and save all go through it.
struct KvAppSetting
{
    using Check = bool (*)(const QVariant &value);

    int id;                   // the group's enum value, equal to the row index
    const char *key;
    QVariant defaultValue;
    Check isValid = nullptr;  // null: any value of the default's type
};

namespace KvAppSettingChecks {

template <int Min, int Max>
bool inRange(const QVariant &value)
{
    const int number = value.toInt();
    return number >= Min && number <= Max;
}

// Folders: an empty path would leave the editor writing to its working folder.
inline bool notBlank(const QVariant &value)
{
    return !value.toString().trimmed().isEmpty();
}

} // namespace KvAppSettingChecks

namespace KvAppSettingDefaults {

inline QString inDocuments(const char *relative)
{
    return QDir(KvPaths::documentsDir()).filePath(QLatin1String(relative));
}

} // namespace KvAppSettingDefaults
