#include "KvIPCServer.h"

#include "IKvBaseLog.h"
#include "IKvIPCEventParser.h"
#include "KvCommunicatorChannel.h"
#include "KvCommunicatorMsg.h"
#include "KvCommunicatorServer.h"
#include "KvIPCProtocol.h"
#include "KvIPCServerTask.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QRandomGenerator>

namespace {

constexpr int kStopGraceMs = 500;

KvIPCServer *g_server = nullptr;

QString newToken()
{
    QString token;
    for (int i = 0; i < 4; ++i)
        token += QStringLiteral("%1").arg(QRandomGenerator::system()->generate(), 8, 16, QLatin1Char('0'));
    return token;
}

QByteArray eventFrame(quint32 task, const KvIPCEvent &event)
{
    QByteArray frame;
    KvCommunicatorMsg::frameFor(QLatin1String(KvIPC::kCmdEvent),
                                {QString::number(task), QString::number(event.number()),
                                 QString::fromUtf8(QJsonDocument(event.params()).toJson(QJsonDocument::Compact))},
                                &frame);
    return frame;
}

} // namespace

KvIPCServer *getServer()
{
    if (!g_server)
        g_server = new KvIPCServer;
    return g_server;
}

void releaseServer()
{
    delete g_server;
    g_server = nullptr;
}

KvIPCServer::KvIPCServer() = default;

KvIPCServer::~KvIPCServer()
{
    stop();
}

void KvIPCServer::configure(const KvIPCProcessArguments &arguments)
{
    m_arguments = arguments;
    KV_LOG_INFO("web helper: %s", KV_CSTR(arguments.executablePath()));
}

bool KvIPCServer::start(const QString &name)
{
    const QString path = KvCommunicatorServer::socketPathForName(name);
    if (path.isEmpty()) {
        KV_LOG_ERROR("web helper server cannot use the name \"%s\"", KV_CSTR(name));
        return false;
    }
    const QFileInfo helper(m_arguments.executablePath());
    if (!helper.isFile() || !helper.isExecutable()) {
        // Not an error of this run yet: only the pages it would show are missing.
        KV_LOG_INFO("web helper %s is not there; web pages are unavailable", KV_CSTR(helper.filePath()));
        m_helperBroken = true;
        return false;
    }
    if (m_server && m_server->fullServerName() == path)
        return true;
    delete m_server;
    QLocalServer::removeServer(path);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(path)) {
        KV_LOG_ERROR("web helper server cannot listen on %s: %s", KV_CSTR(path), KV_CSTR(m_server->errorString()));
        delete m_server;
        m_server = nullptr;
        return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, &KvIPCServer::acceptConnections);
    KV_LOG_INFO("web helper server listening on %s", KV_CSTR(path));
    return true;
}

bool KvIPCServer::isStarted() const
{
    return m_server && m_server->isListening();
}

void KvIPCServer::enable(int enabled)
{
    m_enabled = enabled != 0 && isStarted();
    sendEvent(KvIPCEvent(KvIPC::EventEnable, {{QStringLiteral("enabled"), m_enabled ? 1 : 0}}));
}

bool KvIPCServer::isHelperRunning() const
{
    return m_process && m_process->state() != QProcess::NotRunning;
}

qint64 KvIPCServer::helperProcessId() const
{
    return isHelperRunning() ? m_process->processId() : 0;
}

bool KvIPCServer::startHelper()
{
    if (isHelperRunning())
        return true;
    if (m_helperBroken)
        return false;
    const QString path = m_arguments.executablePath();
    auto *process = new QProcess(this);
    process->setProgram(path);
    process->setArguments(m_arguments.arguments());
    process->setWorkingDirectory(QFileInfo(path).absolutePath());
    m_token = newToken();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(KvIPC::kEnvSocket), m_server->fullServerName());
    environment.insert(QLatin1String(KvIPC::kEnvToken), m_token);
    process->setProcessEnvironment(environment);
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            [this, process](int code, QProcess::ExitStatus status) {
                onHelperEnded(process, status == QProcess::CrashExit ? QStringLiteral("crashed")
                                                                      : QStringLiteral("exit code %1").arg(code));
            });
    connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            m_helperBroken = true;
            onHelperEnded(process, QStringLiteral("failed to start: %1").arg(process->errorString()));
        }
    });
    m_process = process;
    // A new helper first learns what the editor has told the helpers so far.
    m_pending = m_state.values();
    process->start();
    if (m_process != process)
        return false;
    KV_LOG_INFO("started web helper %s (pid %lld)", KV_CSTR(path), process->processId());
    return true;
}

void KvIPCServer::onHelperEnded(QProcess *process, const QString &why)
{
    if (process != m_process)
        return;
    KV_LOG_INFO("web helper ended: %s", KV_CSTR(why));
    m_process = nullptr;
    process->deleteLater();
    if (!m_pending.isEmpty())
        KV_LOG_ERROR("%d messages to the web helper dropped: it ended before connecting", int(m_pending.size()));
    m_pending.clear();
    if (m_helperChannel)
        m_helperChannel->drop(QStringLiteral("the web helper ended"));
    m_helperChannel = nullptr;
    // Its pages are gone with it.
    const auto tasks = m_tasks;
    for (const QPointer<KvIPCServerTask> &task : tasks) {
        if (task)
            task->deliver(KvIPCEventPtr::create(KvIPC::EventTaskClosed));
    }
    emit sigHelperEnded();
}

void KvIPCServer::acceptConnections()
{
    while (m_server && m_server->hasPendingConnections()) {
        QLocalSocket *socket = m_server->nextPendingConnection();
        auto *channel = new KvCommunicatorChannel(socket, QStringLiteral("web helper"), this);
        channel->requireFirstFrame();
        connect(channel, &KvCommunicatorChannel::sigText, this,
                [this, channel](const QString &text) { onText(channel, text); });
        connect(channel, &KvCommunicatorChannel::sigClosed, this, [this, channel] {
            if (m_helperChannel == channel)
                m_helperChannel = nullptr;
            channel->deleteLater();
        });
    }
}

void KvIPCServer::onText(KvCommunicatorChannel *channel, const QString &text)
{
    QList<KvCommunicatorMsg> messages;
    QString error;
    if (!KvCommunicatorMsg::parse(text, &messages, &error)) {
        channel->drop(QStringLiteral("malformed text: %1").arg(error));
        return;
    }
    for (const KvCommunicatorMsg &message : qAsConst(messages)) {
        if (channel != m_helperChannel) {
            if (!message.contains(QLatin1String(KvIPC::kCmdHello)) || m_token.isEmpty()
                || message.firstContent() != m_token) {
                channel->drop(QStringLiteral("no hello of the web helper started here"));
                return;
            }
            if (m_helperChannel)
                m_helperChannel->drop(QStringLiteral("replaced by a new connection of the web helper"));
            m_helperChannel = channel;
            const QList<QByteArray> pending = m_pending;
            m_pending.clear();
            for (const QByteArray &frame : pending)
                channel->sendFrame(frame);
            KV_LOG_INFO("web helper connected; %d waiting messages sent", int(pending.size()));
            continue;
        }
        if (!message.contains(QLatin1String(KvIPC::kCmdEvent)))
            continue;
        const QStringList contents = message.contents();
        bool taskOk = false;
        bool numberOk = false;
        const quint32 taskId = contents.value(0).toUInt(&taskOk);
        const uint number = contents.value(1).toUInt(&numberOk);
        const QJsonObject params = QJsonDocument::fromJson(contents.value(2).toUtf8()).object();
        if (!taskOk || !numberOk || number == 0 || number > 0xFFFF) {
            KV_LOG_ERROR("web helper sent an event that cannot be read: %s", KV_CSTR(contents.join(QLatin1Char(' '))));
            continue;
        }
        const KvIPCEventPtr event = makeEvent(quint16(number), params);
        if (taskId == 0) {
            emit sigEvent(event);
            continue;
        }
        const QPointer<KvIPCServerTask> task = m_tasks.value(taskId);
        if (task)
            task->deliver(event);
    }
}

KvIPCEventPtr KvIPCServer::makeEvent(quint16 number, const QJsonObject &params) const
{
    KvIPCEvent *event = nullptr;
    if (number >= KvIPC::kFirstUserEvent && m_parser)
        event = m_parser->createEvent(number);
    if (!event)
        event = new KvIPCEvent(number);
    event->setParams(params);
    return KvIPCEventPtr(event);
}

IKvIPCTask *KvIPCServer::createTask(int kind, const KvIPCUITaskArguments &arguments)
{
    if (kind != KvIPC::kTaskKindUi) {
        KV_LOG_ERROR("no web helper task of kind %d", kind);
        return nullptr;
    }
    if (!m_enabled || !isStarted() || !startHelper())
        return nullptr;
    const quint32 id = m_nextTask++;
    auto *task = new KvIPCServerTask(this, id, kind);
    m_tasks.insert(id, task);
    const QSize size = arguments.size();
    task->sendEvent(KvIPCEvent(KvIPC::EventTaskCreate, {{QStringLiteral("kind"), kind},
                                                         {QStringLiteral("width"), size.width()},
                                                         {QStringLiteral("height"), size.height()},
                                                         {QStringLiteral("url"), arguments.startUrl()}}));
    KV_LOG_INFO("web helper task %u: %dx%d %s", id, size.width(), size.height(), KV_CSTR(arguments.startUrl()));
    return task;
}

bool KvIPCServer::sendEvent(const KvIPCEvent &event)
{
    return sendTo(0, event);
}

bool KvIPCServer::sendTo(quint32 task, const KvIPCEvent &event)
{
    const QByteArray frame = eventFrame(task, event);
    if (task == 0)
        m_state.insert(event.number(), frame);
    if (m_helperChannel && m_helperChannel->isConnected())
        return m_helperChannel->sendFrame(frame) == KvCommunicator::SendOk;
    if (!isHelperRunning())
        return false; // a helper started later is told the state anew
    if (m_pending.size() >= KvIPC::kMaxPendingMessages) {
        KV_LOG_ERROR("event %d to the web helper dropped: it has not connected", int(event.number()));
        return false;
    }
    m_pending.append(frame);
    return true;
}

void KvIPCServer::forgetTask(quint32 id)
{
    m_tasks.remove(id);
}

void KvIPCServer::stop()
{
    for (const QPointer<KvIPCServerTask> &task : qAsConst(m_tasks)) {
        if (task)
            task->deleteLater();
    }
    m_tasks.clear();
    m_pending.clear();
    if (m_process) {
        QProcess *process = m_process;
        m_process = nullptr;
        disconnect(process, nullptr, this, nullptr);
        if (process->state() != QProcess::NotRunning) {
            process->terminate();
            if (!process->waitForFinished(kStopGraceMs)) {
                KV_LOG_ERROR("web helper did not stop in time; killing it");
                process->kill();
                process->waitForFinished(1000);
            }
        }
        delete process;
    }
    if (m_helperChannel)
        delete m_helperChannel.data();
    if (m_server) {
        m_server->close();
        delete m_server;
        m_server = nullptr;
    }
    m_enabled = false;
}
