#pragma once

#include <QObject>

class FIPCServer;

// Keeps the web helper in step with the editor: skin changes (the skin's
// palette) and network proxy changes are passed on to it.
class FIPCServerEventHandler : public QObject
{
    Q_OBJECT

public:
    explicit FIPCServerEventHandler(FIPCServer *server);

    void onSkinChanged();
    void onProxyChanged();

private:
    FIPCServer *m_server;
};
