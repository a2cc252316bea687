// Stand-in of the creative-content helper: no web page, only its side of the
// conversation with the editor. It announces its start contents (the link)
// and answers every message with an echo, so that the editor's side can be
// seen working from outside.
#include "IKvBaseLog.h"
#include "KvCommunicatorCommands.h"
#include "KvHelperChannel.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList startContents = app.arguments().mid(1);

    KvHelperChannel channel;
    QObject::connect(&channel, &KvHelperChannel::sigMessage, [&channel](const KvCommunicatorMsg &message) {
        if (message.contains(QString(KvCommand::OrvalaReopen)))
            KV_LOG_INFO("showing %s", KV_CSTR(message.firstContent()));
        channel.send(QString(KvCommand::HelperEcho), QStringList{message.command()} + message.contents());
    });
    if (!channel.open())
        return 2;

    KV_LOG_INFO("showing %s", KV_CSTR(startContents.value(0)));
    channel.send(QString(KvCommand::OrvalaStarted), startContents);
    return app.exec();
}
