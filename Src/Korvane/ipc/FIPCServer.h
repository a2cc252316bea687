#pragma once

#include <QObject>

// The server the web helper processes talk to. The web helper comes with
// its own work; until then the server only records that it was started.
class FIPCServer : public QObject
{
    Q_OBJECT

public:
    static FIPCServer *instance();
    static void release();

    bool start();
    bool isStarted() const { return m_started; }

private:
    FIPCServer() = default;
    bool m_started = false;
};
