#pragma once

#include <QCoreApplication>
#include <QMutex>
#include <QString>
#include <QStringList>

// Which start-up tasks were running when a start died. While start-up runs,
// a small INI file beside the configuration store names the tasks running
// right now; a run that gets through start-up (or ends it in order) marks
// the file finished. A start that finds it unfinished knows the previous
// start died during those tasks. When starts die twice in a row while the
// same task runs, the next one tells the user which task failed and starts
// in safe mode (GPU acceleration off) rather than crash a third time.
//
// The file is replaced by a rename at every change: a process that dies
// mid-write leaves the previous whole file. It is not flushed to disk; only
// the death of the process needs to be seen, not that of the machine.
class FStartUpCrashRecord
{
    Q_DECLARE_TR_FUNCTIONS(FStartUpCrashRecord)

public:
    // Starts that must die in the same task before safe mode is chosen.
    static constexpr int kRepeats = 2;
    static constexpr qint64 kMaxFileSize = 16 * 1024;
    static constexpr const char *kNoticeObjectName = "FStartUpCrashNotice";

    struct State
    {
        // Start-up was under way when the file was last written.
        bool active = false;
        // The tasks running then, in the order they started.
        QStringList running;
        // Starts that died in a row, and the tasks running in every one of them.
        int count = 0;
        QStringList suspects;

        bool operator==(const State &other) const;
    };

    static State parse(const QByteArray &text);
    static QByteArray serialize(const State &state);
    // What a start begins with, given what the previous start left.
    static State carryOver(const State &previous);
    static bool needsSafeMode(const State &state);
    // The notice naming the tasks during which `count` starts in a row died.
    static QString noticeText(int count, const QStringList &suspects);

    explicit FStartUpCrashRecord(const QString &filePath);

    // The record of this process, beside the configuration store.
    static FStartUpCrashRecord &forThisRun();

    // Reads what the previous start left and marks this one as under way.
    // True when safe mode is due; finish() then tells the user why.
    bool begin();
    // Any thread; ignored unless begun and not yet finished.
    void taskStarted(const QString &name);
    void taskFinished(const QString &name);
    // Start-up is over (the first page is up, or start-up ended in order).
    // A notice due from begin() is shown on the next turn of the event loop,
    // without holding anything up.
    void finish();

    State state() const;
    QString filePath() const { return m_path; }

private:
    bool save();

    const QString m_path;
    mutable QMutex m_mutex;
    State m_state;
    bool m_recording = false;
    bool m_writeFailed = false;
    QString m_notice;
};
