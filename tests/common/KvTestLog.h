#pragma once

#include "IKvBaseLog.h"

#include <QStringList>

#include <mutex>

// Collects the lines logged while it lives, errors apart from the rest.
class KvTestLog
{
public:
    KvTestLog()
    {
        GetGlobalLogInstance()->setObserver([this](IKvBaseLog::Level level, const std::string &message) {
            std::lock_guard<std::mutex> lock(m_mutex);
            (level == IKvBaseLog::Level::Error ? m_errors : m_others) << QString::fromStdString(message);
        });
    }
    ~KvTestLog() { GetGlobalLogInstance()->setObserver({}); }

    QStringList errors() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_errors;
    }
    QStringList lines() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_others + m_errors;
    }
    bool hasError(const QString &part) const
    {
        for (const QString &line : errors()) {
            if (line.contains(part))
                return true;
        }
        return false;
    }
    int count(const QString &part) const
    {
        int n = 0;
        for (const QString &line : lines())
            n += line.contains(part) ? 1 : 0;
        return n;
    }

private:
    mutable std::mutex m_mutex;
    QStringList m_errors;
    QStringList m_others;
};
