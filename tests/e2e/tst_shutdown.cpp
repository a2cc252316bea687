#include "E2eInstallation.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <csignal>

namespace {

const char *const kShutdownLines[] = {
    "runFinished Begin",
    "task after init project finished",
    "sendGaInfoBeforeExit Done",
    "KV_EVENT_TRACKING_PROXY->sendMsgToProcess Done",
    "KV_LAZY_SINGLETON_MGR->releaseAll Done",
    "FEffectInstallerCommunicatorHelper::Release Done",
    "KvTcPushProxy::release Done",
    "KvCommunicatorServer::Release Done",
    "FSETTINGS_APP->Release Done",
    "uninitKvEnv Done",
    "KVENVMANAGER->releaseInstance Done",
    "IKvProjectManager::releaseInstance Done",
    "runFinished End",
};

bool crashFlag(const E2eInstallation &install)
{
    QFile file(install.homeDir() + "/.config/Tessaracorp/Korvane/KvConfig.json");
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
    return root.value("user").toObject().value("Korvane").toObject().value("AppCrashed").toBool();
}

} // namespace

// How a run ends: in order on SIGTERM, leaving the crash flag set when killed.
class TestShutdown : public QObject
{
    Q_OBJECT

private slots:
    void orderlyOnSigterm_data()
    {
        QTest::addColumn<int>("signalNumber");
        // Steps run in the editing window first, and the dialog they leave open.
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("SIGTERM") << int(SIGTERM) << QString() << QString();
        QTest::newRow("SIGINT") << int(SIGINT) << QString() << QString();
        QTest::newRow("SIGHUP") << int(SIGHUP) << QString() << QString();
        QTest::newRow("SIGTERM over the preferences") << int(SIGTERM) << "action 211\n" << "dialog FSettingDialog";
        // Without a program to open folders, the log folder entry alerts.
        QTest::newRow("SIGTERM over an alert")
            << int(SIGTERM) << "menu KorvaneMenuBar_Help\nwait 100\naction 205\n" << "KorvaneMenuBar_OpenFailed";
    }
    void orderlyOnSigterm()
    {
        QFETCH(int, signalNumber);
        QFETCH(QString, steps);
        QFETCH(QString, dialog);
        E2eInstallation install;
        // Lines of other programs in the shared launcher file must survive.
        const QString configure = install.root() + "/Configure.ini";
        QFile seed(configure);
        QVERIFY(seed.open(QIODevice::WriteOnly));
        seed.write("; shared with the launcher\n[Launcher]\nchannel=stable\n\n[Other]\nkey=value\n");
        seed.close();

        QStringList arguments;
        QProcessEnvironment env;
        if (!steps.isEmpty()) {
            const QString project = install.homeDir() + "/Videos/Open.kvproj";
            QVERIFY(e2eWriteFile(project, e2eEmptyProject("Open")));
            QVERIFY(e2eWriteFile(install.homeDir() + "/dialog.steps", steps.toUtf8()));
            env.insert("KORVANE_UI_SCRIPT", install.homeDir() + "/dialog.steps");
            env.insert("PATH", install.root() + "/no-tools");
            arguments << project;
        }
        QProcess *editor = install.start(arguments, env);
        QVERIFY2(install.waitForLog("Splash: 100 / 100"), qPrintable(install.log()));
        if (!dialog.isEmpty())
            QVERIFY2(install.waitForLog(dialog), qPrintable(install.log()));
        QVERIFY(crashFlag(install));
        e2eSignal(editor, signalNumber);
        e2eSignal(editor, signalNumber); // a second one changes nothing
        QVERIFY(editor->waitForFinished(10000));
        QCOMPARE(editor->exitStatus(), QProcess::NormalExit);
        QCOMPARE(editor->exitCode(), 0);

        const QString log = install.log();
        int at = -1;
        for (const char *line : kShutdownLines) {
            const int next = log.indexOf(QLatin1String(line), at + 1);
            QVERIFY2(next > at, line);
            at = next;
        }
        QVERIFY(!crashFlag(install));
        QFile file(configure);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("; shared with the launcher\n[Launcher]\nchannel=stable\n"
                                            "wait_for_last_program_exit=1\n\n[Other]\nkey=value\n"));
    }

    void killedRunLeavesCrashFlag()
    {
        E2eInstallation install;
        QProcess *editor = install.start();
        QVERIFY(install.waitForLog("Splash: 100 / 100"));
        editor->kill();
        QVERIFY(editor->waitForFinished(5000));
        QVERIFY(crashFlag(install));
        QCOMPARE(install.countInLog("runFinished Begin"), 0);

        QProcess *next = install.start();
        QVERIFY(install.waitForLog("the previous run did not shut down in order"));
        QVERIFY(install.waitForLog("Splash: 100 / 100", 2));
        e2eSignal(next, SIGTERM);
        QVERIFY(next->waitForFinished(10000));
        QVERIFY(!crashFlag(install));
    }
};

QTEST_GUILESS_MAIN(TestShutdown)
#include "tst_shutdown.moc"
