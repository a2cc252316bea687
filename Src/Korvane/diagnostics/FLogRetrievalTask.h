#pragma once

#include <QThread>

// Fetches, zips and uploads the editor's logs when the maker's support asks
// for them. Mode 1 is the ordinary check at start, mode 2 the "flashback"
// retrieval a previous run asked for. The request and upload chain comes
// with the diagnostics work; for now the task records that it ran.
class FLogRetrievalTask : public QThread
{
    Q_OBJECT

public:
    FLogRetrievalTask(QObject *parent, int mode);

    int mode() const { return m_mode; }

protected:
    void run() override;

private:
    int m_mode;
};
