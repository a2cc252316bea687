#include "FEffectInstallerCommunicatorHelper.h"

#include "IKvAppInfo.h"
#include "IKvBaseLog.h"
#include "KvAppInfoId.h"

#include <QDir>

FEffectInstallerCommunicatorHelper *FEffectInstallerCommunicatorHelper::instance()
{
    static FEffectInstallerCommunicatorHelper *helper = new FEffectInstallerCommunicatorHelper;
    return helper;
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
