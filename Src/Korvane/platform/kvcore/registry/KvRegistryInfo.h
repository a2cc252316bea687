#pragma once

#include "IKvRegistryInfo.h"
#include "KvLazySingleton.h"

#include <QHash>
#include <QReadWriteLock>

class KvRegistryInfo final : public IKvRegistryInfo
{
public:
    // Written until the last step of shutdown; holds nothing to clean up.
    static constexpr KvSingletonRelease kSingletonRelease = KvSingletonRelease::ProcessLifetime;

    void setRootPath(const QString &rootPath) override;
    QString rootPath() const override;
    void setValueName(int id, const QString &name) override;
    QString valueName(int id) const override;
    QVariant getValue(int id) const override;
    bool setValue(int id, const QVariant &value) override;
    QString storeFile() const override;

private:
    QString keyFor(int id) const;

    mutable QReadWriteLock m_lock;
    QString m_rootPath;
    QHash<int, QString> m_names;
};
