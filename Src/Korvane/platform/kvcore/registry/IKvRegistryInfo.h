#pragma once

#include <QString>
#include <QVariant>

// Per-user values that the editor's libraries address by number. Each number
// gets a name once at start; the values live in an INI file under the user's
// configuration folder, grouped under the root path.
class IKvRegistryInfo
{
public:
    static IKvRegistryInfo *getInstance();

    virtual ~IKvRegistryInfo() = default;

    virtual void setRootPath(const QString &rootPath) = 0;
    virtual QString rootPath() const = 0;
    virtual void setValueName(int id, const QString &name) = 0;
    virtual QString valueName(int id) const = 0;

    // Invalid when the id has no name or nothing is stored.
    virtual QVariant getValue(int id) const = 0;
    // False when the id has no name or the file cannot be written.
    virtual bool setValue(int id, const QVariant &value) = 0;

    // "<config dir>/Registry.ini"
    virtual QString storeFile() const = 0;
};
