#pragma once

#include "KvAutoBackupConfig.h"
#include "KvProjectData.h"

#include <QObject>
#include <QThreadPool>
#include <QTimer>

class KvProject;

// The automatic backup of the current project. While the project has
// changes that are neither saved nor backed up, a single-shot timer runs for
// one interval; when it fires, the project is copied on the GUI thread (the
// copy shares the project's lists, so it costs next to nothing) and written,
// read back and compared on a worker thread. Only a backup that reads back
// as the project counts: then "/Backup.conf" names it and the oldest
// versions beyond the kept count are deleted (see KvBackupVersions for the
// names). Nothing runs while there is nothing new to back up: the next
// change starts the timer again.
//
// Saving the project, or closing it in order, removes its entry from the
// note; a project dropped without a close (the editor dies, or the manager
// is released with unsaved changes) keeps it, so the next start offers it.
//
// KORVANE_AUTOBACKUP_INTERVAL_MS, when set to a positive number, replaces
// the configured interval (tests and benchmarks; minutes are too long).
//
// GUI thread only; the manager owns it.
class KvAutoBackupWriter : public QObject
{
    Q_OBJECT

public:
    static constexpr const char *kIntervalVariable = "KORVANE_AUTOBACKUP_INTERVAL_MS";

    // One backup, as handed to the worker.
    struct Job
    {
        KvProjectData data;
        quint64 revision = 0;
        QString projectPath; // never deleted as an old version
        QString folder;
        QString notePath;
        QString series;
        QString dottedSuffix;
        int keepCount = 1;
    };
    struct Result
    {
        bool ok = false;
        quint64 revision = 0;
        QString path;
        QString error;
        int pruned = 0;
    };

    explicit KvAutoBackupWriter(QObject *parent = nullptr);
    // Waits for the backup in flight.
    ~KvAutoBackupWriter() override;

    void setConfig(const KvAutoBackupConfig &config);
    KvAutoBackupConfig config() const { return m_config; }
    // The new current project (null for none); the previous one is
    // forgotten without touching the note.
    void setProject(KvProject *project);
    // The current project was closed in order / saved / changed.
    void projectClosed();
    void projectSaved();
    void projectChanged();

    // The interval in force, in milliseconds; 0 when none is configured.
    int intervalMs() const;
    bool isTimerActive() const { return m_timer->isActive(); }
    bool isWriting() const { return m_writing; }
    // Where the versions go and where the note is; empty when unknown.
    QString folder() const;
    QString notePath() const;
    // Blocks until every queued write and note change is done.
    void waitForDone();

    // Writes one version, reads it back and compares it with the project,
    // then updates the note and deletes old versions. Any thread.
    static Result write(const Job &job);

signals:
    void sigBackupFinished(bool ok, const QString &path);

private:
    void schedule();
    void onTimeout();
    void onWritten(const Result &result, quint64 generation);
    void clearNote();
    bool hasNewChanges() const;

    KvAutoBackupConfig m_config;
    int m_intervalOverrideMs = 0;
    KvProject *m_project = nullptr;
    QString m_series;
    QString m_untitledToken;
    quint64 m_backedUpRevision = 0;
    // The revision of the last write, good or failed: a failed one is tried
    // again after the next change, not at every interval of an idle editor.
    quint64 m_attemptedRevision = 0;
    // Grows when the project or its file changes: a backup that ends after
    // that says nothing about what is open now.
    quint64 m_generation = 0;
    bool m_writing = false;
    QTimer *m_timer; // child: moves to the GUI thread with this object
    // One thread: backups and note changes happen in the order asked.
    QThreadPool m_pool;
};
