#include "FNativeEngineInfoHelper.h"

#include "IKvBaseLog.h"

#include <QMutex>

namespace {
QMutex g_mutex;
QString g_processPath;
} // namespace

FNativeEngineInfoHelper *FNativeEngineInfoHelper::instance()
{
    static FNativeEngineInfoHelper helper;
    return &helper;
}

void FNativeEngineInfoHelper::SetProcessPath(const QString &path)
{
    {
        QMutexLocker locker(&g_mutex);
        g_processPath = path;
    }
    KV_LOG_INFO("native engine path: %s", KV_CSTR(path));
}

QString FNativeEngineInfoHelper::processPath()
{
    QMutexLocker locker(&g_mutex);
    return g_processPath;
}

bool FNativeEngineInfoHelper::engineExists()
{
    return false;
}
