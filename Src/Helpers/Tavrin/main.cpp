// Stand-in of the web helper. Started by the editor's IPC server, which gives
// it its socket and token in the environment (KvIPCProtocol.h); renders each
// page the editor asks for in a window of its own and ends when the editor's
// channel is lost. It logs to standard error and to Tavrin.log in the log
// folder. Exit status 2 when it was not started by the editor.
#include "FTavrinPageHost.h"
#include "IKvBaseLog.h"
#include "KvPaths.h"
#include "KvIPCClient.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Pages come and go; only the editor ends the helper.
    app.setQuitOnLastWindowClosed(false);
    GetGlobalLogInstance()->open(KvPaths::logDir(),
                                 QStringLiteral("Tavrin"));

    KvIPCClient client;
    FTavrinPageHost host(&client);
    QObject::connect(&client, &KvIPCClient::sigLost, &app, [] {
        KV_LOG_INFO("channel to the editor lost; ending");
        QCoreApplication::exit(0);
    });
    if (!client.open())
        return 2;
    KV_LOG_INFO("web helper ready");
    const int status = app.exec();
    GetGlobalLogInstance()->close();
    return status;
}
