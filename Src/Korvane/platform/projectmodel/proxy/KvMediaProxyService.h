#pragma once

#include "IKvMediaProxyService.h"
#include "KvLazySingleton.h"

#include <QThreadPool>

#include <atomic>

// The media proxy service of the project model.
//
// What is a proxy file: the proxies of a project live in a folder of its own
// directly below the proxy folder, named after the project (16 lower-case hex
// digits of the project path's MD5, or "untitled"; see
// IKvProjectManager::proxyFolder()). Every regular file in such a project
// folder is a proxy file; nothing else in the proxy folder is, so a proxy
// folder the user pointed at a folder of their own never loses other files.
//
// Copy and delete run one at a time, in the order asked, on the service's own
// worker thread. The copy streams through a fixed buffer (memory does not
// grow with the size of the files) into a temporary file that replaces the
// target only when complete. Progress goes by bytes. Every operation ends
// with exactly one StatusFinished call, also when the service goes away
// while it runs (what was not copied yet then stays where it was).
class KvMediaProxyService : public IKvMediaProxyService
{
public:
    KvMediaProxyService();
    ~KvMediaProxyService() override;

    // The service holds nothing open between operations; what it holds is
    // its work: a running or queued copy or delete stops at its next buffer
    // (still ending with StatusFinished). Operations asked for afterwards run.
    void prepareForProxyRemoval() override;
    // Delete: StatusWorking per file removed (count = files removed so far,
    // files = that file's name), one StatusFailed with the names of the
    // files that could not be removed when there were any, then
    // StatusFinished with the number removed.
    void deleteAllProxyFiles(DeleteCallback callback) override;
    // Copy: StatusWorking as each file starts, StatusNone when only the
    // progress moved, StatusFailed per file that could not be copied (its
    // bytes still count towards the progress), StatusFinished with 100.
    void copyProxyFiles(const QString &fromFolder, const QString &toFolder, CopyCallback callback) override;

    // The proxy files below `proxyFolder`, project folder by project folder.
    static QStringList proxyFiles(const QString &proxyFolder);
    static bool isProjectProxyFolderName(const QString &name);

    // Waits until no operation runs or is queued; false on time-out.
    // For shutdown and tests; never on the GUI thread during normal work.
    bool waitForIdle(int msecs = -1);

private:
    void runCopy(const QString &fromFolder, const QString &toFolder, const CopyCallback &callback, int generation);
    void runDelete(const QString &proxyFolder, const DeleteCallback &callback, int generation);
    bool stopped(int generation) const;

    QThreadPool m_worker;
    // Set when the service goes away: every operation stops.
    std::atomic<bool> m_stopping{false};
    // Raised by prepareForProxyRemoval(): operations of an older generation stop.
    std::atomic<int> m_generation{0};
};
