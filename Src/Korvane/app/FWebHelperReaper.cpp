#include "FWebHelperReaper.h"

#include "IKvBaseLog.h"

namespace {
const QString kStockMediaService = QStringLiteral("StockyardService.exe");
const QString kWebHelper = QStringLiteral("RovUzozAzev.exe");
} // namespace

QList<qint64> FWebHelperReaper::KillUnusedCefProgress(const QList<KvProcessEntry> &snapshot, bool snapshotOk,
                                                      const Terminate &terminate)
{
    QList<qint64> attempted;
    if (!snapshotOk || snapshot.isEmpty()) {
        KV_LOG_ERROR("Process32First failed");
        return attempted;
    }
    qint64 servicePid = 1;
    for (int i = 1; i < snapshot.size(); ++i) {
        if (snapshot.at(i).name.compare(kStockMediaService, Qt::CaseInsensitive) == 0)
            servicePid = snapshot.at(i).pid;
    }
    for (int i = 1; i < snapshot.size(); ++i) {
        const KvProcessEntry &entry = snapshot.at(i);
        if (entry.name.compare(kWebHelper, Qt::CaseInsensitive) != 0 || entry.parentPid == servicePid)
            continue;
        const bool killed = terminate && terminate(entry.pid);
        attempted << entry.pid;
        KV_LOG_INFO("PID:%lld,ProcessName:%s,kill Successful or not:%d", entry.pid, KV_CSTR(entry.name),
                    killed ? 1 : 0);
    }
    return attempted;
}

QList<qint64> FWebHelperReaper::KillUnusedCefProgress()
{
    QList<KvProcessEntry> snapshot;
    const bool ok = KvProcessSnapshot::take(&snapshot);
    return KillUnusedCefProgress(snapshot, ok, &KvProcessSnapshot::terminate);
}
