#include "IKvUploadManager.h"

#include "IKvBaseLog.h"

namespace {
IKvUploadManager *g_manager = nullptr;
}

IKvUploadManager *IKvUploadManager::getInstance()
{
    if (!g_manager)
        g_manager = new IKvUploadManager;
    return g_manager;
}

void IKvUploadManager::releaseInstance()
{
    delete g_manager;
    g_manager = nullptr;
}

IKvUploadManager::IKvUploadManager()
{
    KV_LOG_TRACE("upload manager created");
}
