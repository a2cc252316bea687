#include "FEffectInstallerCommunicatorHelper.h"

#include "IKvAppInfo.h"
#include "IKvBaseLog.h"
#include "KvAppInfoId.h"

#include <QCoreApplication>
#include <QDir>
#include <QMutex>

namespace {
FEffectInstallerCommunicatorHelper *g_helper = nullptr;
}

FEffectInstallerCommunicatorHelper *FEffectInstallerCommunicatorHelper::instance()
{
    // Start-up tasks reach it from workers; it belongs to the GUI thread.
    static QMutex mutex;
    QMutexLocker locker(&mutex);
    if (!g_helper) {
        g_helper = new FEffectInstallerCommunicatorHelper;
        if (QCoreApplication::instance())
            g_helper->moveToThread(QCoreApplication::instance()->thread());
    }
    return g_helper;
}

void FEffectInstallerCommunicatorHelper::Release()
{
    delete g_helper;
    g_helper = nullptr;
}

int FEffectInstallerCommunicatorHelper::removeMarkedPackages()
{
    KV_LOG_INFO("effect packs marked for removal: none");
    return 0;
}

void FEffectInstallerCommunicatorHelper::start()
{
    KV_LOG_INFO("effect store link: store helper not started until the user opens the store");
}

QStringList FEffectInstallerCommunicatorHelper::loadInstalledEffectPack()
{
    const QString root = IKvAppInfo::getInstance()->getString(KvAppInfoId::DefaultEffectsDir);
    QStringList packs;
    if (!root.isEmpty()) {
        for (const QFileInfo &info : QDir(root).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot))
            packs << info.filePath();
    }
    KV_LOG_INFO("installed effect packs: %d", int(packs.size()));
    return packs;
}
