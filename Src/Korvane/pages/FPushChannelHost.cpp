#include "FPushChannelHost.h"

#include "FTcPushWorker.h"
#include "IKvBaseLog.h"
#include "KvCustomEventDispatcher.h"

#include <QThread>

const QString FPushChannelHost::kReportEvent = QStringLiteral("NotifyTCIDReport");
const QString FPushChannelHost::kResponseEvent = QStringLiteral("NotifyTCIDReponse");

FPushChannelHost::FPushChannelHost(QObject *parent)
    : QObject(parent)
    , m_thread(new QThread(this))
    , m_worker(QSharedPointer<FTcPushWorker>::create())
{
    m_thread->setObjectName(QStringLiteral("TcPushThread"));
    FTcPushWorker *worker = m_worker.data();
    KvCustomEventDispatcher::registerListener(worker, kReportEvent,
                                              [worker](const QVariantList &) { worker->onNotifyTCIDReport(); });
    KvCustomEventDispatcher::registerListener(worker, kResponseEvent, [worker](const QVariantList &args) {
        worker->onNotifyTCIDReponse(args.value(0).toInt(), args.value(1).toInt(), args.value(2).toBool());
    });
    worker->moveToThread(m_thread);
    m_thread->start(QThread::InheritPriority);
}

FPushChannelHost::~FPushChannelHost()
{
    stop();
}

void FPushChannelHost::stop()
{
    if (m_thread->isRunning()) {
        KV_LOG_INFO("Release TcPush Thread.");
        m_thread->quit();
        m_thread->wait();
    }
}

bool FPushChannelHost::notifyReport()
{
    if (!m_worker)
        return false;
    return KvCustomEventDispatcher::dispatch(kReportEvent, m_worker.data());
}

bool FPushChannelHost::isRunning() const
{
    return m_thread->isRunning();
}
