#pragma once

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

// The build tree installed with `cmake --install` into a temporary prefix,
// and a private desktop session around it: HOME, the XDG folders and a
// runtime folder of its own, and PATH starting at the prefix's bin/.
class InstalledEditor
{
public:
    InstalledEditor() { m_root.setAutoRemove(qEnvironmentVariableIsEmpty("KORVANE_KEEP_TEST_DIRS")); }

    QString root() const { return m_root.path(); }
    QString prefix() const { return m_root.filePath(QStringLiteral("prefix")); }
    QString appDir() const { return prefix() + QStringLiteral("/lib/korvane"); }
    QString launcher() const { return prefix() + QStringLiteral("/bin/korvane"); }
    QString home() const { return m_root.filePath(QStringLiteral("home")); }
    QString dataHome() const { return home() + QStringLiteral("/.local/share"); }
    QString runtimeDir() const { return m_root.filePath(QStringLiteral("run")); }
    QString logPath() const { return appDir() + QStringLiteral("/Log/app_log.log"); }
    QString error() const { return m_error; }

    // Installs into a staging folder and moves the tree to prefix(): what
    // runs afterwards proves that nothing in it points back where it was
    // installed.
    bool install(const QString &buildDir)
    {
        const QString cmake = QStandardPaths::findExecutable(QStringLiteral("cmake"));
        if (cmake.isEmpty())
            return fail(QStringLiteral("cmake is not on PATH"));
        const QString staging = m_root.filePath(QStringLiteral("staging"));
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(cmake, {QStringLiteral("--install"), buildDir, QStringLiteral("--prefix"), staging});
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
            return fail(QStringLiteral("cmake --install failed: ") + QString::fromLocal8Bit(process.readAll()));
        if (!QDir().rename(staging, prefix()))
            return fail(QStringLiteral("cannot move the installation to ") + prefix());
        for (const QString &dir : {home() + QStringLiteral("/.config"), dataHome(), home() + QStringLiteral("/.cache"),
                                   runtimeDir()})
            QDir().mkpath(dir);
        ::chmod(QFile::encodeName(runtimeDir()).constData(), 0700);
        return true;
    }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home() + QStringLiteral("/.config"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome());
        env.insert(QStringLiteral("XDG_CACHE_HOME"), home() + QStringLiteral("/.cache"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir());
        // The system's types (application/json, application/zip) stay known.
        env.insert(QStringLiteral("XDG_DATA_DIRS"), QStringLiteral("/usr/local/share:/usr/share"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("PATH"), prefix() + QStringLiteral("/bin:") + env.value(QStringLiteral("PATH")));
        // No desktop session of the machine may steer the xdg tools: they take
        // their generic path, which reads the databases under XDG_DATA_HOME.
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "XDG_CURRENT_DESKTOP", "XDG_SESSION_DESKTOP",
                                 "DESKTOP_SESSION", "KDE_FULL_SESSION", "KDE_SESSION_VERSION",
                                 "GNOME_DESKTOP_SESSION_ID", "XDG_MENU_PREFIX", "BROWSER"})
            env.remove(QString::fromLatin1(name));
        return env;
    }

    // Runs a tool of the desktop session to its end; its output, or an empty
    // string with error() set when it could not run or failed.
    QString run(const QString &program, const QStringList &arguments,
                const QProcessEnvironment &extra = {}, int timeoutMs = 20000)
    {
        QProcess process;
        QProcessEnvironment env = environment();
        env.insert(extra);
        process.setProcessEnvironment(env);
        process.start(program, arguments);
        const bool finished = process.waitForFinished(timeoutMs);
        const QString out = QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
        const QString err = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        if (!finished || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
            if (!finished)
                process.kill();
            fail(QStringLiteral("%1 %2 failed (%3): %4 %5")
                     .arg(program, arguments.join(QLatin1Char(' ')), finished ? QString::number(process.exitCode())
                                                                              : QStringLiteral("timed out"),
                          out, err));
            return {};
        }
        m_error.clear();
        return out.isEmpty() ? QStringLiteral(" ") : out;
    }

    QString log() const
    {
        QFile file(logPath());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    bool waitForLog(const QString &needle, int timeoutMs = 15000) const
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < timeoutMs) {
            if (log().contains(needle))
                return true;
            QTest::qWait(20);
        }
        return false;
    }

private:
    bool fail(const QString &why)
    {
        m_error = why;
        return false;
    }

    QTemporaryDir m_root;
    QString m_error;
};
