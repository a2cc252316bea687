#pragma once

#include <QDeadlineTimer>
#include <QObject>
#include <QString>

class QTimer;

// One log retrieval run: builds the chain of steps and starts it. A run
// never outlives its time limit: when the limit passes, the request in
// progress is abandoned, no later step starts and nothing half-uploaded is
// reported. Lives on the retrieval task's thread.
class FLogRetrieval : public QObject
{
    Q_OBJECT

public:
    static constexpr int kTimeLimitMs = 1200000;

    explicit FLogRetrieval(QObject *parent = nullptr);
    ~FLogRetrieval() override;

    // Runs the whole chain on the calling thread, which must be a worker
    // (the time limit ends that thread's event loops). Mode 2 runs only while
    // "flashback" in group "LogRetrieval" of the configuration file is true.
    void start(int mode);

    // Tests shorten the limit; call before start().
    void setTimeLimitMs(int limitMs) { m_timeLimitMs = limitMs; }
    // Where the logs are: the log folder of the installation by default.
    void setLogDirectory(const QString &directory) { m_logDirectory = directory; }
    QString logDirectory() const;

    // True once the time limit passed or the thread was told to end.
    bool isStopped() const;
    qint64 remainingTimeMs() const { return m_deadline.remainingTime(); }

private:
    void onTimeLimit();

    int m_timeLimitMs = kTimeLimitMs;
    QTimer *m_limitTimer;
    QDeadlineTimer m_deadline{QDeadlineTimer::Forever};
    QString m_logDirectory;
    int m_state = 1;
    bool m_timedOut = false;
};
