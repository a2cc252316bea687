#pragma once

#include <QMutex>
#include <QString>

// The native client of the maker's push channel. The channel is not
// reachable from this platform: the client logs what it would send and
// keeps count, and nothing ever arrives.
class KvTcNativePush
{
public:
    // Tells the channel which client identity this installation has.
    void reportClientId(const QString &clientId);
    // The account service's answer to a report.
    void handleResponse(int code, int subCode, bool flag);

    int reportCount() const;
    QString lastClientId() const;

private:
    mutable QMutex m_mutex;
    int m_reportCount = 0;
    QString m_lastClientId;
};
