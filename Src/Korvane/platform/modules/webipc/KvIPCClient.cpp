#include "KvIPCClient.h"

#include "IKvBaseLog.h"
#include "KvCommunicatorClient.h"
#include "KvCommunicatorMsg.h"
#include "KvIPCProtocol.h"

#include <QJsonDocument>

KvIPCClient::KvIPCClient(QObject *parent)
    : QObject(parent)
    , m_client(new KvCommunicatorClient(this))
{
    connect(m_client, &KvCommunicatorClient::sigRecveMsg, this, &KvIPCClient::onText);
    connect(m_client, &KvCommunicatorClient::sigDisconnected, this, &KvIPCClient::sigLost);
}

bool KvIPCClient::hasServerInEnvironment()
{
    return qEnvironmentVariableIsSet(KvIPC::kEnvSocket) && qEnvironmentVariableIsSet(KvIPC::kEnvToken);
}

bool KvIPCClient::open()
{
    if (!hasServerInEnvironment()) {
        KV_LOG_ERROR("not started by a web helper server (%s is not set)", KvIPC::kEnvSocket);
        return false;
    }
    const QString socket = qEnvironmentVariable(KvIPC::kEnvSocket);
    if (!m_client->connectToSocket(socket)) {
        KV_LOG_ERROR("cannot reach the web helper server at %s", KV_CSTR(socket));
        return false;
    }
    return m_client->SendMsg(QLatin1String(KvIPC::kCmdHello), {qEnvironmentVariable(KvIPC::kEnvToken)}, false) >= 0;
}

bool KvIPCClient::sendEvent(quint32 task, const KvIPCEvent &event)
{
    return m_client->SendMsg(QLatin1String(KvIPC::kCmdEvent),
                             {QString::number(task), QString::number(event.number()),
                              QString::fromUtf8(QJsonDocument(event.params()).toJson(QJsonDocument::Compact))},
                             false)
        >= 0;
}

void KvIPCClient::onText(const QString &text)
{
    for (const KvCommunicatorMsg &message : KvCommunicatorMsg::buildListFromString(text)) {
        if (!message.contains(QLatin1String(KvIPC::kCmdEvent)))
            continue;
        const QStringList contents = message.contents();
        bool taskOk = false;
        bool numberOk = false;
        const quint32 task = contents.value(0).toUInt(&taskOk);
        const uint number = contents.value(1).toUInt(&numberOk);
        if (!taskOk || !numberOk || number == 0 || number > 0xFFFF) {
            KV_LOG_ERROR("unreadable event from the editor: %s", KV_CSTR(contents.join(QLatin1Char(' '))));
            continue;
        }
        emit sigEvent(task, KvIPCEventPtr::create(quint16(number),
                                                  QJsonDocument::fromJson(contents.value(2).toUtf8()).object()));
    }
}
