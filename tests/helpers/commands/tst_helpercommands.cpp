// Commands between the editor and real helper processes: the event tracker
// started by the tracking proxy, the survey window, and the commands other
// parts of the editor send to helpers, as the receiving helper sees them.
#include "FNPSHelp.h"
#include "KvCommunicatorCommands.h"
#include "KvCommunicatorMsg.h"
#include "KvCommunicatorServer.h"
#include "KvEventTrackingProxy.h"
#include "KvTestLog.h"

#include <QCoreApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtConcurrent>
#include <QtTest>

namespace {

QString copyHelper(const QTemporaryDir &dir, const QString &name)
{
    const QString target = dir.filePath(name);
    return QFile::copy(QStringLiteral(KORVANE_BIN_DIR "/") + name, target) ? target : QString();
}

QString readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QList<KvCommunicatorMsg> echoes(const QSignalSpy &spy)
{
    QList<KvCommunicatorMsg> found;
    for (const QList<QVariant> &arguments : spy) {
        for (const KvCommunicatorMsg &message : KvCommunicatorMsg::buildListFromString(arguments.at(0).toString())) {
            if (message.contains(QString(KvCommand::HelperEcho)))
                found << message;
        }
    }
    return found;
}

} // namespace

class TestHelperCommands : public QObject
{
    Q_OBJECT

    KvCommunicatorServer *server() { return KvCommunicatorServer::GetInstance(); }

private slots:
    void cleanup() { KvCommunicatorServer::Release(); }

    void trackerConversation()
    {
        QTemporaryDir install;
        const QString tracker = copyHelper(install, QStringLiteral("Brenlow.exe"));
        QVERIFY(!tracker.isEmpty());
        KvTestLog log;
        QVERIFY(server()->Listen(QStringLiteral("NEW_SERVER_KORVANE_COMMUNICATOR_NAME")));
        QSignalSpy trackPublic(server(), &KvCommunicatorServer::sigTrackPublic);
        KvEventTrackingProxy *proxy = getEventTrackingProxy();
        proxy->init(server(), tracker);
        QVERIFY(proxy->isTrackerRunning());

        // The page manager's start job tells the tracker from a worker thread.
        const QString pid = QString::number(QCoreApplication::applicationPid());
        QtConcurrent::run([proxy, pid] { proxy->command(QString(KvCommand::TrackServerPid), {pid}); }).waitForFinished();
        // The tracker answers by asking for the public events.
        QVERIFY(trackPublic.wait(10000));
        proxy->command(QString(KvCommand::TrackerDataCollect), {QStringLiteral("0")});
        proxy->command(QString(KvCommand::ExitRequest), {});
        QTRY_VERIFY_WITH_TIMEOUT(!proxy->isTrackerRunning(), 10000);

        const QString trackerLog = readFile(install.filePath(QStringLiteral("Log/Brenlow.log")));
        const QStringList expected = {QStringLiteral("received GACMD_TRACK_SERVER_PID [%1]").arg(pid),
                                      QStringLiteral("received TESSARACORPCMD_TRACKER_DATA_COLLECT [0]"),
                                      QStringLiteral("data collection off"),
                                      QStringLiteral("received GACMD_EXIT_REQUEST []")};
        int at = -1;
        for (const QString &line : expected) {
            const int found = trackerLog.indexOf(line);
            QVERIFY2(found > at, qPrintable(line + QStringLiteral(" not after the previous lines in:\n") + trackerLog));
            at = found;
        }
        // Once it has ended, commands are dropped quietly.
        proxy->command(QString(KvCommand::TrackerDataCollect), {QStringLiteral("1")});
        QCOMPARE(log.count("dropped: the tracker is not running"), 1);
        QVERIFY2(log.errors().isEmpty(), qPrintable(log.errors().join('\n')));
    }

    void trackerMissing()
    {
        KvTestLog log;
        KvEventTrackingProxy *proxy = getEventTrackingProxy();
        proxy->init(server(), QStringLiteral("/nonexistent/Brenlow.exe"));
        QVERIFY(!proxy->isTrackerRunning());
        proxy->command(QString(KvCommand::ExitRequest), {});
        QCOMPARE(log.count("dropped: the tracker is not running"), 1);
        QVERIFY2(log.errors().isEmpty(), qPrintable(log.errors().join('\n')));
    }

    void survey_data()
    {
        QTest::addColumn<QByteArray>("variable");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("line");
        QTest::newRow("answered") << QByteArray("KV_SURVEY_ANSWER") << QByteArray("9") << 9 << "survey closed: 9";
        QTest::newRow("dismissed") << QByteArray("KV_SURVEY_ANSWER") << QByteArray("-1") << -1 << "survey closed: -1";
        QTest::newRow("window dies") << QByteArray("KV_HELPER_CRASH_ON") << QByteArray("CMD_NPSENGINE_ACTIVE") << -1
                                     << "survey window ended without an answer";
    }
    void survey()
    {
        QFETCH(QByteArray, variable);
        QFETCH(QByteArray, value);
        QFETCH(int, score);
        QFETCH(QString, line);
        QTemporaryDir install;
        const QString window = copyHelper(install, QStringLiteral("Veskel.exe"));
        QVERIFY(!window.isEmpty());
        qputenv(variable.constData(), value);
        KvTestLog log;
        FNPSHelp survey;
        survey.setProgram(window);
        survey.doNPS(nullptr);
        qunsetenv(variable.constData());
        QCOMPARE(survey.lastScore(), score);
        QCOMPARE(log.count(line), 1);
        if (score >= 0)
            QVERIFY(readFile(install.filePath(QStringLiteral("Log/Veskel.log")))
                        .contains(QStringLiteral("received CMD_NPSENGINE_ACTIVE [")));
    }

    // What the editor sends its helpers arrives whole: the echo helper
    // returns every command with its contents.
    void commandsReachTheHelper_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("contents");
        QTest::newRow("language") << QString(KvCommand::ChangeKorvaneLang) << QStringList{"8"};
        QTest::newRow("skin") << QString(KvCommand::NativeengineMethordSkintypeChange) << QStringList{"1"};
        QTest::newRow("caddy") << QString(KvCommand::NativeengineMethordCaddy)
                               << QStringList{QString::fromUtf8("{\"id\":7,\"text\":\"Neu: \\\"\u00dcberg\u00e4nge\\\"\"}")};
        QTest::newRow("insert caddy") << QString(KvCommand::NativeengineMethordInsertCaddy) << QStringList{"7", ""};
        QTest::newRow("click caddy") << QString(KvCommand::NativeengineMethordClickCaddy) << QStringList{"7"};
        QTest::newRow("reopen with link") << QString(KvCommand::OrvalaReopen)
                                          << QStringList{"https://x.test/p?a=1&did=D&pid=P&pver=V"};
        QTest::newRow("survey") << QString(KvCommand::NpsengineActive) << QStringList{"uid", "11.8.1", "en"};
        QTest::newRow("survey reload") << QString(KvCommand::NpsengineReload) << QStringList{};
        QTest::newRow("recorder exit") << QString(KvCommand::RecorderEixtRequest) << QStringList{};
        QTest::newRow("contents naming a command") << QString(KvCommand::ChangeKorvaneLang)
                                                   << QStringList{QString(KvCommand::ExitRequest), "[{\"cmd\":1}]"};
    }
    void commandsReachTheHelper()
    {
        QFETCH(QString, command);
        QFETCH(QStringList, contents);
        const QString orvala = QStringLiteral(KORVANE_BIN_DIR "/Orvala.exe");
        QSignalSpy received(server(), &KvCommunicatorServer::sigReceveMsgFrom);
        QVERIFY(server()->StartProcess(orvala, {QStringLiteral("https://x.test/")}, true, true));
        QVERIFY(server()->SendMsgToProcess(command, contents, orvala) > 0);
        QTRY_COMPARE_WITH_TIMEOUT(echoes(received).size(), 1, 10000);
        QCOMPARE(echoes(received).first().contents(), QStringList{command} + contents);
    }

    // The language goes to every helper that runs.
    void languageToEveryHelper()
    {
        QTemporaryDir install;
        const QString tracker = copyHelper(install, QStringLiteral("Brenlow.exe"));
        const QString orvala = QStringLiteral(KORVANE_BIN_DIR "/Orvala.exe");
        QSignalSpy received(server(), &KvCommunicatorServer::sigReceveMsgFrom);
        QVERIFY(server()->StartProcess(orvala, {}, true, true));
        QVERIFY(server()->StartProcess(tracker, {}, true, true));
        QCOMPARE(server()->SendMsgToProcess(QString(KvCommand::ChangeKorvaneLang), {QStringLiteral("3")}, QString()), 2);
        QTRY_COMPARE_WITH_TIMEOUT(echoes(received).size(), 1, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(readFile(install.filePath(QStringLiteral("Log/Brenlow.log")))
                                     .contains(QStringLiteral("received CMD_CHANGE_KORVANE_LANG [3]")),
                                 10000);
    }
};

QTEST_GUILESS_MAIN(TestHelperCommands)
#include "tst_helpercommands.moc"
