#include "KvHelperChannel.h"

#include "IKvBaseLog.h"

#include <QCoreApplication>
#include <QTimer>

#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>

KvHelperChannel::KvHelperChannel(QObject *parent)
    : QObject(parent)
    , m_client(new KvCommunicatorClient(this))
    , m_crashOn(qEnvironmentVariable("KV_HELPER_CRASH_ON"))
    , m_hangOn(qEnvironmentVariable("KV_HELPER_HANG_ON"))
{
    connect(m_client, &KvCommunicatorClient::sigRecveMsg, this, &KvHelperChannel::onText);
    connect(m_client, &KvCommunicatorClient::sigDisconnected, this, &KvHelperChannel::onLost);
}

bool KvHelperChannel::open()
{
    bool ok = false;
    const int exitAfterMs = qEnvironmentVariableIntValue("KV_HELPER_EXIT_AFTER_MS", &ok);
    if (ok && exitAfterMs >= 0) {
        m_fixedLifetime = true;
        QTimer::singleShot(exitAfterMs, qApp, [exitAfterMs] {
            KV_LOG_INFO("ending after %d ms as asked", exitAfterMs);
            QCoreApplication::exit(0);
        });
    }
    return m_client->connectToParent();
}

int KvHelperChannel::send(const QString &command, const QStringList &contents)
{
    return m_client->SendMsg(command, contents, false);
}

void KvHelperChannel::onText(const QString &text)
{
    const QList<KvCommunicatorMsg> messages = KvCommunicatorMsg::buildListFromString(text);
    for (const KvCommunicatorMsg &message : messages) {
        if (!m_crashOn.isEmpty() && message.contains(m_crashOn)) {
            KV_LOG_ERROR("crashing on %s as asked", KV_CSTR(m_crashOn));
            // A crash on request is no reason to leave a core file behind.
            const rlimit noCore = {0, 0};
            setrlimit(RLIMIT_CORE, &noCore);
            std::abort();
        }
        if (!m_hangOn.isEmpty() && message.contains(m_hangOn)) {
            KV_LOG_ERROR("hanging on %s as asked", KV_CSTR(m_hangOn));
            for (;;)
                pause();
        }
        emit sigMessage(message);
    }
}

void KvHelperChannel::onLost()
{
    if (m_fixedLifetime) {
        KV_LOG_INFO("channel to the editor lost; running on until the set time");
        return;
    }
    KV_LOG_INFO("channel to the editor lost; ending");
    QCoreApplication::exit(0);
}
