#include "KvCommunicatorServer.h"

#include "IKvBaseLog.h"
#include "KvCommunicatorChannel.h"
#include "KvCommunicatorCommands.h"
#include "KvCommunicatorMsg.h"
#include "KvPaths.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QProcess>
#include <QRandomGenerator>

namespace {

// How long Release() gives helpers to end after SIGTERM before SIGKILL.
constexpr int kStopGraceMs = 500;

QString helperKey(const QString &path)
{
    if (path.isEmpty())
        return QString();
    return QDir::cleanPath(QFileInfo(QDir::fromNativeSeparators(path)).absoluteFilePath());
}

QString newToken()
{
    QString token;
    for (int i = 0; i < 4; ++i)
        token += QStringLiteral("%1").arg(QRandomGenerator::system()->generate(), 8, 16, QLatin1Char('0'));
    return token;
}

// Helpers that outlive their server. The objects stay reachable until their
// process ends, so that it is still reaped and never killed by ~QProcess;
// for the same reason the list is never destroyed, not even at exit.
struct OrphanHelpers
{
    static constexpr KvSingletonRelease kSingletonRelease = KvSingletonRelease::ProcessLifetime;
    QList<QProcess *> processes;
};

void keepRunningWithoutServer(QProcess *process)
{
    OrphanHelpers *orphans = KvLazySingleton<OrphanHelpers>::instance();
    process->setParent(nullptr);
    orphans->processes.append(process);
    QObject::connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), process,
                     [orphans, process] {
                         orphans->processes.removeOne(process);
                         process->deleteLater();
                     });
}

} // namespace

struct KvCommunicatorServer::Helper
{
    QString path;
    QProcess *process = nullptr;
    QString token;
    bool connectBack = false;
    bool stopWithServer = false;
    QPointer<KvCommunicatorChannel> channel;
    // Frames waiting for the helper's hello.
    QList<QByteArray> pending;
    qint64 pendingBytes = 0;
};

KvCommunicatorServer *KvCommunicatorServer::GetInstance()
{
    return KvLazySingleton<KvCommunicatorServer>::instance();
}

void KvCommunicatorServer::Release()
{
    KvLazySingleton<KvCommunicatorServer>::release();
}

KvCommunicatorServer::KvCommunicatorServer() = default;

KvCommunicatorServer::~KvCommunicatorServer()
{
    // What was sent last (an exit request at shutdown) reaches the kernel
    // now; there is no event loop to come that would write it.
    for (KvCommunicatorChannel *channel : qAsConst(m_channels)) {
        if (channel->isConnected())
            channel->socket()->flush();
    }
    stopHelpers();
    close();
}

QString KvCommunicatorServer::socketPathForName(const QString &name)
{
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name == QLatin1String(".") || name == QLatin1String(".."))
        return QString();
    const QString dir = KvPaths::runtimeDir();
    if (dir.isEmpty())
        return QString();
    return dir + QLatin1Char('/') + name;
}

bool KvCommunicatorServer::Listen(const QString &name)
{
    const QString path = socketPathForName(name);
    if (path.isEmpty()) {
        KV_LOG_ERROR("cannot listen on \"%s\": not a usable channel name", KV_CSTR(name));
        return false;
    }
    return listenOnPath(path);
}

bool KvCommunicatorServer::listenOnPath(const QString &path)
{
    if (isListening() && serverPath() == path)
        return true;
    close();
    // Whatever is left there belongs to a process that is gone (the caller's
    // single-instance lock says so); a live socket would make listen() fail.
    QLocalServer::removeServer(path);
    auto *server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(path)) {
        KV_LOG_ERROR("cannot listen on %s: %s", KV_CSTR(path), KV_CSTR(server->errorString()));
        delete server;
        return false;
    }
    m_server = server;
    connect(m_server, &QLocalServer::newConnection, this, &KvCommunicatorServer::acceptConnections);
    KV_LOG_INFO("listening on %s", KV_CSTR(path));
    return true;
}

bool KvCommunicatorServer::isListening() const
{
    return m_server && m_server->isListening();
}

QString KvCommunicatorServer::serverPath() const
{
    return isListening() ? m_server->fullServerName() : QString();
}

void KvCommunicatorServer::close()
{
    if (!m_server)
        return;
    KV_LOG_INFO("no longer listening on %s", KV_CSTR(m_server->fullServerName()));
    m_server->close(); // removes the socket file
    delete m_server;
    m_server = nullptr;
}

void KvCommunicatorServer::setStallTimeout(int ms)
{
    m_stallTimeoutMs = ms;
    for (KvCommunicatorChannel *channel : qAsConst(m_channels))
        channel->setStallTimeout(ms);
}

void KvCommunicatorServer::acceptConnections()
{
    if (!m_server)
        return;
    // Past the cap a connection is left waiting rather than refused: what
    // its peer has written stays with the system until a place is free (a
    // closed or timed-out connection frees one), so nothing is lost.
    while (m_server->hasPendingConnections()) {
        if (m_channels.size() >= kMaxConnections) {
            if (!m_capReported)
                KV_LOG_ERROR("%d connections are open; new ones wait for a free place", int(m_channels.size()));
            m_capReported = true;
            return;
        }
        QLocalSocket *socket = m_server->nextPendingConnection();
        if (!socket)
            return;
        auto *channel = new KvCommunicatorChannel(socket, QStringLiteral("peer #%1").arg(++m_connectionCount), this);
        channel->setStallTimeout(m_stallTimeoutMs);
        channel->requireFirstFrame();
        m_channels.insert(channel);
        connect(channel, &KvCommunicatorChannel::sigText, this,
                [this, channel](const QString &text) { onText(channel, text); });
        connect(channel, &KvCommunicatorChannel::sigClosed, this, [this, channel] { onChannelClosed(channel); });
        KV_LOG_TRACE("%s connected", KV_CSTR(channel->peerName()));
    }
}

void KvCommunicatorServer::onText(KvCommunicatorChannel *channel, const QString &text)
{
    QList<KvCommunicatorMsg> messages;
    QString error;
    if (!KvCommunicatorMsg::parse(text, &messages, &error)) {
        KV_LOG_ERROR("dropped a malformed text from %s: %s", KV_CSTR(channel->peerName()), KV_CSTR(error));
        return;
    }
    if (messages.isEmpty()) {
        KV_LOG_ERROR("dropped a text without messages from %s", KV_CSTR(channel->peerName()));
        return;
    }
    if (messages.size() == 1 && messages.first().contains(QLatin1String(KvCommunicator::kCmdHello))) {
        handleHello(channel, messages.first().firstContent());
        return;
    }
    QStringList names;
    bool trackPublic = false;
    for (const KvCommunicatorMsg &message : qAsConst(messages)) {
        names << message.command();
        trackPublic = trackPublic || message.contains(KvCommand::TrackPublic);
    }
    KV_LOG_INFO("received: %s", KV_CSTR(names.join(QStringLiteral(", "))));
    // Told from the event loop, not from inside the socket's readyRead: a
    // receiver may open a project and turn a nested loop, in which this very
    // connection can close and be deleted under the socket's own signal.
    // Queued calls keep the order the texts came in.
    QMetaObject::invokeMethod(
        this,
        [this, text, trackPublic] {
            emit sigReceveMsgFrom(text);
            if (trackPublic)
                emit sigTrackPublic();
        },
        Qt::QueuedConnection);
}

void KvCommunicatorServer::handleHello(KvCommunicatorChannel *channel, const QString &token)
{
    Helper *helper = nullptr;
    for (const auto &entry : m_helpers) {
        if (!token.isEmpty() && entry.second->token == token)
            helper = entry.second.get();
    }
    if (!helper) {
        channel->drop(QStringLiteral("hello with a token of no helper started here"));
        return;
    }
    if (helper->channel == channel)
        return;
    if (helper->channel) {
        KvCommunicatorChannel *old = helper->channel;
        helper->channel = nullptr;
        old->drop(QStringLiteral("replaced by a new connection of the same helper"));
    }
    helper->channel = channel;
    channel->setPeerName(
        QStringLiteral("%1 (pid %2)").arg(QFileInfo(helper->path).fileName()).arg(helper->process->processId()));
    const QList<QByteArray> pending = helper->pending;
    helper->pending.clear();
    helper->pendingBytes = 0;
    for (const QByteArray &frame : pending)
        channel->sendFrame(frame);
    KV_LOG_INFO("helper %s connected back; %d waiting messages sent", KV_CSTR(helper->path), int(pending.size()));
}

void KvCommunicatorServer::onChannelClosed(KvCommunicatorChannel *channel)
{
    m_channels.remove(channel);
    for (const auto &entry : m_helpers) {
        if (entry.second->channel == channel) {
            entry.second->channel = nullptr;
            KV_LOG_INFO("helper %s disconnected", KV_CSTR(entry.first));
        }
    }
    KV_LOG_TRACE("%s closed", KV_CSTR(channel->peerName()));
    channel->deleteLater();
    if (m_channels.size() < kMaxConnections && m_capReported) {
        m_capReported = false;
        KV_LOG_INFO("below %d connections again", kMaxConnections);
    }
    acceptConnections();
}

KvCommunicatorServer::Helper *KvCommunicatorServer::findHelper(const QString &path) const
{
    const auto it = m_helpers.find(helperKey(path));
    return it == m_helpers.end() ? nullptr : it->second.get();
}

bool KvCommunicatorServer::StartProcess(const QString &path, const QStringList &contents, bool connectBack,
                                        bool stopWithServer)
{
    const QString key = helperKey(path);
    if (key.isEmpty()) {
        KV_LOG_ERROR("cannot start a helper without a path");
        return false;
    }
    if (IsProcessStarted(key)) {
        KV_LOG_ERROR("cannot start %s: it runs already", KV_CSTR(key));
        return false;
    }
    const QFileInfo info(key);
    if (!info.isFile() || !info.isExecutable()) {
        KV_LOG_ERROR("cannot start %s: no executable file there", KV_CSTR(key));
        return false;
    }
    // A helper needs somewhere to connect back to even when this process
    // has no public channel.
    if (connectBack && !isListening()
        && !Listen(QStringLiteral("KORVANE_COMMUNICATOR_%1").arg(QCoreApplication::applicationPid()))) {
        KV_LOG_ERROR("cannot start %s: no channel for it to connect back to", KV_CSTR(key));
        return false;
    }

    auto helper = std::make_unique<Helper>();
    helper->path = key;
    helper->connectBack = connectBack;
    helper->stopWithServer = stopWithServer;
    auto *process = new QProcess(this);
    helper->process = process;
    process->setProgram(key);
    process->setArguments(contents);
    process->setWorkingDirectory(info.absolutePath());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // Never pass on a channel this process was itself given.
    environment.remove(QLatin1String(KvCommunicator::kEnvSocket));
    environment.remove(QLatin1String(KvCommunicator::kEnvToken));
    if (connectBack) {
        helper->token = newToken();
        environment.insert(QLatin1String(KvCommunicator::kEnvSocket), serverPath());
        environment.insert(QLatin1String(KvCommunicator::kEnvToken), helper->token);
    }
    process->setProcessEnvironment(environment);
    // Its output joins ours rather than filling a pipe nobody reads.
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            [this, key, process](int exitCode, QProcess::ExitStatus status) {
                onProcessEnded(key, process,
                               status == QProcess::CrashExit ? QStringLiteral("crashed")
                                                             : QStringLiteral("exit code %1").arg(exitCode));
            });
    connect(process, &QProcess::errorOccurred, this, [this, key, process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            onProcessEnded(key, process, QStringLiteral("failed to start: %1").arg(process->errorString()));
    });
    m_helpers[key] = std::move(helper);
    process->start();
    if (!m_helpers.count(key))
        return false; // failed at once, logged by onProcessEnded
    KV_LOG_INFO("started %s (pid %lld) with %d contents%s", KV_CSTR(key), process->processId(), int(contents.size()),
                connectBack ? "" : ", no channel back");
    return true;
}

bool KvCommunicatorServer::IsProcessStarted(const QString &path) const
{
    const Helper *helper = findHelper(path);
    return helper && helper->process->state() != QProcess::NotRunning;
}

qint64 KvCommunicatorServer::processId(const QString &path) const
{
    const Helper *helper = findHelper(path);
    return helper ? helper->process->processId() : 0;
}

void KvCommunicatorServer::onProcessEnded(const QString &key, QProcess *process, const QString &why)
{
    const auto it = m_helpers.find(key);
    if (it == m_helpers.end() || it->second->process != process)
        return;
    const std::unique_ptr<Helper> helper = std::move(it->second);
    m_helpers.erase(it);
    KV_LOG_INFO("helper %s ended: %s", KV_CSTR(key), KV_CSTR(why));
    if (!helper->pending.isEmpty())
        KV_LOG_ERROR("%d messages to %s dropped: it ended before connecting back", int(helper->pending.size()),
                     KV_CSTR(key));
    // Its connection, if any, closes by itself now that the process is gone.
    process->deleteLater();
}

int KvCommunicatorServer::SendMsgToProcess(const QString &command, const QStringList &contents, const QString &path)
{
    QByteArray frame;
    const int framed = KvCommunicatorMsg::frameFor(command, contents, &frame);
    if (framed != KvCommunicator::SendOk)
        return framed;

    if (path.isEmpty()) {
        int reached = 0;
        for (const auto &entry : m_helpers) {
            Helper *helper = entry.second.get();
            if (helper->connectBack && helper->process->state() != QProcess::NotRunning
                && sendToHelper(helper, frame) == KvCommunicator::SendOk)
                ++reached;
        }
        KV_LOG_TRACE("%s sent to %d helpers", KV_CSTR(command), reached);
        return reached;
    }

    Helper *helper = findHelper(path);
    if (!helper || helper->process->state() == QProcess::NotRunning) {
        // An everyday outcome (a caddy click without the engine, the
        // recorder asked to exit when it never ran): no error.
        KV_LOG_INFO("%s to %s dropped: the helper is not running", KV_CSTR(command), KV_CSTR(helperKey(path)));
        return KvCommunicator::SendNotConnected;
    }
    if (!helper->connectBack) {
        KV_LOG_ERROR("%s to %s dropped: the helper was started without a channel back", KV_CSTR(command),
                     KV_CSTR(helper->path));
        return KvCommunicator::SendNoChannel;
    }
    const KvCommunicator::SendResult result = sendToHelper(helper, frame);
    if (result != KvCommunicator::SendOk)
        return result;
    KV_LOG_TRACE("%s sent to %s", KV_CSTR(command), KV_CSTR(helper->path));
    return 1;
}

KvCommunicator::SendResult KvCommunicatorServer::sendToHelper(Helper *helper, const QByteArray &frame)
{
    if (helper->channel && helper->channel->isConnected())
        return helper->channel->sendFrame(frame);
    if (helper->pending.size() >= KvCommunicator::kMaxPendingMessages
        || helper->pendingBytes + frame.size() > KvCommunicator::kMaxPendingBytes) {
        KV_LOG_ERROR("message to %s dropped: %d messages already wait for it to connect back",
                     KV_CSTR(helper->path), int(helper->pending.size()));
        return KvCommunicator::SendRefused;
    }
    helper->pending.append(frame);
    helper->pendingBytes += frame.size();
    return KvCommunicator::SendOk;
}

int KvCommunicatorServer::sendMsgToClients(const QString &command, const QStringList &contents)
{
    QByteArray frame;
    const int framed = KvCommunicatorMsg::frameFor(command, contents, &frame);
    if (framed != KvCommunicator::SendOk)
        return framed;
    QSet<KvCommunicatorChannel *> helperChannels;
    for (const auto &entry : m_helpers) {
        if (entry.second->channel)
            helperChannels.insert(entry.second->channel);
    }
    int reached = 0;
    for (KvCommunicatorChannel *channel : qAsConst(m_channels)) {
        if (!helperChannels.contains(channel) && channel->isConnected()
            && channel->sendFrame(frame) == KvCommunicator::SendOk)
            ++reached;
    }
    KV_LOG_TRACE("%s sent to %d clients", KV_CSTR(command), reached);
    return reached;
}

void KvCommunicatorServer::stopHelpers()
{
    QList<QProcess *> stopping;
    for (const auto &entry : m_helpers) {
        Helper *helper = entry.second.get();
        QProcess *process = helper->process;
        disconnect(process, nullptr, this, nullptr);
        // A helper started just before shutdown may not have connected yet;
        // it finds no server and ends by itself.
        if (!helper->pending.isEmpty())
            KV_LOG_INFO("%d messages to %s dropped: the server is released", int(helper->pending.size()),
                        KV_CSTR(helper->path));
        if (process->state() == QProcess::NotRunning) {
            delete process;
        } else if (helper->stopWithServer) {
            KV_LOG_INFO("stopping helper %s", KV_CSTR(helper->path));
            process->terminate();
            stopping << process;
        } else {
            KV_LOG_INFO("helper %s keeps running without the server", KV_CSTR(helper->path));
            keepRunningWithoutServer(process);
        }
    }
    m_helpers.clear();
    // Our own children after SIGTERM: a short, bounded wait at shutdown.
    const QDeadlineTimer deadline(kStopGraceMs);
    for (QProcess *process : qAsConst(stopping)) {
        if (!process->waitForFinished(int(qMax<qint64>(deadline.remainingTime(), 1)))) {
            KV_LOG_ERROR("helper %s did not stop in time; killing it", KV_CSTR(process->program()));
            process->kill();
            process->waitForFinished(1000);
        }
        delete process;
    }
}
