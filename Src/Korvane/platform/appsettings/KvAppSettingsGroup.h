#pragma once

#include "KvAppSetting.h"

#include <QJsonObject>
#include <QReadWriteLock>
#include <QSize>
#include <QVector>

// Base of the preference groups: the values of one settings table, behind a
// read-write lock so that worker threads may read while the GUI thread writes.
// Groups are values: a copy is a snapshot that the preferences dialog may edit
// and assign back.
class KvAppSettingsGroup
{
public:
    KvAppSettingsGroup(const KvAppSettingsGroup &other);
    // Only between groups of the same table; anything else is logged and ignored.
    KvAppSettingsGroup &operator=(const KvAppSettingsGroup &other);

    // The group's name in the settings file, and its table in id order.
    QString groupName() const { return QLatin1String(m_groupName); }
    const QVector<KvAppSetting> &settings() const { return *m_settings; }

    // Access by id. setValue refuses, with an error line and false, a value of
    // another type than the default's or one the table's check rejects.
    QVariant value(int id) const;
    bool setValue(int id, const QVariant &value);

    // Every value back to its default.
    void Reset();

    // `stored` with this group's keys replaced: a key whose value is the
    // default is left out, keys this version does not know are kept.
    QJsonObject toJson(const QJsonObject &stored = QJsonObject()) const;
    // Missing keys take the default; an invalid value is logged and takes the
    // default too. Unknown keys are ignored.
    void fromJson(const QJsonObject &object);

protected:
    KvAppSettingsGroup(const char *groupName, const QVector<KvAppSetting> &settings);
    ~KvAppSettingsGroup();

    bool flag(int id) const { return value(id).toBool(); }
    int number(int id) const { return value(id).toInt(); }
    QString text(int id) const { return value(id).toString(); }
    QSize size(int id) const { return value(id).toSize(); }

private:
    bool accepts(const KvAppSetting &setting, const QVariant &value) const;

    const char *m_groupName;
    const QVector<KvAppSetting> *m_settings;
    QVector<QVariant> m_values;
    mutable QReadWriteLock m_lock;
};
