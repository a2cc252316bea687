#pragma once

#include "IKvBaseLog.h"

#include <QStringList>

#include <mutex>

// Collects the error lines logged while it lives.
class LogCapture
{
public:
    LogCapture()
    {
        GetGlobalLogInstance()->setObserver([this](IKvBaseLog::Level level, const std::string &message) {
            if (level != IKvBaseLog::Level::Error)
                return;
            std::lock_guard<std::mutex> lock(m_mutex);
            m_errors << QString::fromStdString(message);
        });
    }
    ~LogCapture() { GetGlobalLogInstance()->setObserver({}); }

    QStringList errors() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_errors;
    }
    bool hasError(const QString &part) const
    {
        for (const QString &line : errors()) {
            if (line.contains(part))
                return true;
        }
        return false;
    }

private:
    mutable std::mutex m_mutex;
    QStringList m_errors;
};
