#pragma once

#include <QMutex>
#include <QObject>
#include <QVariantMap>

// The push channel of the maker's message service. The service is not
// reachable from this platform: the proxy keeps its data folder, and nothing
// is ever pushed.
class KvTcPushProxy : public QObject
{
    Q_OBJECT

public:
    static KvTcPushProxy *getInstance();
    static void release();

    void init(const QString &dataDir);
    QString dataDir() const;

signals:
    void sigDataReport(const QVariantMap &data);

private:
    KvTcPushProxy() = default;
    mutable QMutex m_mutex;
    QString m_dataDir;
};
