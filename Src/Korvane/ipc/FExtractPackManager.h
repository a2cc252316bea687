#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QQueue>
#include <QStringList>

// Unpacks downloaded effect pack archives into the install folder, one task
// after the other, on a worker. An archive "<folder>/<name>" holds the pack
// below "<name>/"; it is unpacked without trusting it (FSafeZipExtractor:
// no absolute, ".." or link entries, size caps, a temporary folder moved into
// place), then deleted and dropped from the pack tables. A damaged one is
// deleted too, so that it is not tried again at every start.
class FExtractPackManager : public QObject
{
    Q_OBJECT

public:
    struct Result
    {
        QStringList installed; // pack folders
        QStringList failed;    // archives
    };

    explicit FExtractPackManager(QObject *parent = nullptr);
    ~FExtractPackManager() override;

    void AddTask(const QStringList &archives, const QString &installFolder);
    bool isBusy() const;

    // The work of one task; any thread.
    static Result extract(const QStringList &archives, const QString &installFolder);

signals:
    // One per task, on the GUI thread.
    void sigTaskFinished(const QStringList &installed, const QStringList &failed);

private:
    struct Task
    {
        QStringList archives;
        QString installFolder;
    };
    void startNext();

    QQueue<Task> m_tasks;
    QFutureWatcher<Result> m_watcher;
};
