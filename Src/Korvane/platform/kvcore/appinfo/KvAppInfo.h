#pragma once

#include "IKvAppInfo.h"
#include "KvLazySingleton.h"

#include <QHash>
#include <QReadWriteLock>

class KvAppInfo final : public IKvAppInfo
{
public:
    // Services released at shutdown, and the log of their release, still
    // read paths here: it stays until the process ends.
    static constexpr KvSingletonRelease kSingletonRelease = KvSingletonRelease::ProcessLifetime;

    QVariant getValue(int id) const override;
    void setValue(int id, const QVariant &value) override;
    bool contains(int id) const override;

private:
    mutable QReadWriteLock m_lock;
    QHash<int, QVariant> m_values;
};
