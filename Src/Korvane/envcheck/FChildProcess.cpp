#include "FChildProcess.h"

#include "IKvBaseLog.h"

#include <QDeadlineTimer>

#include <algorithm>
#include <csignal>
#include <sys/types.h>
#include <unistd.h>

namespace {

constexpr int kStopPollMs = 100;

// A QProcess whose child leads a process group of its own, so that the
// group id is the child's pid and one signal reaches everything it started.
class GroupLeaderProcess : public QProcess
{
protected:
    void setupChildProcess() override { ::setpgid(0, 0); }
};

void signalGroup(qint64 pid, int signalNumber)
{
    if (pid > 0)
        ::killpg(pid_t(pid), signalNumber);
}

} // namespace

FChildProcess::FChildProcess(const QString &program, const QStringList &arguments)
    : m_program(program)
    , m_arguments(arguments)
{
}

int FChildProcess::signedExitCode(int exitCode)
{
    return exitCode > 127 && exitCode < 256 ? exitCode - 256 : exitCode;
}

const char *FChildProcess::outcomeName(Outcome outcome)
{
    switch (outcome) {
    case Outcome::NotStarted:
        return "not started";
    case Outcome::Finished:
        return "finished";
    case Outcome::Crashed:
        return "crashed";
    case Outcome::TimedOut:
        return "timed out";
    case Outcome::Stopped:
        return "stopped";
    }
    return "?";
}

FChildProcess::Result FChildProcess::run(int timeoutMs)
{
    m_output.clear();
    GroupLeaderProcess process;
    process.setProgram(m_program);
    process.setArguments(m_arguments);
    if (!m_workingDirectory.isEmpty())
        process.setWorkingDirectory(m_workingDirectory);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    if (m_captureLimit <= 0)
        process.setStandardOutputFile(QProcess::nullDevice());

    Result result;
    process.start(QIODevice::ReadOnly);
    if (!process.waitForStarted(timeoutMs)) {
        result.error = process.error();
        KV_LOG_INFO("%s did not start: %s", KV_CSTR(m_program), KV_CSTR(process.errorString()));
        return result;
    }
    const qint64 pid = process.processId();

    if (waitForEnd(process, timeoutMs)) {
        drain(process);
        result.error = process.error();
        if (process.exitStatus() == QProcess::NormalExit) {
            result.outcome = Outcome::Finished;
            result.exitCode = signedExitCode(process.exitCode());
        } else {
            result.outcome = Outcome::Crashed;
        }
        // Whatever the program left running in its group goes with it.
        signalGroup(pid, SIGKILL);
        return result;
    }

    result.outcome = m_stop && m_stop->load() ? Outcome::Stopped : Outcome::TimedOut;
    result.error = QProcess::Timedout;
    signalGroup(pid, SIGTERM);
    process.waitForFinished(kGraceMs);
    signalGroup(pid, SIGKILL);
    if (process.state() != QProcess::NotRunning && !process.waitForFinished(kGraceMs * 4))
        KV_LOG_ERROR("%s (pid %lld) survived SIGKILL", KV_CSTR(m_program), pid);
    drain(process);
    return result;
}

bool FChildProcess::waitForEnd(QProcess &process, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        if (process.state() == QProcess::NotRunning)
            return true;
        if (m_stop && m_stop->load())
            return false;
        const qint64 left = deadline.remainingTime();
        if (left <= 0)
            return false;
        const int slice = int(m_stop ? std::min<qint64>(left, kStopPollMs) : left);
        if (m_captureLimit > 0) {
            // Read as it comes, so that the pipe never fills and blocks the child.
            if (process.waitForReadyRead(slice))
                drain(process);
        } else if (process.waitForFinished(slice)) {
            return true;
        }
    }
}

void FChildProcess::drain(QProcess &process)
{
    if (m_captureLimit <= 0)
        return;
    const QByteArray chunk = process.readAllStandardOutput();
    const int room = m_captureLimit - m_output.size();
    if (room > 0)
        m_output.append(chunk.constData(), std::min(room, chunk.size()));
}
