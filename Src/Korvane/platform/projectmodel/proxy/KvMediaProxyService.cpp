#include "KvMediaProxyService.h"

#include "IKvBaseLog.h"
#include "KvAppSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <vector>

namespace {

// Large enough that the per-call overhead vanishes, small enough to be
// invisible in the editor's memory.
constexpr qint64 kCopyBufferSize = 1024 * 1024;

struct ProxyFile
{
    QString project; // name of the project folder
    QString path;
    qint64 size = 0;
};

std::vector<ProxyFile> listProxyFiles(const QString &proxyFolder)
{
    std::vector<ProxyFile> files;
    if (proxyFolder.isEmpty())
        return files;
    const QDir root(proxyFolder);
    const QFileInfoList projects = root.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDir::Name);
    for (const QFileInfo &project : projects) {
        if (!KvMediaProxyService::isProjectProxyFolderName(project.fileName()))
            continue;
        const QFileInfoList entries =
            QDir(project.filePath()).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDir::Name);
        for (const QFileInfo &entry : entries)
            files.push_back({project.fileName(), entry.filePath(), entry.size()});
    }
    return files;
}

// Streams `source` into `target` through `buffer`. A partial target never
// appears: the data goes to a temporary file that replaces the target only
// once complete. `onBytes` is told of every chunk written.
template <class OnBytes>
bool copyFile(const QString &source, const QString &target, std::vector<char> &buffer,
              const std::atomic<bool> &stop, QString *error, OnBytes onBytes)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        *error = in.errorString();
        return false;
    }
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly)) {
        *error = out.errorString();
        return false;
    }
    for (;;) {
        if (stop.load()) {
            *error = QStringLiteral("stopped");
            out.cancelWriting();
            return false;
        }
        const qint64 got = in.read(buffer.data(), qint64(buffer.size()));
        if (got < 0) {
            *error = in.errorString();
            out.cancelWriting();
            return false;
        }
        if (got == 0)
            break;
        if (out.write(buffer.data(), got) != got) {
            *error = out.errorString();
            out.cancelWriting();
            return false;
        }
        onBytes(got);
    }
    if (!out.commit()) {
        *error = out.errorString();
        return false;
    }
    return true;
}

bool sameFolder(const QString &a, const QString &b)
{
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

} // namespace

KvMediaProxyService::KvMediaProxyService()
{
    // One worker: operations on the proxy folder must not overlap.
    m_worker.setMaxThreadCount(1);
}

KvMediaProxyService::~KvMediaProxyService()
{
    m_stopping = true;
    m_worker.waitForDone();
}

bool KvMediaProxyService::isProjectProxyFolderName(const QString &name)
{
    static const QRegularExpression key(QStringLiteral("^(?:[0-9a-f]{16}|untitled)$"));
    return key.match(name).hasMatch();
}

QStringList KvMediaProxyService::proxyFiles(const QString &proxyFolder)
{
    QStringList paths;
    for (const ProxyFile &file : listProxyFiles(proxyFolder))
        paths << file.path;
    return paths;
}

bool KvMediaProxyService::waitForIdle(int msecs)
{
    return m_worker.waitForDone(msecs);
}

bool KvMediaProxyService::stopped(int generation) const
{
    return m_stopping.load() || m_generation.load() != generation;
}

void KvMediaProxyService::prepareForProxyRemoval()
{
    const int generation = ++m_generation;
    KV_LOG_INFO("proxy operations before generation %d stop", generation);
}

void KvMediaProxyService::copyProxyFiles(const QString &fromFolder, const QString &toFolder, CopyCallback callback)
{
    KV_LOG_INFO("copy proxy files from \"%s\" to \"%s\"", KV_CSTR(fromFolder), KV_CSTR(toFolder));
    const int generation = m_generation.load();
    m_worker.start([=] { runCopy(fromFolder, toFolder, callback, generation); });
}

void KvMediaProxyService::deleteAllProxyFiles(DeleteCallback callback)
{
    // Read when asked: the folder the user saw is the one cleaned.
    const QString folder = KvAppSettings::GetInstance()->GetSettings().GetPerformanceSettings().GetProxyFileFolder();
    KV_LOG_INFO("delete the proxy files of \"%s\"", KV_CSTR(folder));
    const int generation = m_generation.load();
    m_worker.start([=] { runDelete(folder, callback, generation); });
}

void KvMediaProxyService::runCopy(const QString &fromFolder, const QString &toFolder, const CopyCallback &callback,
                                  int generation)
{
    const auto report = [&](int status, int value, const QString &name) {
        if (callback)
            callback(status, value, name);
    };
    if (fromFolder.isEmpty() || toFolder.isEmpty() || sameFolder(fromFolder, toFolder)) {
        report(StatusFinished, 100, QString());
        return;
    }

    const std::vector<ProxyFile> files = listProxyFiles(fromFolder);
    qint64 total = 0;
    for (const ProxyFile &file : files)
        total += file.size;

    std::vector<char> buffer(static_cast<size_t>(kCopyBufferSize));
    qint64 done = 0;
    int shown = -1;
    const auto percent = [&] { return total > 0 ? int(done * 100 / total) : 0; };
    // An atomic view of "stop" for the copy loop, refreshed per file.
    std::atomic<bool> stop{false};
    int failed = 0;
    int copied = 0;

    for (const ProxyFile &file : files) {
        if (stopped(generation)) {
            KV_LOG_INFO("proxy copy stopped after %d files", copied);
            break;
        }
        const QString name = QFileInfo(file.path).baseName();
        const qint64 fileStart = done;
        shown = percent();
        report(StatusWorking, shown, name);

        const QString targetFolder = QDir(toFolder).filePath(file.project);
        const QString target = QDir(targetFolder).filePath(QFileInfo(file.path).fileName());
        QString error;
        bool ok = QDir().mkpath(targetFolder);
        if (!ok)
            error = QStringLiteral("cannot create the folder");
        else
            ok = copyFile(file.path, target, buffer, stop, &error, [&](qint64 bytes) {
                done += bytes;
                if (stopped(generation))
                    stop = true;
                const int now = percent();
                if (now != shown) {
                    shown = now;
                    report(StatusNone, shown, name);
                }
            });
        // A file that shrank or grew meanwhile still moves the bar by its listed size.
        done = fileStart + file.size;
        if (ok) {
            ++copied;
            continue;
        }
        if (stop.load()) {
            KV_LOG_INFO("proxy copy stopped in \"%s\"", KV_CSTR(file.path));
            break;
        }
        ++failed;
        KV_LOG_ERROR("proxy file \"%s\" not copied to \"%s\": %s", KV_CSTR(file.path), KV_CSTR(target),
                     KV_CSTR(error));
        report(StatusFailed, percent(), name);
    }
    KV_LOG_INFO("proxy copy finished: %d copied, %d failed, %d listed", copied, failed, int(files.size()));
    report(StatusFinished, 100, QString());
}

void KvMediaProxyService::runDelete(const QString &proxyFolder, const DeleteCallback &callback, int generation)
{
    const auto report = [&](int status, int count, const QStringList &names) {
        if (callback)
            callback(status, count, names);
    };
    QStringList failed;
    int removed = 0;
    for (const ProxyFile &file : listProxyFiles(proxyFolder)) {
        if (stopped(generation))
            break;
        const QString name = QFileInfo(file.path).fileName();
        if (QFile::remove(file.path)) {
            ++removed;
            report(StatusWorking, removed, {name});
        } else {
            KV_LOG_ERROR("proxy file \"%s\" not removed", KV_CSTR(file.path));
            failed << name;
        }
    }
    // Project folders left empty go too; a folder still holding a file stays.
    const QDir root(proxyFolder);
    if (!proxyFolder.isEmpty()) {
        for (const QString &project : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks)) {
            if (isProjectProxyFolderName(project))
                root.rmdir(project);
        }
    }
    if (!failed.isEmpty())
        report(StatusFailed, failed.size(), failed);
    KV_LOG_INFO("proxy files removed: %d, not removed: %d", removed, failed.size());
    report(StatusFinished, removed, {});
}
