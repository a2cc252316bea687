#include "KvAppTemporary.h"

#include <QMutex>
#include <QMutexLocker>

namespace {

struct Values
{
    QMutex mutex;
    QString userCurrentProjectDir;
};

Values &values()
{
    static Values s_values;
    return s_values;
}

} // namespace

QString KvAppTemporary::GetUserCurrentProjectDir()
{
    QMutexLocker lock(&values().mutex);
    return values().userCurrentProjectDir;
}

void KvAppTemporary::SetUserCurrentProjectDir(const QString &folder)
{
    QMutexLocker lock(&values().mutex);
    values().userCurrentProjectDir = folder;
}
