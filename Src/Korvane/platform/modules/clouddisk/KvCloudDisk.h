#pragma once

#include <QMutex>
#include <QObject>
#include <QString>

// The cloud storage service. The maker's storage back end is not reachable
// from this platform: the service keeps its configuration and reports that
// no storage is available.
class KvCloudDisk : public QObject
{
    Q_OBJECT

public:
    void configure(int productId, const QString &clientId, const QString &clientKey, const QString &logFile);
    bool isConfigured() const;
    bool isAvailable() const { return false; }
    QString logFile() const;

private:
    mutable QMutex m_mutex;
    bool m_configured = false;
    QString m_logFile;
};

KvCloudDisk *getCloudDisk();
