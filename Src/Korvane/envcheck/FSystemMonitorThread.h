#pragma once

#include "SysMemory.h"

#include <QMutex>
#include <QThread>
#include <QWaitCondition>

// Watches the machine's memory on a thread of its own: once a minute it reads
// the figures, logs them and reports them with sigUpdateMem.
class FSystemMonitorThread : public QThread
{
    Q_OBJECT

public:
    explicit FSystemMonitorThread(QObject *parent = nullptr);
    ~FSystemMonitorThread() override;

    // Ends the thread promptly, whatever it is waiting for.
    void stop();

signals:
    void sigUpdateMem(SysMemory memory);

protected:
    void run() override;

private:
    QMutex m_mutex;
    QWaitCondition m_wake;
    bool m_stopping = false;
};
