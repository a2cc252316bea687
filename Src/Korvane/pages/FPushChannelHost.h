#pragma once

#include <QObject>
#include <QSharedPointer>

class FTcPushWorker;
class QThread;

// Keeps the push-channel worker on a thread of its own. The worker is
// reached only through the two named custom events registered here, so
// nothing on the GUI thread ever calls into it directly.
class FPushChannelHost : public QObject
{
    Q_OBJECT

public:
    static const QString kReportEvent;   // "NotifyTCIDReport"
    static const QString kResponseEvent; // "NotifyTCIDReponse"

    explicit FPushChannelHost(QObject *parent = nullptr);
    ~FPushChannelHost() override;

    // Quits the thread and waits for it; the worker is released after.
    void stop();

    // Asks the worker, on its thread, to report the account state.
    bool notifyReport();

    bool isRunning() const;
    FTcPushWorker *worker() const { return m_worker.data(); }

private:
    QThread *m_thread = nullptr; // child
    QSharedPointer<FTcPushWorker> m_worker;
};
