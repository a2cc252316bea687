#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QtTest>

// Runs one of the launch test's check programs the way the editor does and
// keeps what a test looks at: whether it exited normally, its status as
// QProcess reports it (0..255), and its standard output.
struct CheckProgramRun
{
    bool exitedNormally = false;
    int status = -1;
    QByteArray out;
    QByteArray err;

    // The status as the editor reads it: one signed byte, so that -11 from
    // the program is -11 again rather than 245.
    int code() const { return qint8(quint8(status)); }
};

inline CheckProgramRun runCheckProgram(const QString &program, const QStringList &args,
                                       const QProcessEnvironment &env, const QString &workDir = QString())
{
    QProcess process;
    process.setProcessEnvironment(env);
    if (!workDir.isEmpty())
        process.setWorkingDirectory(workDir);
    process.start(program, args);
    CheckProgramRun run;
    if (!process.waitForFinished(90000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitedNormally = process.exitStatus() == QProcess::NormalExit;
    run.status = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

inline QString describe(const CheckProgramRun &run)
{
    return QStringLiteral("status %1, stderr: %2").arg(run.status).arg(QString::fromUtf8(run.err).trimmed());
}
