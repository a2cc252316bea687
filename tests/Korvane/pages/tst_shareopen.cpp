#include "FMessageDialog.h"
#include "FNativeEngineInfoHelper.h"
#include "FProjectDocProxy.h"
#include "FSharedProjectOpener.h"
#include "IKvAppInfo.h"
#include "IKvProjectManager.h"
#include "KorvanePageMgr.h"
#include "KvAppInfoId.h"
#include "KvCloudDisk.h"
#include "KvCloudDiskViewPresenter.h"
#include "KvCommunicatorCommands.h"
#include "KvCommunicatorMsg.h"
#include "KvCommunicatorServer.h"
#include "KvConfig.h"
#include "KvTestFiles.h"
#include "KvTestHttpServer.h"
#include "KvTestLog.h"
#include "KvTestProjects.h"

#include <QtTest>
#include <QtWidgets>

using Page = KorvanePageMgr::PageState;
using Outcome = FSharedProjectOpener::Outcome;
Q_DECLARE_METATYPE(FSharedProjectOpener::Outcome)

using KvTestProjects::kGoodProject;

namespace {

QByteArray description(const QString &assertion, const QString &fileName, const QString &shareId = "s-1")
{
    return QStringLiteral("<?xml version=\"1.0\"?>\n<share><share_id>%1</share_id><file_name>%2</file_name>"
                          "<tags><assertion>%3</assertion></tags></share>")
        .arg(shareId, fileName, assertion)
        .toUtf8();
}

} // namespace

// A "-share:" launch: the description file read safely, the download of
// what it names from the loopback share server, and what the user sees.
class TestShareOpen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(m_server.listen(QHostAddress::LocalHost));
        const QString urls = QFileInfo(KvConfig::Instance()->storeFile()).dir().filePath("CBSUrls.ini");
        QSettings(urls, QSettings::IniFormat).setValue("CBSUrl/ShareServer", m_server.address());
        IKvAppInfo::getInstance()->setValue(KvAppInfoId::UserMediaDir, m_dir.filePath("media"));
        KvCloudDiskViewPresenter::setDownloadTimeout(800);
        FProjectDocProxy::instance()->init();
        FProjectDocProxy::instance()->setCloseDecisionProvider(
            [](const QString &) { return FProjectDocProxy::CloseDecision::Discard; });
        FMessageDialog::setAnswerer([this](FMessageDialog &dialog) {
            m_shown << dialog.text();
            return int(FMessageDialog::Ok);
        });
    }
    void init()
    {
        m_shown.clear();
        m_server.requests.clear();
        m_server.mode = "ok";
        m_server.body = kGoodProject;
        KorvanePageMgr::instance()->switchToPage(Page::StartPage);
        IKvProjectManager::getInstance()->reset(true);
    }
    void cleanup() { getCloudDisk()->closeView(); }
    void cleanupTestCase()
    {
        FMessageDialog::setAnswerer({});
        KorvanePageMgr::instance()->releasePages();
        IKvProjectManager::releaseInstance();
    }

    // Each kind code: what is fetched, where it lands, what opens.
    void kinds_data()
    {
        QTest::addColumn<QString>("assertion");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<QString>("landed"); // relative to the share folder or, "media/...", to the test folder
        QTest::newRow("0 project") << "0" << "Trip" << Outcome::Started << "Trip.kvproj";
        QTest::newRow("0 project, blanks around the code") << " 0 " << "Trip" << Outcome::Started << "Trip.kvproj";
        QTest::newRow("0 project, empty file_name") << "0" << "" << Outcome::Started << "desc.kvproj";
        QTest::newRow("0 project, name with separators") << "0" << "../up" << Outcome::Started << "_up.kvproj";
        QTest::newRow("1 archive") << "1" << "Trip" << Outcome::Started << "Trip.kvarc";
        QTest::newRow("2 template") << "2" << "Travel_8f3a" << Outcome::Started
                                    << "media/ProjectTemplate/Travel.tkpt";
        QTest::newRow("3 unknown kind") << "3" << "Trip" << Outcome::NothingToFetch << "";
        QTest::newRow("-1") << "-1" << "Trip" << Outcome::NothingToFetch << "";
        QTest::newRow("not a number") << "zero" << "Trip" << Outcome::NothingToFetch << "";
        QTest::newRow("hex is not decimal") << "0x0" << "Trip" << Outcome::NothingToFetch << "";
        QTest::newRow("no code") << "" << "Trip" << Outcome::NothingToFetch << "";
    }
    void kinds()
    {
        QFETCH(QString, assertion);
        QFETCH(QString, fileName);
        QFETCH(Outcome, outcome);
        QFETCH(QString, landed);
        QTemporaryDir share;
        const QString file = share.filePath("desc.share");
        writeAll(file, description(assertion, fileName));

        KvTestLog log;
        KorvanePageMgr *mgr = KorvanePageMgr::instance();
        FSharedProjectOpener *opener = mgr->sharedProjectOpener();
        QCOMPARE(opener->handle("-share:" + file), outcome);
        QCOMPARE(opener->descriptionFile(), assertion.trimmed() == "2" ? QString() : QString("desc.share"));
        QVERIFY(getCloudDisk()->isViewOpen());
        QTRY_VERIFY(!getCloudDisk()->viewPresenter()->downloadShareTask());

        if (landed.isEmpty()) {
            QTest::qWait(50);
            QVERIFY(m_server.requests.isEmpty());
            QCOMPARE(QDir(share.path()).entryList(QDir::Files), QStringList{"desc.share"});
        } else {
            QCOMPARE(m_server.requests, QStringList{"/share/s-1"});
            const QString path = landed.startsWith("media/") ? m_dir.filePath(landed) : share.filePath(landed);
            QCOMPARE(readAll(path), kGoodProject);
            QVERIFY(!QFile::exists(path + ".part"));
            if (path.endsWith(".kvproj")) {
                // A shared project is opened once it is here.
                QTRY_COMPARE(FProjectDocProxy::instance()->currentProjectPath(), path);
                QCOMPARE(mgr->pageState(), Page::EditingScene);
                // Its thumbnail is written beside it after the open; let it
                // land before the folder goes.
                const QFileInfo project(path);
                QTRY_VERIFY(QFile::exists(project.dir().filePath(project.completeBaseName() + ".fsthumb")));
            }
        }
        QVERIFY2(log.errors().isEmpty() || landed.endsWith(".kvarc"), qPrintable(log.errors().join('\n')));
        QVERIFY2(m_shown.isEmpty() || landed.endsWith(".kvarc"), qPrintable(m_shown.join('\n')));
    }

    // A description that cannot be used downloads nothing and reaches
    // neither the network nor other files; the user is told.
    void unusable_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: no file
        const QString evil = QStringLiteral("http://127.0.0.1:%1/evil").arg(m_server.serverPort());
        const QByteArray body = "<share><share_id>&x;</share_id><file_name>T</file_name>"
                                "<tags><assertion>0</assertion></tags></share>";
        QTest::newRow("missing file") << QByteArray();
        QTest::newRow("external entity from the network")
            << QByteArray("<?xml version=\"1.0\"?><!DOCTYPE share [<!ENTITY x SYSTEM \"") + evil.toUtf8()
                   + "\">]>" + body;
        QTest::newRow("external entity from a file")
            << QByteArray("<!DOCTYPE share [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>") + body;
        QTest::newRow("external DTD") << QByteArray("<!DOCTYPE share SYSTEM \"") + evil.toUtf8() + "\">" + body;
        QTest::newRow("internal entity")
            << QByteArray("<!DOCTYPE share [<!ENTITY x \"s-1\">]>") + body;
        QTest::newRow("undeclared entity") << body;
        QTest::newRow("not XML") << QByteArray("share_id=s-1\nassertion=0\n");
        QTest::newRow("cut short") << description("0", "Trip").left(60);
    }
    void unusable()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir share;
        const QString file = share.filePath("desc.share");
        if (!content.isNull())
            writeAll(file, content);

        KvTestLog log;
        QCOMPARE(KorvanePageMgr::instance()->sharedProjectOpener()->handle("-share:" + file), Outcome::Unreadable);
        QTest::qWait(100);
        QVERIFY(m_server.requests.isEmpty());
        QCOMPARE(QDir(share.path()).entryList(QDir::Files), content.isNull() ? QStringList() : QStringList{"desc.share"});
        QCOMPARE(m_shown.size(), 1);
        QVERIFY2(m_shown.first().contains("cannot be read"), qPrintable(m_shown.first()));
        QCOMPARE(log.errors().size(), 1);
        QVERIFY(log.errors().first().contains("desc.share"));
        QCOMPARE(KorvanePageMgr::instance()->pageState(), Page::StartPage);
    }

    void templateHereAlreadyIsLocated()
    {
        QFile::remove(FSharedProjectOpener::templateFolder() + "/Travel.tkpt");
        QVERIFY(QDir().mkpath(FSharedProjectOpener::templateFolder() + "/Travel_8f3a"));
        QTemporaryDir share;
        writeAll(share.filePath("t.share"), description("2", "Travel_8f3a"));
        QCOMPARE(KorvanePageMgr::instance()->sharedProjectOpener()->handle("-share:" + share.filePath("t.share")),
                 Outcome::Located);
        QTest::qWait(50);
        QVERIFY(m_server.requests.isEmpty());
        QVERIFY(!QFile::exists(FSharedProjectOpener::templateFolder() + "/Travel.tkpt"));
        QDir(FSharedProjectOpener::templateFolder() + "/Travel_8f3a").removeRecursively();
    }

    // The server fails or stalls: the user is told, nothing partial stays.
    void downloadFails_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("not found") << "missing";
        QTest::newRow("server error") << "error";
        QTest::newRow("stalls half-way") << "stall";
    }
    void downloadFails()
    {
        QFETCH(QString, mode);
        m_server.mode = mode;
        m_server.body = QByteArray(200000, 'k');
        QTemporaryDir share;
        writeAll(share.filePath("desc.share"), description("0", "Trip"));
        QCOMPARE(KorvanePageMgr::instance()->sharedProjectOpener()->handle("-share:" + share.filePath("desc.share")),
                 Outcome::Started);
        QTRY_COMPARE_WITH_TIMEOUT(m_shown.size(), 1, 5000);
        QVERIFY2(m_shown.first().contains("could not be downloaded"), qPrintable(m_shown.first()));
        QCOMPARE(QDir(share.path()).entryList(QDir::Files), QStringList{"desc.share"});
        QCOMPARE(KorvanePageMgr::instance()->pageState(), Page::StartPage);
    }

    void ignored_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<bool>("downloadRunning");
        QTest::newRow("no prefix") << "DESC" << false;
        QTest::newRow("prefix in the wrong case") << "-SHARE:DESC" << false;
        QTest::newRow("another share downloads") << "-share:DESC" << true;
    }
    void ignored()
    {
        QFETCH(QString, argument);
        QFETCH(bool, downloadRunning);
        QTemporaryDir share;
        writeAll(share.filePath("desc.share"), description("0", "Trip"));
        argument.replace("DESC", share.filePath("desc.share"));
        KvCloudDiskViewPresenter *presenter = getCloudDisk()->viewPresenter();
        if (downloadRunning) {
            m_server.mode = "silent";
            QVERIFY(presenter->downloadShareProject("first", share.filePath("First.kvproj")));
            QTRY_COMPARE(m_server.requests.size(), 1);
        }
        QCOMPARE(KorvanePageMgr::instance()->sharedProjectOpener()->handle(argument), Outcome::Ignored);
        QTest::qWait(50);
        QCOMPARE(m_server.requests.size(), downloadRunning ? 1 : 0);
        QVERIFY(!getCloudDisk()->isViewOpen());
        if (downloadRunning) {
            // The silent server is given up after the time-out.
            QTRY_VERIFY_WITH_TIMEOUT(!presenter->downloadShareTask(), 5000);
            QTRY_COMPARE(m_shown.size(), 1);
        }
    }

    // The ways a share request reaches the page manager: the native engine
    // link's slot, a second start's message, and this instance's own
    // command line.
    void handedOver_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("slot") << "slot";
        QTest::newRow("second start's message") << "message";
        QTest::newRow("launch argument") << "launch";
    }
    void handedOver()
    {
        QFETCH(QString, way);
        QTemporaryDir share;
        writeAll(share.filePath("Slot.share"), description("0", "Slot"));
        const QString argument = "-share:" + share.filePath("Slot.share");
        if (way == "slot") {
            KorvanePageMgr::instance()->slotCloudDiskShare(argument);
        } else if (way == "message") {
            const QString text = KvCommunicatorMsg::toText({KvCommunicatorMsg(KvCommand::ClouddiskShareinfo,
                                                                                {argument})});
            emit KvCommunicatorServer::GetInstance()->sigReceveMsgFrom(text);
        } else {
            FNativeEngineInfoHelper::instance()->relayLaunchShare(argument);
        }
        QTRY_COMPARE(FProjectDocProxy::instance()->currentProjectPath(), share.filePath("Slot.kvproj"));
    }

private:
    QTemporaryDir m_dir;
    KvTestHttpServer m_server;
    QStringList m_shown;
};

QTEST_MAIN(TestShareOpen)
#include "tst_shareopen.moc"
