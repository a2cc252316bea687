#pragma once

#include <QMutex>
#include <QThread>
#include <QWaitCondition>

// Watches the machine's memory on a thread of its own. For now it reads the
// figures once a minute and logs them; the low-memory reaction comes with
// the safe-mode checks.
class FSystemMonitorThread : public QThread
{
    Q_OBJECT

public:
    explicit FSystemMonitorThread(QObject *parent = nullptr);
    ~FSystemMonitorThread() override;

    // Ends the thread promptly, whatever it is waiting for.
    void stop();

protected:
    void run() override;

private:
    QMutex m_mutex;
    QWaitCondition m_wake;
    bool m_stopping = false;
};
