#pragma once

#include <QMutex>
#include <QString>

// Collects which cloud resources the user acts on, one line per action, in
// a file under the cloud resource folder.
class KvCloudResourceUAC
{
public:
    static KvCloudResourceUAC *instance();

    void init(const QString &filePath);
    void record(const QString &action, const QString &resourceId);
    QString filePath() const;

private:
    mutable QMutex m_mutex;
    QString m_filePath;
};
