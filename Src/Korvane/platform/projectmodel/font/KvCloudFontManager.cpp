#include "KvCloudFontManager.h"

#include "IKvBaseLog.h"

KvCloudFontManager *KvCloudFontManager::instance()
{
    static KvCloudFontManager manager;
    return &manager;
}

void KvCloudFontManager::start()
{
    if (m_started.exchange(true))
        return;
    KV_LOG_INFO("cloud fonts: no font service configured");
}
