#include "FMaskManager.h"
#include "FMessageDialog.h"
#include "FProjectDocProxy.h"
#include "FTimelineExportStep.h"
#include "IKvProjectManager.h"
#include "KorvaneScene.h"
#include "KvCommunicatorMsg.h"
#include "KvCommunicatorServer.h"
#include "KvConfig.h"
#include "KvExportView.h"
#include "KvProjectStateWraper.h"
#include "KvTestLog.h"
#include "KvTimelineSelection.h"

#include <QtTest>
#include <QtWidgets>

Q_DECLARE_METATYPE(KvExportMode)

namespace {

// Collects every message the editor would show, answering OK.
class MessageCatcher
{
public:
    MessageCatcher()
    {
        FMessageDialog::setAnswerer([this](FMessageDialog &dialog) {
            shown << dialog.objectName() + QLatin1Char('|') + dialog.text();
            return int(FMessageDialog::Ok);
        });
    }
    ~MessageCatcher() { FMessageDialog::setAnswerer({}); }
    QStringList shown;
};

// A project with clips at [1000, 3000) and [5000, 6000).
void makeProjectWithClips()
{
    KvProjectData data;
    data.name = QStringLiteral("Clips");
    data.mediaPaths = QStringList{QStringLiteral("/media/a.mp4")};
    data.clips = {{0, 0, 1000, 0, 2000}, {0, 1, 5000, 0, 1000}};
    QVERIFY(IKvProjectManager::getInstance()->createProject(data));
}

} // namespace

// Steps of the editing scene that reach outside it: the forwarding of a
// second start, and the export from the timeline.
class TestSceneSteps : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { FProjectDocProxy::instance()->init(); }
    void cleanup()
    {
        KvExportRequests::clear();
        KvTimelineSelection::instance()->clearRange();
        FMaskManager::instance()->closeMask();
        FMaskManager::instance()->setGuideRunning(false);
        IKvProjectManager::getInstance()->closeProject();
    }

    void forwarding_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("contents");

        const QString launcher = "-velloqparam:user=u&pwd=p&tplurl=https://example.org/t.zip&tplname=Trip";
        QTest::newRow("bare project path") << QStringList{"/p/A.kvproj"} << "CMD_OPEN_PROJECT"
                                           << QStringList{"/p/A.kvproj"};
        QTest::newRow("project with a share") << QStringList{"-share:/s/info.xml", "-open:/p/A.kvproj"}
                                              << "CMD_OPEN_PROJECT" << QStringList{"-open:/p/A.kvproj"};
        QTest::newRow("share alone") << QStringList{"-share:/s/info.xml"} << "CMD_REOPEN_APP" << QStringList{" "};
        QTest::newRow("launcher template") << QStringList{launcher} << "CMD_ORVALA_DOWNLOAD"
                                           << QStringList{"https://example.org/t.zip", "Trip"};
        QTest::newRow("launcher template with a share") << QStringList{"-share:/s/info.xml", launcher}
                                                        << "CMD_ORVALA_DOWNLOAD"
                                                        << QStringList{"https://example.org/t.zip", "Trip"};
        QTest::newRow("nothing") << QStringList{} << "CMD_REOPEN_APP" << QStringList{" "};
    }

    // One command per second start, and it is already delivered when the
    // step returns: the scene may go at once.
    void forwarding()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, command);
        QFETCH(QStringList, contents);

        KvCommunicatorServer *server = KvCommunicatorServer::GetInstance();
        QVERIFY(server->Listen(QStringLiteral("NEW_SERVER_KORVANE_COMMUNICATOR_NAME")));
        QSignalSpy received(server, &KvCommunicatorServer::sigReceveMsgFrom);
        {
            KorvaneScene scene;
            scene.callExistAppDoSomething(QStringList{"korvane"} + arguments);
        }
        QTRY_COMPARE(received.count(), 1);
        const QString text = received.first().first().toString();
        QVERIFY2(!text.contains("CMD_CLOUDDISK_SHAREINFO"), qPrintable(text));
        const QList<KvCommunicatorMsg> messages = KvCommunicatorMsg::buildListFromString(text);
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.first().command(), command);
        QCOMPARE(messages.first().contents(), contents);
        QTest::qWait(50);
        QCOMPARE(received.count(), 1);
        KvCommunicatorServer::Release();
    }

    void exportRange_data()
    {
        QTest::addColumn<KvExportMode>("mode");
        QTest::addColumn<qint64>("in");
        QTest::addColumn<qint64>("out");
        QTest::addColumn<bool>("exported");

        QTest::newRow("whole timeline, no range marked") << KvExportMode::Timeline << 0LL << 0LL << true;
        QTest::newRow("range over a clip") << KvExportMode::Range << 500LL << 1500LL << true;
        QTest::newRow("range inside a clip") << KvExportMode::Range << 5200LL << 5300LL << true;
        QTest::newRow("range in the gap") << KvExportMode::Range << 3000LL << 5000LL << false;
        QTest::newRow("range ends where a clip starts") << KvExportMode::Range << 0LL << 1000LL << false;
        QTest::newRow("range after every clip") << KvExportMode::Range << 6000LL << 9000LL << false;
        QTest::newRow("empty range") << KvExportMode::Range << 1500LL << 1500LL << false;
        QTest::newRow("nothing marked") << KvExportMode::Range << 0LL << 0LL << false;
    }

    void exportRange()
    {
        QFETCH(KvExportMode, mode);
        QFETCH(qint64, in);
        QFETCH(qint64, out);
        QFETCH(bool, exported);

        makeProjectWithClips();
        KvTimelineSelection::instance()->setRange({in, out});
        KvConfig::Instance()->SetExportPageIndex(0);
        QWidget form;
        FTimelineExportStep step;
        MessageCatcher messages;
        KvTestLog log;

        step.request(&form, 3, mode);

        const QVector<KvExportRequest> requests = KvExportRequests::all();
        QCOMPARE(requests.size(), exported ? 1 : 0);
        QCOMPARE(messages.shown.size(), exported ? 0 : 1);
        QCOMPARE(KvProjectStateWraper::currentState(), psFree);
        if (exported) {
            QCOMPARE(requests.first().projectState, int(psExporting));
            QCOMPARE(requests.first().pageIndex, 3);
            QVERIFY(!requests.first().guided);
            QCOMPARE(log.count(QStringLiteral("setProjectState %1").arg(int(psExporting))), 1);
            QCOMPARE(log.count("setProjectState psFree"), 1);
        } else {
            QCOMPARE(messages.shown.first(), QStringLiteral("FTimelineExportStep_EmptyRange|"
                                                            "Please keep at least one clip in the selected range."));
            // A refused export remembers nothing and holds nothing.
            QCOMPARE(KvConfig::Instance()->GetExportPageIndex(), 0);
            QCOMPARE(log.count("setProjectState"), 0);
        }
        QVERIFY(log.errors().isEmpty());
    }

    void exportDuringGuide()
    {
        makeProjectWithClips();
        FMaskManager::instance()->setGuideRunning(true);
        QWidget form;
        FTimelineExportStep step;
        step.request(&form, 1, KvExportMode::Timeline);
        QCOMPARE(KvExportRequests::all().size(), 1);
        QVERIFY(KvExportRequests::all().first().guided);
    }

    // Under a modal mask the export waits for it; only the latest request
    // runs, once, after the mask has gone.
    void exportWaitsForTheMask()
    {
        makeProjectWithClips();
        QWidget form;
        form.resize(200, 100);
        FTimelineExportStep step;
        FMaskManager::instance()->showMask(&form);
        QVERIFY(FMaskManager::IsMaskVisible());

        step.request(&form, 5, KvExportMode::Timeline);
        step.request(&form, 7, KvExportMode::Timeline);
        QVERIFY(step.isWaitingForMask());
        QTest::qWait(20);
        QCOMPARE(KvExportRequests::all().size(), 0);

        FMaskManager::instance()->closeMask();
        QTRY_COMPARE(KvExportRequests::all().size(), 1);
        QCOMPARE(KvExportRequests::all().first().pageIndex, 7);
        QVERIFY(!step.isWaitingForMask());
        QTest::qWait(20);
        QCOMPARE(KvExportRequests::all().size(), 1);
    }

    void exportDroppedWithItsWindow()
    {
        makeProjectWithClips();
        auto form = std::make_unique<QWidget>();
        auto cover = std::make_unique<QWidget>();
        FTimelineExportStep step;
        FMaskManager::instance()->showMask(cover.get());
        step.request(form.get(), 2, KvExportMode::Timeline);
        form.reset();
        // The covered window goes too: its mask ends with it.
        cover.reset();
        QVERIFY(!FMaskManager::IsMaskVisible());
        QTest::qWait(20);
        QCOMPARE(KvExportRequests::all().size(), 0);
    }
};

QTEST_MAIN(TestSceneSteps)
#include "tst_scenesteps.moc"
