#pragma once

#include <QObject>

#include <memory>

class FIPCEventParser;
class FIPCServerEventHandler;
class IKvIPCTask;
class KvIPCUITaskArguments;

// The editor's end of the web helper ("Tavrin.exe"): configures the IPC
// server with the helper, starts it under "TC_Korvane", keeps the helper told
// of the skin and the network proxy, and creates the page tasks. One per
// process, created on first use from any thread; everything else on the GUI
// thread.
class FIPCServer : public QObject
{
    Q_OBJECT

public:
    static FIPCServer *instance();
    static void release();

    bool start();
    bool isStarted() const { return m_started; }

    // A page task (kind 1) or null: another kind, not started, or a helper
    // that cannot be started.
    IKvIPCTask *createTask(int kind, const KvIPCUITaskArguments &arguments);

    // The current skin and proxy, to the helper.
    void sendSkin();
    void sendProxy();

private:
    FIPCServer();
    ~FIPCServer() override;

    FIPCServerEventHandler *m_handler;
    std::unique_ptr<FIPCEventParser> m_parser;
    bool m_started = false;
};
