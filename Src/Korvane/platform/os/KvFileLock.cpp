#include "KvFileLock.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

int openLockFile(const QString &path, QString *error)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0 && error)
        *error = QStringLiteral("cannot open %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
    return fd;
}

} // namespace

KvFileLock::KvFileLock(const QString &path)
    : m_path(path)
{
}

KvFileLock::~KvFileLock()
{
    unlock();
}

bool KvFileLock::tryLock(int timeoutMs)
{
    if (m_fd >= 0)
        return true;
    const int fd = openLockFile(m_path, &m_error);
    if (fd < 0) {
        m_errorKind = Error::Io;
        return false;
    }
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            // Record the holder for people reading the file; nothing depends on it.
            const QByteArray pid = QByteArray::number(qint64(::getpid())) + '\n';
            if (::ftruncate(fd, 0) == 0 && ::pwrite(fd, pid.constData(), size_t(pid.size()), 0) < 0) {
                // informational only
            }
            m_fd = fd;
            m_error.clear();
            m_errorKind = Error::None;
            return true;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            m_error = QStringLiteral("cannot lock %1: %2").arg(m_path, QString::fromLocal8Bit(std::strerror(errno)));
            m_errorKind = Error::Io;
            break;
        }
        if (timer.elapsed() >= timeoutMs) {
            m_error = QStringLiteral("%1 is held by another process").arg(m_path);
            m_errorKind = Error::HeldByOther;
            break;
        }
        QThread::msleep(5);
    }
    ::close(fd);
    return false;
}

void KvFileLock::unlock()
{
    if (m_fd < 0)
        return;
    // The file stays: removing it would let a waiter lock an unlinked inode
    // while a newcomer locks a fresh file of the same name.
    ::flock(m_fd, LOCK_UN);
    ::close(m_fd);
    m_fd = -1;
}

bool KvFileLock::isHeldByOther(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool held = false;
    if (::flock(fd, LOCK_SH | LOCK_NB) != 0)
        held = errno == EWOULDBLOCK;
    else
        ::flock(fd, LOCK_UN);
    ::close(fd);
    return held;
}
