#include "FIPCServer.h"

#include "IKvBaseLog.h"

namespace {
FIPCServer *g_server = nullptr;
}

FIPCServer *FIPCServer::instance()
{
    if (!g_server)
        g_server = new FIPCServer;
    return g_server;
}

void FIPCServer::release()
{
    delete g_server;
    g_server = nullptr;
}

bool FIPCServer::start()
{
    m_started = true;
    KV_LOG_INFO("web helper IPC server started (no web helper on this platform)");
    return true;
}
