#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <atomic>

// Runs one sibling check program to its end or its time-out. Blocking: call
// it from a worker thread, never from the GUI thread.
//
// The child leads a process group of its own, so that at its time-out the
// whole group (the program and anything it started) gets SIGTERM and, after
// a short grace, SIGKILL; nothing it started outlives the check. Its output
// goes to /dev/null unless a capture limit is set, and then only that many
// bytes are kept: a program printing without end cannot grow the editor.
//
// Exit codes are read as a signed byte, which is how the check programs
// report their negative codes: exit(-11) arrives as 245 and reads -11.
class FChildProcess
{
public:
    enum class Outcome {
        NotStarted, // missing, not executable, or refused by the system
        Finished,   // exited by itself; see exitCode
        Crashed,    // ended by a signal
        TimedOut,   // still running at the time-out; the group was killed
        Stopped,    // the stop flag was raised while it ran; the group was killed
    };

    struct Result
    {
        Outcome outcome = Outcome::NotStarted;
        int exitCode = 0;
        QProcess::ProcessError error = QProcess::UnknownError;

        bool finished() const { return outcome == Outcome::Finished; }
        bool finishedWith(int code) const { return finished() && exitCode == code; }
    };

    // How long a group has to end after SIGTERM before SIGKILL follows.
    static constexpr int kGraceMs = 500;

    FChildProcess(const QString &program, const QStringList &arguments);

    // The child's current directory; empty keeps the editor's.
    void setWorkingDirectory(const QString &directory) { m_workingDirectory = directory; }
    // Keeps up to `bytes` of standard output (0, the default, keeps nothing).
    void setCaptureLimit(int bytes) { m_captureLimit = bytes; }
    // Checked while waiting (every 100 ms): a raised flag ends the child as
    // a time-out would.
    void setStopFlag(const std::atomic<bool> *stop) { m_stop = stop; }

    Result run(int timeoutMs);

    QString program() const { return m_program; }
    QStringList arguments() const { return m_arguments; }
    QByteArray output() const { return m_output; }

    // 245 -> -11; 0..127 unchanged.
    static int signedExitCode(int exitCode);
    static const char *outcomeName(Outcome outcome);

private:
    bool waitForEnd(QProcess &process, int timeoutMs);
    void drain(QProcess &process);

    QString m_program;
    QStringList m_arguments;
    QString m_workingDirectory;
    int m_captureLimit = 0;
    const std::atomic<bool> *m_stop = nullptr;
    QByteArray m_output;
};
