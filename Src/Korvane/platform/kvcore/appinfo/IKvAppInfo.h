#pragma once

#include <QString>
#include <QVariant>

// The application information service: process-wide values by numeric
// identifier (KvAppInfoId.h), published at start-up and read by every
// library. Thread-safe. The object lives until the process ends, so it can
// still be read while other services shut down.
class IKvAppInfo
{
public:
    static IKvAppInfo *getInstance();

    virtual ~IKvAppInfo() = default;

    // Invalid when nothing is stored under `id`.
    virtual QVariant getValue(int id) const = 0;
    // An invalid value removes the entry.
    virtual void setValue(int id, const QVariant &value) = 0;
    virtual bool contains(int id) const = 0;

    QString getString(int id) const { return getValue(id).toString(); }
};
