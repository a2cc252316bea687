// Stand-in of the event tracker. Started by the editor's event tracking
// proxy with a channel back; logs to standard error and to Brenlow.log
// in the log folder, where every command it receives is written. Ends on
// GACMD_EXIT_REQUEST or when the editor's channel is lost; exit status 2
// when it was not started by the editor.
#include "FTrackerCommands.h"
#include "IKvBaseLog.h"
#include "KvPaths.h"
#include "KvHelperChannel.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    GetGlobalLogInstance()->open(KvPaths::logDir(),
                                 QStringLiteral("Brenlow"));
    int status = 2;
    {
        KvHelperChannel channel;
        FTrackerCommands commands(&channel);
        if (channel.open()) {
            KV_LOG_INFO("event tracker ready");
            status = app.exec();
        }
    }
    GetGlobalLogInstance()->close();
    return status;
}
