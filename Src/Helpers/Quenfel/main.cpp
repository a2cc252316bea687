// Stand-in of the screen recorder. Started by the editor with one argument,
// the high-DPI mode: 1 scales with the screen, 2 does not, anything else
// leaves Qt's default.
#include "FQuenfelRecorder.h"
#include "IKvBaseLog.h"
#include "KvHelperChannel.h"
#include "KvLazySingletonManager.h"
#include "KvSkin.h"

#include <QApplication>

#include <cstdlib>

int main(int argc, char *argv[])
{
    // The mode must be known before the application object exists.
    const int dpiMode = argc > 1 ? std::atoi(argv[1]) : 0;
    if (dpiMode == 1)
        QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    else if (dpiMode == 2)
        QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling);
    QApplication app(argc, argv);
    // The window may be hidden between recordings; only an exit request ends it.
    app.setQuitOnLastWindowClosed(false);
    // Its window sits beside the editor's and wears the same skin.
    KvSkin::instance()->applyTo(&app);

    int exitCode = 2;
    {
        KvHelperChannel channel;
        FQuenfelRecorder recorder(&channel, dpiMode);
        if (channel.open()) {
            recorder.start();
            exitCode = app.exec();
        }
    }
    KvLazySingletonManager::releaseAll();
    return exitCode;
}
