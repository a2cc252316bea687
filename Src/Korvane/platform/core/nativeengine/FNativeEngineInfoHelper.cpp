#include "FNativeEngineInfoHelper.h"

#include "IKvBaseLog.h"
#include "KvLazySingleton.h"

#include <QMutex>

#include <atomic>

namespace {
QMutex g_mutex;
QString g_processPath;
std::atomic<bool> g_engineExists{false};
std::atomic<int> g_activations{0};
} // namespace

FNativeEngineInfoHelper *FNativeEngineInfoHelper::instance()
{
    return KvLazySingleton<FNativeEngineInfoHelper>::instance();
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
    return g_engineExists;
}

void FNativeEngineInfoHelper::ActiveNativeEngine()
{
    ++g_activations;
    KV_LOG_TRACE("native engine window brought along");
}

int FNativeEngineInfoHelper::activationCount()
{
    return g_activations;
}

void FNativeEngineInfoHelper::setEngineExistsForTest(bool exists)
{
    g_engineExists = exists;
}
