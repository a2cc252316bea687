#include "KvProcessSnapshot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <csignal>
#include <sys/types.h>

namespace {

QByteArray readSmall(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(4096);
}

// Field 4 of /proc/<pid>/stat; the command name in field 2 may itself hold
// blanks and parentheses, so parse after its last ')'.
qint64 parentOf(qint64 pid)
{
    const QByteArray stat = readSmall(QStringLiteral("/proc/%1/stat").arg(pid));
    const int close = stat.lastIndexOf(')');
    if (close < 0)
        return -1;
    const QList<QByteArray> fields = stat.mid(close + 1).trimmed().split(' ');
    return fields.size() >= 2 ? fields.at(1).toLongLong() : -1;
}

} // namespace

QString KvProcessSnapshot::processName(qint64 pid)
{
    const QString exe = QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(pid));
    if (!exe.isEmpty())
        return QFileInfo(exe.endsWith(QLatin1String(" (deleted)")) ? exe.chopped(10) : exe).fileName();
    const QByteArray cmdline = readSmall(QStringLiteral("/proc/%1/cmdline").arg(pid));
    const QByteArray argv0 = cmdline.left(cmdline.indexOf('\0'));
    if (!argv0.isEmpty())
        return QFileInfo(QString::fromLocal8Bit(argv0)).fileName();
    return QString::fromLocal8Bit(readSmall(QStringLiteral("/proc/%1/comm").arg(pid))).trimmed();
}

bool KvProcessSnapshot::take(QList<KvProcessEntry> *entries)
{
    entries->clear();
    const QDir proc(QStringLiteral("/proc"));
    if (!proc.exists())
        return false;
    QList<qint64> pids;
    for (const QString &name : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool isPid = false;
        const qint64 pid = name.toLongLong(&isPid);
        if (isPid)
            pids << pid;
    }
    if (pids.isEmpty())
        return false;
    std::sort(pids.begin(), pids.end());
    entries->append({0, 0, QStringLiteral("[System Process]")});
    for (const qint64 pid : qAsConst(pids)) {
        const qint64 parent = parentOf(pid);
        if (parent < 0)
            continue; // ended while we looked
        entries->append({pid, parent, processName(pid)});
    }
    return true;
}

bool KvProcessSnapshot::terminate(qint64 pid)
{
    return pid > 0 && ::kill(pid_t(pid), SIGKILL) == 0;
}
