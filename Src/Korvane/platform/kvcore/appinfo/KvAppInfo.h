#pragma once

#include "IKvAppInfo.h"

#include <QHash>
#include <QReadWriteLock>

class KvAppInfo final : public IKvAppInfo
{
public:
    QVariant getValue(int id) const override;
    void setValue(int id, const QVariant &value) override;
    bool contains(int id) const override;

private:
    mutable QReadWriteLock m_lock;
    QHash<int, QVariant> m_values;
};
