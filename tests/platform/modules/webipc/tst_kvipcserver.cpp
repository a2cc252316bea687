// The web helper IPC server: when it gives tasks, who may speak for the
// helper, and how incoming event numbers become event objects.
#include "IKvIPCEventParser.h"
#include "KvCommunicatorMsg.h"
#include "KvCommunicatorServer.h"
#include "KvFrameDecoder.h"
#include "KvIPCProtocol.h"
#include "KvIPCServer.h"
#include "KvTestLog.h"

#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A copy in a folder of its own, so that the helper's log stays out of the build.
QString g_helper;

class TypedEvent : public KvIPCEvent
{
public:
    TypedEvent()
        : KvIPCEvent(1001)
    {
    }
};

struct Parser : IKvIPCEventParser
{
    KvIPCEvent *createEvent(unsigned short number) override
    {
        // Claims a library number too: the server must not ask for those.
        return number == 1001 || number == KvIPC::EventTaskCreated ? new TypedEvent : nullptr;
    }
};

} // namespace

class TestKvIPCServer : public QObject
{
    Q_OBJECT

    QTemporaryDir m_install;

private slots:
    void initTestCase()
    {
        qRegisterMetaType<KvIPCEventPtr>();
        QVERIFY(m_install.isValid());
        g_helper = m_install.filePath(QStringLiteral("Tavrin.exe"));
        QVERIFY(QFile::copy(QStringLiteral(KORVANE_BIN_DIR "/Tavrin.exe"), g_helper));
    }
    void cleanup() { releaseServer(); }

    void tasksOnlyWhenReady_data()
    {
        QTest::addColumn<QString>("helper");
        QTest::addColumn<bool>("start");
        QTest::addColumn<int>("enable");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("task");
        QTest::newRow("page") << g_helper << true << 1 << KvIPC::kTaskKindUi << true;
        QTest::newRow("other kind") << g_helper << true << 1 << 2 << false;
        QTest::newRow("kind 0") << g_helper << true << 1 << 0 << false;
        QTest::newRow("not started") << g_helper << false << 1 << KvIPC::kTaskKindUi << false;
        QTest::newRow("not enabled") << g_helper << true << 0 << KvIPC::kTaskKindUi << false;
        QTest::newRow("no helper") << QStringLiteral("/nonexistent/Tavrin.exe") << true << 1 << KvIPC::kTaskKindUi
                                   << false;
    }
    void tasksOnlyWhenReady()
    {
        QFETCH(QString, helper);
        QFETCH(bool, start);
        QFETCH(int, enable);
        QFETCH(int, kind);
        QFETCH(bool, task);
        KvIPCServer *server = getServer();
        server->configure(KvIPCProcessArguments(helper));
        if (start)
            server->start(QStringLiteral("TC_Test"));
        server->enable(enable);
        IKvIPCTask *created = server->createTask(kind, KvIPCUITaskArguments(QSize(100, 80)));
        QCOMPARE(created != nullptr, task);
        QCOMPARE(server->isHelperRunning(), task);
        if (!created)
            return;
        // The helper opens the page and names its window.
        QSignalSpy events(created, &IKvIPCTask::sigEvent);
        QTRY_VERIFY_WITH_TIMEOUT(!events.isEmpty(), 10000);
        QCOMPARE(events.first().first().value<KvIPCEventPtr>()->number(), quint16(KvIPC::EventTaskCreated));
    }

    // Only the helper the server started speaks for it.
    void strangersAreDropped_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("contents");
        QTest::newRow("wrong token") << KvIPC::kCmdHello << QStringList{"0123"};
        QTest::newRow("no token") << KvIPC::kCmdHello << QStringList{};
        QTest::newRow("event without hello") << KvIPC::kCmdEvent << QStringList{"1", "5", "{}"};
    }
    void strangersAreDropped()
    {
        QFETCH(QString, command);
        QFETCH(QStringList, contents);
        KvIPCServer *server = getServer();
        server->configure(KvIPCProcessArguments(g_helper));
        QVERIFY(server->start(QStringLiteral("TC_Test")));
        server->enable(1);
        IKvIPCTask *task = server->createTask(KvIPC::kTaskKindUi, KvIPCUITaskArguments(QSize(100, 80)));
        QVERIFY(task);
        QSignalSpy events(task, &IKvIPCTask::sigEvent);
        QTRY_VERIFY_WITH_TIMEOUT(!events.isEmpty(), 10000);
        events.clear();

        KvTestLog log;
        QLocalSocket stranger;
        stranger.connectToServer(KvCommunicatorServer::socketPathForName(QStringLiteral("TC_Test")));
        QVERIFY(stranger.waitForConnected(2000));
        stranger.write(KvFrameDecoder::encode(KvCommunicatorMsg::toText({KvCommunicatorMsg(command, contents)})));
        QTRY_COMPARE_WITH_TIMEOUT(stranger.state(), QLocalSocket::UnconnectedState, 5000);
        QVERIFY(log.hasError("no hello of the web helper started here"));
        // The closing page event never reached the task, and the helper still serves it.
        QVERIFY(events.isEmpty());
        QVERIFY(task->sendEvent(KvIPCEvent(KvIPC::EventTaskClose)));
    }

    void eventObjects_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("typed");
        QTest::newRow("application's") << 1001 << true;
        QTest::newRow("unknown to the application") << 1050 << false;
        QTest::newRow("library's, though the parser claims it") << int(KvIPC::EventTaskCreated) << false;
    }
    void eventObjects()
    {
        QFETCH(int, number);
        QFETCH(bool, typed);
        Parser parser;
        getServer()->registerEventParser(&parser);
        const KvIPCEventPtr event = getServer()->makeEvent(quint16(number), {{QStringLiteral("x"), 1}});
        QCOMPARE(int(event->number()), number);
        QCOMPARE(event->params().value(QStringLiteral("x")).toInt(), 1);
        QCOMPARE(dynamic_cast<TypedEvent *>(event.data()) != nullptr, typed);
        getServer()->registerEventParser(nullptr);
    }
};

QTEST_MAIN(TestKvIPCServer)
#include "tst_kvipcserver.moc"
