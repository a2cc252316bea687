// Stand-in of the survey window (FSurveyWindow). Started by the editor with a
// channel back; logs to standard error and to Veskel.log in the log folder.
// Ends when the editor's channel is lost; exit status 2 when it was not
// started by the editor.
#include "FSurveyWindow.h"
#include "IKvBaseLog.h"
#include "KvPaths.h"
#include "KvHelperChannel.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Hidden between surveys; only the editor ends it.
    app.setQuitOnLastWindowClosed(false);
    GetGlobalLogInstance()->open(KvPaths::logDir(),
                                 QStringLiteral("Veskel"));
    int status = 2;
    {
        KvHelperChannel channel;
        FSurveyWindow window(&channel);
        if (channel.open())
            status = app.exec();
    }
    GetGlobalLogInstance()->close();
    return status;
}
