#pragma once

#include <QThread>

// Fetches, zips and uploads the editor's logs when the maker's support asks
// for them, on a thread of its own. Mode 1 is the ordinary check at start,
// mode 2 the "flashback" retrieval a previous run asked for. Destroying the
// task stops the run: the request in progress ends at once.
class FLogRetrievalTask : public QThread
{
    Q_OBJECT

public:
    FLogRetrievalTask(QObject *parent, int mode);
    ~FLogRetrievalTask() override;

    int mode() const { return m_mode; }

    // Tests: a shorter run limit and another log folder.
    void setTimeLimitMs(int limitMs) { m_timeLimitMs = limitMs; }
    void setLogDirectory(const QString &directory) { m_logDirectory = directory; }

protected:
    void run() override;

private:
    int m_mode;
    int m_timeLimitMs;
    QString m_logDirectory;
};
