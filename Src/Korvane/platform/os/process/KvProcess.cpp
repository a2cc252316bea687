#include "KvProcess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr int kCommLength = 15;

QByteArray readSmall(const QString &path)
{
    QFile file(path);
    // Processes may end while we read; an unreadable entry is simply skipped.
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(4096);
}

bool sameName(const QString &a, const QString &b)
{
    return !a.isEmpty() && a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

bool KvProcess::hasSameNameProcess(const QString &executableName)
{
    const QString wanted = QFileInfo(executableName.trimmed()).fileName();
    if (wanted.isEmpty())
        return false;
    const QString ownPid = QString::number(QCoreApplication::applicationPid());

    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &pid : entries) {
        bool numeric = false;
        pid.toLongLong(&numeric);
        if (!numeric || pid == ownPid)
            continue;
        const QString base = QStringLiteral("/proc/") + pid;
        const QByteArray cmdline = readSmall(base + QStringLiteral("/cmdline"));
        const QString argv0 = QString::fromLocal8Bit(cmdline.left(cmdline.indexOf('\0')));
        if (sameName(QFileInfo(argv0).fileName(), wanted))
            return true;
        // The kernel cuts the command name to 15 bytes: a name of that length
        // may belong to a longer one, so it only counts for processes without
        // arguments to tell (kernel threads, zombies).
        const QString comm = QString::fromUtf8(readSmall(base + QStringLiteral("/comm"))).trimmed();
        if (sameName(comm, wanted) && (comm.toUtf8().size() < kCommLength || cmdline.isEmpty()))
            return true;
    }
    return false;
}
