#pragma once

#include "KvCommunicatorProtocol.h"
#include "KvLazySingleton.h"

#include <QObject>
#include <QSet>
#include <QStringList>

#include <map>
#include <memory>

class KvCommunicatorChannel;
class KvCommunicatorMsg;
class QLocalServer;
class QProcess;

// The process's end of the communicator: it listens on a named channel for
// other processes (a second instance of the editor, helpers) and starts and
// messages helper processes. Everything happens on the GUI thread and nothing
// waits for a peer; a misbehaving connection is dropped with a log line and
// the others go on.
//
// Channel names map to sockets in the user's private runtime directory
// (KvPaths::runtimeDir() + "/" + name), created owner-only. Listen() removes
// whatever is left at that path first, so a successful listen is no lock:
// the caller makes sure only one process listens on a name.
//
// Connections are capped (kMaxConnections); one past the cap waits, unread
// and with its bytes kept by the system, until a place is free. A connection
// that has not completed a message within the stall time-out of being taken
// is dropped, so idle connections cannot hold the places for good.
//
// Every received text is logged once ("received: <commands>") and emitted by
// sigReceveMsgFrom; texts that are not well-formed messages are dropped with
// an error line. A text carrying GACMD_TRACK_PUBLIC also emits sigTrackPublic.
class KvCommunicatorServer : public QObject
{
    Q_OBJECT

public:
    // GUI thread only. Released at its own step of shutdown, after the other
    // lazy singletons, so that a second instance still reaches this process
    // until then.
    static constexpr KvSingletonRelease kSingletonRelease = KvSingletonRelease::OwnStep;
    static KvCommunicatorServer *GetInstance();
    // Stops listening, stops the helpers started to be stopped with it
    // (SIGTERM, SIGKILL after half a second), and destroys the instance;
    // GetInstance() afterwards makes a new one. Not from inside one of the
    // server's own signals.
    static void Release();

    // The socket path that `name` maps to; empty for a name that is empty or
    // holds a '/'.
    static QString socketPathForName(const QString &name);

    bool Listen(const QString &name);
    bool isListening() const;
    QString serverPath() const;
    // Stops listening and removes the socket; connections already made stay.
    void close();

    // Starts the executable at `path` with `contents` as its arguments.
    // connectBack: the helper is given this server's socket and a token in
    //   its environment (KV_COMMUNICATOR_SOCKET, KV_COMMUNICATOR_TOKEN), so
    //   that it can connect back; without a Listen() before, the server
    //   listens on a private name of this process for it.
    // stopWithServer: Release() stops the helper; otherwise it outlives the
    //   server.
    // False, with a log line, when the file is not executable or a helper
    // from that path already runs. Start failures after that are logged.
    bool StartProcess(const QString &path, const QStringList &contents, bool connectBack, bool stopWithServer);
    // True from StartProcess until that helper has ended.
    bool IsProcessStarted(const QString &path) const;
    qint64 processId(const QString &path) const;

    // Sends to the helper started from `path`, or to every running helper
    // when `path` is empty. Messages sent before the helper has connected
    // back wait for it (a bounded number). Returns how many helpers the
    // message went to or waits for, or a negative KvCommunicator::SendResult
    // when it went nowhere (logged; a helper that is not running is no
    // error, the message is simply dropped).
    int SendMsgToProcess(const QString &command, const QStringList &contents, const QString &path);
    // Sends to every connected process that is not a helper of this server
    // (for example the editor, when this is a helper's own server). Returns
    // how many got it.
    int sendMsgToClients(const QString &command, const QStringList &contents);

    // For connections made from now on and those already open; also the
    // first-message deadline of a new connection.
    void setStallTimeout(int ms);

    // Same-user peers only, but a runaway one must not exhaust descriptors.
    static constexpr int kMaxConnections = 64;
    int connectionCount() const { return m_channels.size(); }

signals:
    void sigReceveMsgFrom(const QString &text);
    void sigTrackPublic();

private:
    struct Helper;

    KvCommunicatorServer();
    ~KvCommunicatorServer() override;
    friend class KvLazySingleton<KvCommunicatorServer>;

    bool listenOnPath(const QString &path);
    void acceptConnections();
    void onText(KvCommunicatorChannel *channel, const QString &text);
    void handleHello(KvCommunicatorChannel *channel, const QString &token);
    void onChannelClosed(KvCommunicatorChannel *channel);
    Helper *findHelper(const QString &path) const;
    void onProcessEnded(const QString &key, QProcess *process, const QString &why);
    KvCommunicator::SendResult sendToHelper(Helper *helper, const QByteArray &frame);
    void stopHelpers();

    QLocalServer *m_server = nullptr;
    QSet<KvCommunicatorChannel *> m_channels;
    std::map<QString, std::unique_ptr<Helper>> m_helpers; // by absolute path
    int m_stallTimeoutMs = KvCommunicator::kDefaultStallTimeoutMs;
    int m_connectionCount = 0;
    bool m_capReported = false;
};
