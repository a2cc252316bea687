#include "KvProjectFileLoader.h"

#include "IKvBaseLog.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QThread>
#include <QThreadPool>
#include <QtConcurrent>

namespace {

struct ReadOutcome
{
    KvProjectFile::ReadResult result = KvProjectFile::ReadResult::Missing;
    KvProjectData data;
    QString error;
};

ReadOutcome readOutcome(const QString &path)
{
    ReadOutcome outcome;
    outcome.result = KvProjectFile::read(path, &outcome.data, &outcome.error);
    return outcome;
}

// Touched on the application's thread only. Once its main loop has ended
// the shutdown releases one service after the other, and events dispatched
// then could reach objects on their way out.
const QCoreApplication *g_watchedApp = nullptr;
bool g_mainLoopEnded = false;

// A nested loop needs the thread of a running application that is not
// shutting down.
bool mayTurnLoop()
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || QCoreApplication::closingDown() || QThread::currentThread() != app->thread())
        return false;
    if (g_watchedApp != app) {
        g_watchedApp = app;
        g_mainLoopEnded = false;
        QObject::connect(app, &QCoreApplication::aboutToQuit, app, [] { g_mainLoopEnded = true; });
    }
    return !g_mainLoopEnded;
}

} // namespace

KvProjectFile::ReadResult KvProjectFileLoader::read(const QString &path, KvProjectData *data, QString *error)
{
    const QFileInfo info(path);
    // Asked first, for every file: it starts watching for the end of the
    // main loop.
    const bool mayWait = mayTurnLoop();
    if (!mayWait || !info.isFile() || info.size() < kDirectReadLimit)
        return KvProjectFile::read(path, data, error);

    KV_LOG_INFO("reading project \"%s\" (%lld bytes) on a worker", KV_CSTR(path), info.size());
    QFutureWatcher<ReadOutcome> watcher;
    QEventLoop loop;
    QObject::connect(&watcher, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(QtConcurrent::run(QThreadPool::globalInstance(), readOutcome, path));
    if (!watcher.isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    // An application that quits ends every loop at once; the read is still
    // joined here, it takes well under a second.
    ReadOutcome outcome = watcher.future().result();
    if (outcome.result == KvProjectFile::ReadResult::Ok && data)
        *data = std::move(outcome.data);
    if (error)
        *error = outcome.error;
    KV_LOG_INFO("read project \"%s\": %s", KV_CSTR(path), KvProjectFile::resultName(outcome.result));
    return outcome.result;
}
