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

// A nested loop needs the thread of a running application; while it shuts
// down, events must not be dispatched into objects that are going away.
bool mayTurnLoop()
{
    const QCoreApplication *app = QCoreApplication::instance();
    return app && !QCoreApplication::closingDown() && QThread::currentThread() == app->thread();
}

} // namespace

KvProjectFile::ReadResult KvProjectFileLoader::read(const QString &path, KvProjectData *data, QString *error)
{
    const QFileInfo info(path);
    if (!mayTurnLoop() || !info.isFile() || info.size() < kDirectReadLimit)
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
