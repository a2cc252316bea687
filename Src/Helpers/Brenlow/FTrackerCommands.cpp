#include "FTrackerCommands.h"

#include "IKvBaseLog.h"
#include "KvCommunicatorCommands.h"
#include "KvHelperChannel.h"

#include <QCoreApplication>

FTrackerCommands::FTrackerCommands(KvHelperChannel *channel, QObject *parent)
    : QObject(parent)
    , m_channel(channel)
{
    connect(channel, &KvHelperChannel::sigMessage, this, &FTrackerCommands::handle);
}

void FTrackerCommands::handle(const KvCommunicatorMsg &message)
{
    KV_LOG_INFO("received %s [%s]", KV_CSTR(message.command()),
                KV_CSTR(message.contents().join(QStringLiteral("|"))));
    if (message.contains(KvCommand::TrackServerPid)) {
        bool ok = false;
        const qint64 pid = message.firstContent().toLongLong(&ok);
        if (!ok || pid <= 0) {
            KV_LOG_ERROR("not a process id: \"%s\"", KV_CSTR(message.firstContent()));
            return;
        }
        m_editorPid = pid;
        // Now that the editor is known, the public events are due.
        m_channel->send(QString(KvCommand::TrackPublic), {});
    } else if (message.contains(KvCommand::TrackerDataCollect)) {
        m_collecting = message.firstContent() != QLatin1String("0");
        KV_LOG_INFO("data collection %s", m_collecting ? "on" : "off");
    } else if (message.contains(KvCommand::ExitRequest)) {
        KV_LOG_INFO("ending as the editor asks");
        QCoreApplication::exit(0);
    }
}
