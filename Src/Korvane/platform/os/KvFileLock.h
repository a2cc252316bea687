#pragma once

#include <QString>

// An advisory whole-file lock (flock) on a lock file. The kernel drops the
// lock when its holder exits, however it exits, so a lock file left behind
// by a crash, or one with any contents at all, never blocks anyone: only a
// live holder does.
class KvFileLock
{
public:
    explicit KvFileLock(const QString &path);
    ~KvFileLock();

    KvFileLock(const KvFileLock &) = delete;
    KvFileLock &operator=(const KvFileLock &) = delete;

    // Tries for up to `timeoutMs` (0: once). Creates the lock file and its
    // folder when missing. False when another process holds the lock or the
    // file cannot be opened; errorString() says which.
    bool tryLock(int timeoutMs = 0);
    void unlock();
    bool isLocked() const { return m_fd >= 0; }

    // True while some live process holds the lock on `path` (a probe that
    // takes nothing).
    static bool isHeldByOther(const QString &path);

    enum class Error { None, HeldByOther, Io };

    QString path() const { return m_path; }
    Error error() const { return m_errorKind; }
    QString errorString() const { return m_error; }

private:
    QString m_path;
    QString m_error;
    Error m_errorKind = Error::None;
    int m_fd = -1;
};
