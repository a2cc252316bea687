#include "FNativeEngineInfoHelper.h"

#include "IKvBaseLog.h"
#include "KvCommunicatorCommands.h"
#include "KvCommunicatorMsg.h"
#include "KvLazySingleton.h"

#include <QCoreApplication>
#include <QMutex>
#include <QTimer>

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

void FNativeEngineInfoHelper::relayCommunicatorText(const QString &text)
{
    if (!text.contains(KvCommand::ClouddiskShareinfo))
        return;
    for (const KvCommunicatorMsg &msg : KvCommunicatorMsg::buildListFromString(text)) {
        if (!msg.contains(KvCommand::ClouddiskShareinfo))
            continue;
        const QString argument = msg.firstContent();
        if (argument.isEmpty()) {
            KV_LOG_INFO("share request without its argument ignored");
            continue;
        }
        emit sigCloudDiskShare(argument);
    }
}

void FNativeEngineInfoHelper::relayLaunchShare(const QString &shareEntry)
{
    if (shareEntry.isEmpty())
        return;
    // Timed on the application object: this helper may belong to the
    // start-up worker thread that first asked for it.
    QTimer::singleShot(0, QCoreApplication::instance(), [this, shareEntry] { emit sigCloudDiskShare(shareEntry); });
}
