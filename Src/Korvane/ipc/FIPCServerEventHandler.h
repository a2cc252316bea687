#pragma once

#include <QObject>

class FIPCServer;

// Keeps the web helper in step with the editor's skin: a palette change is
// passed on to it. (The proxy has no change signal; FIPCServer hands the
// current one over with every page.)
class FIPCServerEventHandler : public QObject
{
    Q_OBJECT

public:
    explicit FIPCServerEventHandler(FIPCServer *server);

    void onSkinChanged();

private:
    FIPCServer *m_server;
};
