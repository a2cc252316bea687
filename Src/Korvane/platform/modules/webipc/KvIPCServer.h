#pragma once

#include "IKvIPCTask.h"
#include "KvIPCProcessArguments.h"
#include "KvIPCUITaskArguments.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>

class IKvIPCEventParser;
class KvCommunicatorChannel;
class KvIPCServerTask;
class QLocalServer;
class QProcess;

// The editor's end of the web helper link (wire form in KvIPCProtocol.h).
// configure() names the helper, start() opens the server's channel under a
// name and checks that the helper can be started, enable(1) lets tasks be
// created. The helper process itself is started with the first task, so an
// editor whose user never opens a web page does not pay for it; it is
// stopped by stop() or when the server is released.
//
// A helper that cannot be started (no executable, or the start fails) leaves
// the server unable to create tasks for the rest of the run: createTask()
// returns null. A helper that dies is started again by the next task.
// GUI thread only.
class KvIPCServer : public QObject
{
    Q_OBJECT

public:
    ~KvIPCServer() override;

    void configure(const KvIPCProcessArguments &arguments);
    KvIPCProcessArguments processArguments() const { return m_arguments; }
    // False, with a log line, when the channel cannot be opened or the
    // helper is not there.
    bool start(const QString &name);
    bool isStarted() const;
    // 1 enables, 0 disables; told to the helper too.
    void enable(int enabled);
    bool isEnabled() const { return m_enabled; }
    // Not owned; must outlive the server or be unregistered with null.
    void registerEventParser(IKvIPCEventParser *parser) { m_parser = parser; }

    // A task of kind 1 (a page); null for another kind, before start and
    // enable, or when the helper cannot be started.
    IKvIPCTask *createTask(int kind, const KvIPCUITaskArguments &arguments);
    // An event for the helper as a whole (task 0), kept as the helper's state:
    // a helper started later gets the latest of each number first. False
    // when it went nowhere now.
    bool sendEvent(const KvIPCEvent &event);

    bool isHelperRunning() const;
    qint64 helperProcessId() const;
    // Stops the helper (SIGTERM, then SIGKILL after half a second) and the channel.
    void stop();

    // For tests and the helper side: an event object for a number, through
    // the registered parser for the application's numbers.
    KvIPCEventPtr makeEvent(quint16 number, const QJsonObject &params) const;

signals:
    // Events of the helper as a whole (task 0).
    void sigEvent(const KvIPCEventPtr &event);
    void sigHelperEnded();

private:
    friend class KvIPCServerTask;
    friend KvIPCServer *getServer();
    friend void releaseServer();
    KvIPCServer();

    bool startHelper();
    void acceptConnections();
    void onText(KvCommunicatorChannel *channel, const QString &text);
    void onHelperEnded(QProcess *process, const QString &why);
    bool sendTo(quint32 task, const KvIPCEvent &event);
    void forgetTask(quint32 id);

    KvIPCProcessArguments m_arguments;
    QLocalServer *m_server = nullptr;
    QProcess *m_process = nullptr;
    QString m_token;
    QPointer<KvCommunicatorChannel> m_helperChannel;
    QList<QByteArray> m_pending;
    // The latest event of each number for the helper as a whole.
    QMap<quint16, QByteArray> m_state;
    IKvIPCEventParser *m_parser = nullptr;
    QMap<quint32, QPointer<KvIPCServerTask>> m_tasks;
    quint32 m_nextTask = 1;
    bool m_enabled = false;
    bool m_helperBroken = false;
};

// The process's IPC server, created on first use.
KvIPCServer *getServer();
// Stops and destroys it; getServer() afterwards makes a new one.
void releaseServer();
