#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The proxy files of the media: smaller copies the player decodes instead of
// large originals. They live in the proxy folder of the performance
// settings. The long operations run on a worker thread and report through
// their callback, which may therefore be called on any thread.
class IKvMediaProxyService
{
public:
    // Status values of the callbacks.
    enum Status {
        StatusNone = 0,
        StatusWorking = 1,   // copying (or deleting) the named file
        StatusFinished = 2,  // the operation is over; the last call
        StatusFailed = 3,    // copy: the named file failed; delete: the list failed
    };

    // (status, progress 0..100, base name of the file concerned)
    using CopyCallback = std::function<void(int status, int value, const QString &fileBaseName)>;
    // (status, number of files, the files concerned)
    using DeleteCallback = std::function<void(int status, int count, const QStringList &files)>;

    virtual ~IKvMediaProxyService() = default;

    // Releases what the service holds open in the proxy folder (running proxy
    // jobs, open files), so that the folder's files can be moved or removed.
    virtual void prepareForProxyRemoval() = 0;
    // Removes every proxy file of the current proxy folder.
    virtual void deleteAllProxyFiles(DeleteCallback callback) = 0;
    // Copies the proxy files of `fromFolder` into `toFolder`.
    virtual void copyProxyFiles(const QString &fromFolder, const QString &toFolder,
                                CopyCallback callback) = 0;
};

IKvMediaProxyService *getMediaProxyService();
