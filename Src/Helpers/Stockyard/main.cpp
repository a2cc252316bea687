// Stand-in of the effect store ("StockyardService.exe"). Started by the
// editor with the store page's address and, when the store was not running,
// the interface language; it may also be started on its own. One store runs
// per user: it holds its lock for as long as it runs, which is how the
// editor tells that it runs.
#include "FApplication.h"
#include "FStockyardStore.h"
#include "IKvBaseLog.h"
#include "KvCommunicatorClient.h"
#include "KvFileLock.h"
#include "KvHelperChannel.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    KvFileLock lock(FApplication::instanceLockPath(FApplication::getEffectInstallAppName()));
    if (!lock.tryLock()) {
        KV_LOG_INFO("the effect store runs already: %s", KV_CSTR(lock.errorString()));
        return 0;
    }
    KvHelperChannel *editor = nullptr;
    KvHelperChannel channel;
    if (KvCommunicatorClient::hasParentInEnvironment() && channel.open())
        editor = &channel;

    FStockyardStore store(editor);
    if (!store.start(app.arguments().mid(1))) {
        KV_LOG_ERROR("the effect store cannot listen on its channel");
        return 2;
    }
    return app.exec();
}
