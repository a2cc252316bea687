#include "E2eInstallation.h"

#include <QtTest>

#include <csignal>

// An installation the user cannot write (owned by root, or on a read-only
// file system): the editor starts as usual and keeps what it would write
// beside itself -- the log, the launch test's markers -- in the user's state
// folder, and Help's log folder entries open that folder.
class TestReadOnlyInstall : public QObject
{
    Q_OBJECT

private slots:
    void startsAndLogsToStateFolder()
    {
        E2eInstallation install;
        QVERIFY(install.isValid());
        const QString project = install.homeDir() + "/Videos/Trip.kvproj";
        QVERIFY(e2eWriteFile(project, e2eEmptyProject("Trip")));
        const QString stateDir = install.homeDir() + "/.local/state/Tessaracorp/Korvane";
        const QString logPath = stateDir + "/Log/app_log.log";

        // A stand-in for the desktop's opener records what the editor asks
        // to open.
        const QString tools = install.root() + "/tools";
        const QString opened = install.homeDir() + "/opened.txt";
        QVERIFY(e2eWriteFile(tools + "/xdg-open",
                             QStringLiteral("#!/bin/sh\necho \"$1\" >> '%1'\n").arg(opened).toUtf8()));
        QVERIFY(QFile::setPermissions(tools + "/xdg-open", QFile::ReadOwner | QFile::ExeOwner | QFile::ExeOther |
                                                               QFile::ReadOther | QFile::WriteOwner));
        const QString script = install.homeDir() + "/help.steps";
        // Help > Open Log Folder (the menu is filled when it first opens).
        QVERIFY(e2eWriteFile(script, "menu KorvaneMenuBar_Help\nwait 100\naction 205\n"));

        QProcessEnvironment env = install.environment();
        env.insert("XDG_STATE_HOME", install.homeDir() + "/.local/state");
        env.insert("PATH", tools + ":" + env.value("PATH"));
        env.insert("KORVANE_UI_SCRIPT", script);

        QProcess editor;
        editor.setProcessEnvironment(env);
        editor.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        editor.setStandardOutputFile(QProcess::nullDevice());
        const QString bin = install.binDir();
        if (::geteuid() == 0) {
            // Root writes to any folder whatever its permissions, so the
            // installation is mounted read-only in a namespace of its own.
            if (QProcess::execute("unshare", {"-m", "true"}) != 0)
                QSKIP("running as root without mount namespaces: no read-only installation to test with");
            editor.setProgram("unshare");
            editor.setArguments({"-m", "sh", "-c",
                                 "mount --bind \"$1\" \"$1\" && mount -o remount,ro,bind \"$1\" \"$1\" && "
                                 "shift && exec \"$@\"",
                                 "sh", bin, install.editorPath(), project});
        } else {
            QVERIFY(QProcess::execute("chmod", {"-R", "a-w", bin}) == 0);
            editor.setProgram(install.editorPath());
            editor.setArguments({project});
        }
        editor.start();
        QVERIFY(editor.waitForStarted());
        QElapsedTimer timer;
        timer.start();
        while (!QFileInfo(opened).size() && timer.elapsed() < 30000 && editor.state() == QProcess::Running)
            QTest::qWait(50);
        e2eSignal(&editor, SIGTERM);
        const bool ended = editor.waitForFinished(20000);
        if (::geteuid() != 0)
            QProcess::execute("chmod", {"-R", "u+w", bin});
        QFile logFile(logPath);
        const QString log = logFile.open(QIODevice::ReadOnly) ? QString::fromUtf8(logFile.readAll()) : QString();
        QVERIFY2(ended, qPrintable(log));
        QCOMPARE(editor.exitCode(), 0);

        QVERIFY2(log.contains(QStringLiteral("open project \"%1\": success").arg(project)), qPrintable(log));
        QVERIFY2(log.contains("runFinished End"), qPrintable(log));
        QVERIFY(!QFileInfo::exists(bin + "/Log"));
        // The launch test ran once and remembers it in the state folder.
        QVERIFY(QFileInfo::exists(stateDir + "/configs/launchTest.ini"));
        const QStringList errors = log.split('\n').filter("[E]");
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));

        QFile openedFile(opened);
        QVERIFY2(openedFile.open(QIODevice::ReadOnly), "the log folder was not opened");
        const QStringList urls = QString::fromUtf8(openedFile.readAll()).split('\n', Qt::SkipEmptyParts);
        const QString expected = QUrl::fromLocalFile(stateDir + "/Log").toString();
        QCOMPARE(urls, QStringList({expected}));
    }
};

QTEST_GUILESS_MAIN(TestReadOnlyInstall)
#include "tst_readonlyinstall.moc"
