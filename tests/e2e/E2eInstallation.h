#pragma once

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

// Writes `data` to `path`, making its folder.
inline bool e2eWriteFile(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

// The smallest project the editor opens, named `name`.
inline QByteArray e2eEmptyProject(const QByteArray &name)
{
    return R"({"format":"korvane-project","version":1,"name":")" + name + R"(","type":0,
    "settings":{"width":1920,"height":1080,"frameRate":30},"media":[],"clips":[],"effects":[]})";
}

// Sends `signalNumber` to the process, never to a pid of 0 or less: a
// process that has not started (or has ended) reports 0, and kill(0, ...)
// would signal the test's own process group.
template <class ProcessPointer>
inline void e2eSignal(const ProcessPointer &process, int signalNumber)
{
    const qint64 pid = process ? process->processId() : 0;
    if (pid > 0)
        ::kill(pid_t(pid), signalNumber);
}

// A private installation of the editor for one test: a copy of the build's
// bin/ (editor, helpers, resources) and a HOME of its own, so tests running
// side by side share no lock, socket, log or configuration.
class E2eInstallation
{
public:
    E2eInstallation()
    {
        m_dir.setAutoRemove(qEnvironmentVariableIsEmpty("KORVANE_KEEP_TEST_DIRS"));
        copyTree(QStringLiteral(KORVANE_BIN_DIR), binDir());
        for (const char *sub : {"home", "home/.config", "home/.local/share", "home/.cache", "run"})
            QDir().mkpath(m_dir.filePath(QString::fromLatin1(sub)));
        ::chmod(QFile::encodeName(runtimeDir()).constData(), 0700);
    }

    ~E2eInstallation()
    {
        for (auto &process : m_processes) {
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished(3000);
            }
        }
    }

    bool isValid() const { return m_dir.isValid() && QFile::exists(editorPath()); }
    QString root() const { return m_dir.path(); }
    QString binDir() const { return m_dir.filePath(QStringLiteral("bin")); }
    QString editorPath() const { return binDir() + QStringLiteral("/korvane"); }
    QString homeDir() const { return m_dir.filePath(QStringLiteral("home")); }
    QString runtimeDir() const { return m_dir.filePath(QStringLiteral("run")); }
    QString logPath() const { return binDir() + QStringLiteral("/Log/app_log.log"); }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), homeDir());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), homeDir() + QStringLiteral("/.config"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), homeDir() + QStringLiteral("/.local/share"));
        env.insert(QStringLiteral("XDG_CACHE_HOME"), homeDir() + QStringLiteral("/.cache"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.remove(QStringLiteral("DISPLAY"));
        return env;
    }

    // Starts the editor of this installation; the process lives until the
    // test ends or kills it.
    QProcess *start(const QStringList &arguments = {}, const QProcessEnvironment &extra = {})
    {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = environment();
        env.insert(extra);
        process->setProcessEnvironment(env);
        process->setProgram(editorPath());
        process->setArguments(arguments);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->setStandardOutputFile(QProcess::nullDevice());
        process->start();
        QProcess *raw = process.get();
        m_processes.push_back(std::move(process));
        return raw;
    }

    QString log() const
    {
        QFile file(logPath());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll());
    }

    int countInLog(const QString &needle) const { return log().count(needle); }

    // Waits until the log holds `needle` at least `count` times.
    bool waitForLog(const QString &needle, int count = 1, int timeoutMs = 15000) const
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < timeoutMs) {
            if (countInLog(needle) >= count)
                return true;
            QTest::qWait(20);
        }
        return false;
    }

private:
    static void copyTree(const QString &from, const QString &to)
    {
        QDir().mkpath(to);
        const QDir source(from);
        for (const QFileInfo &info : source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
            // Logs and caches of earlier runs are the build tree's, not the installation's.
            if (info.fileName() == QLatin1String("Log"))
                continue;
            const QString target = to + QLatin1Char('/') + info.fileName();
            if (info.isDir())
                copyTree(info.filePath(), target);
            else if (!(info.isExecutable() && ::link(QFile::encodeName(info.filePath()).constData(),
                                                     QFile::encodeName(target).constData()) == 0))
                QFile::copy(info.filePath(), target); // executables are hard-linked: same bytes, no copy
        }
    }

    QTemporaryDir m_dir;
    std::vector<std::unique_ptr<QProcess>> m_processes;
};
