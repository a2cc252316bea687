#include "KvCloudResourceUAC.h"

#include "IKvBaseLog.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

KvCloudResourceUAC *KvCloudResourceUAC::instance()
{
    static KvCloudResourceUAC collector;
    return &collector;
}

void KvCloudResourceUAC::init(const QString &filePath)
{
    QMutexLocker locker(&m_mutex);
    m_filePath = filePath;
    KV_LOG_INFO("cloud resource actions go to %s", KV_CSTR(filePath));
}

void KvCloudResourceUAC::record(const QString &action, const QString &resourceId)
{
    QMutexLocker locker(&m_mutex);
    if (m_filePath.isEmpty())
        return;
    QDir().mkpath(QFileInfo(m_filePath).absolutePath());
    QFile file(m_filePath);
    if (!file.open(QIODevice::Append | QIODevice::WriteOnly | QIODevice::Text)) {
        KV_LOG_ERROR("cannot write %s", KV_CSTR(m_filePath));
        return;
    }
    file.write(QStringLiteral("%1\t%2\t%3\n")
                   .arg(QDateTime::currentDateTimeUtc().toString(Qt::ISODate), action, resourceId)
                   .toUtf8());
}

QString KvCloudResourceUAC::filePath() const
{
    QMutexLocker locker(&m_mutex);
    return m_filePath;
}
