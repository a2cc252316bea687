#include "FIPCServerEventHandler.h"

#include "FIPCServer.h"

FIPCServerEventHandler::FIPCServerEventHandler(FIPCServer *server)
    : QObject(server)
    , m_server(server)
{
}

void FIPCServerEventHandler::onSkinChanged()
{
    m_server->sendSkin();
}
