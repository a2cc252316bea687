#include "../../platform/commonview/KvLargeProject.h"
#include "../../platform/commonview/KvUnprivileged.h"
#include "FMediaLibraryView.h"
#include "FMessageDialog.h"
#include "FProjectDocProxy.h"
#include "IKvProjectManager.h"
#include "IKvProjectRecentManager.h"
#include "KorvaneMainForm.h"
#include "KorvanePageMgr.h"
#include "KorvaneScene.h"
#include "KvMediaLibraryCategory.h"
#include "KvTestFiles.h"
#include "KvTestProjects.h"

#include <QtTest>
#include <QtWidgets>

using Page = KorvanePageMgr::PageState;
Q_DECLARE_METATYPE(KorvanePageMgr::PageState)

using KvTestProjects::kGoodProject;
using KvTestProjects::recentPaths;

namespace {

QString forwardOf(const QString &path)
{
    return QStringLiteral(R"([{"cmd":"CMD_OPEN_PROJECT","contents":["-open:%1"]}])").arg(path);
}

} // namespace

// What the user sees when a project cannot be opened, from every source,
// and the media-library locate step.
class TestPageMgrOpen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QFile::setPermissions(m_dir.path(), QFile::permissions(m_dir.path()) | QFile::ExeOther | QFile::ReadOther);
        FProjectDocProxy::instance()->init();
        FProjectDocProxy::instance()->setCloseDecisionProvider(
            [](const QString &) { return FProjectDocProxy::CloseDecision::Discard; });
        FMessageDialog::setAnswerer([this](FMessageDialog &dialog) {
            m_shown << dialog.objectName() + QLatin1Char('|') + dialog.text();
            return int(FMessageDialog::Ok);
        });
        // One project the user opened before: it must stay in the list.
        const QString known = m_dir.filePath("Known.kvproj");
        writeAll(known, kGoodProject);
        QVERIFY(FProjectDocProxy::instance()->openProject(known));
    }
    void init()
    {
        m_shown.clear();
        KorvanePageMgr::instance()->switchToPage(Page::StartPage);
        IKvProjectManager::getInstance()->reset(true);
    }
    void cleanupTestCase()
    {
        FMessageDialog::setAnswerer({});
        KorvanePageMgr::instance()->releasePages();
        // Joins the thumbnails still being drawn while the fonts are there.
        IKvProjectManager::releaseInstance();
    }

    void failedOpens_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content"); // null: nothing written
        QTest::addColumn<bool>("folder");
        QTest::addColumn<bool>("unreadable");
        QTest::addColumn<QString>("told");

        const QByteArray none;
        const QByteArray malformed(R"({"format":"korvane-project",)");
        for (const char *source : {"start page", "forwarded", "editing scene"}) {
            const QString s = QString::fromLatin1(source);
            QTest::addRow("%s: missing", source) << s << "Missing.kvproj" << none << false << false << "does not exist";
            QTest::addRow("%s: folder", source) << s << "Folder.kvproj" << none << true << false << "is a folder";
            QTest::addRow("%s: malformed JSON", source) << s << "Malformed.kvproj" << malformed << false << false
                                                        << "is not a Korvane project";
            QTest::addRow("%s: empty JSON", source) << s << "Empty.kvproj" << QByteArray("{}") << false << false
                                                    << "is not a Korvane project";
        }
        QTest::addRow("start page: unreadable") << "start page" << "Locked.kvproj" << kGoodProject << false << true
                                                << "cannot be read: ";
    }

    void failedOpens()
    {
        QFETCH(QString, source);
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(bool, folder);
        QFETCH(bool, unreadable);
        QFETCH(QString, told);

        KorvanePageMgr *mgr = KorvanePageMgr::instance();
        const QString path = m_dir.filePath(source.left(5) + name);
        if (folder)
            QVERIFY(QDir().mkpath(path));
        else if (!content.isNull())
            writeAll(path, content);
        if (unreadable)
            QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
        const bool fromEditing = source == "editing scene";
        if (fromEditing) {
            mgr->switchToPage(Page::EditingScene);
            QVERIFY(IKvProjectManager::getInstance()->currentProject());
        }
        const QStringList recentBefore = recentPaths();

        {
            KvUnprivileged unprivileged;
            if (source == "forwarded")
                mgr->slotOpenDbClickProject(
                    QStringLiteral(R"([{"cmd":"CMD_OPEN_PROJECT","contents":["-open:%1"]}])").arg(path));
            else
                mgr->openProject(path);
        }
        // An open from a page that goes away is settled on later turns.
        QTRY_COMPARE(m_shown.size(), 1);
        QTest::qWait(20);
        QCOMPARE(m_shown.size(), 1);
        const QString shown = m_shown.first();
        QVERIFY2(shown.startsWith("KorvanePageMgr_OpenFailed|"), qPrintable(shown));
        QVERIFY2(shown.contains(told), qPrintable(shown));
        QVERIFY2(shown.contains(QDir::toNativeSeparators(path)), qPrintable(shown));
        QCOMPARE(mgr->pageState(), fromEditing ? Page::EditingScene : Page::StartPage);
        QCOMPARE(mgr->hasKorvaneScene(), fromEditing);
        QCOMPARE(recentPaths(), recentBefore);
        if (unreadable)
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    }

    void goodOpenIsSilent()
    {
        KorvanePageMgr *mgr = KorvanePageMgr::instance();
        const QString path = m_dir.filePath("Fine.kvproj");
        writeAll(path, kGoodProject);
        mgr->openProject(path);
        QCOMPARE(mgr->pageState(), Page::EditingScene);
        QCOMPARE(FProjectDocProxy::instance()->currentProjectPath(), path);
        QVERIFY(m_shown.isEmpty());
    }

    // A project asked for while a large one is being read (the event loop
    // turns meanwhile) is opened after it, whether it comes from a second
    // start or from inside the editor, and whether the first open succeeds.
    void openDuringLargeRead_data()
    {
        QTest::addColumn<Page>("from");
        QTest::addColumn<bool>("firstGood");
        QTest::addColumn<bool>("secondForwarded");
        QTest::newRow("editing scene, forwarded") << Page::EditingScene << true << true;
        QTest::newRow("start page, forwarded") << Page::StartPage << true << true;
        QTest::newRow("editing scene, from the editor") << Page::EditingScene << true << false;
        QTest::newRow("editing scene, corrupt first") << Page::EditingScene << false << true;
        QTest::newRow("start page, corrupt first") << Page::StartPage << false << true;
    }
    void openDuringLargeRead()
    {
        QFETCH(Page, from);
        QFETCH(bool, firstGood);
        QFETCH(bool, secondForwarded);

        KorvanePageMgr *mgr = KorvanePageMgr::instance();
        mgr->switchToPage(from);
        const QString tag = QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1String(", "), "-");
        const QString large = m_dir.filePath(tag + "-Large.kvproj");
        const QByteArray json = KvLargeProject::json(100000);
        QVERIFY(KvLargeProject::write(large, firstGood ? json : json.left(json.size() - 100)));
        const QString second = m_dir.filePath(tag + "-Second.kvproj");
        writeAll(second, kGoodProject);

        bool busyWhenAsked = false;
        QObject turns; // a timer that did not fire dies with it
        QTimer::singleShot(0, &turns, [&] {
            busyWhenAsked = IKvProjectManager::getInstance()->isBusy();
            if (secondForwarded)
                mgr->slotOpenDbClickProject(forwardOf(second));
            else
                mgr->openProject(second);
        });
        mgr->slotOpenDbClickProject(forwardOf(large));
        QVERIFY2(busyWhenAsked, "the second open was not asked for during the read");

        QTRY_COMPARE(FProjectDocProxy::instance()->currentProjectPath(), second);
        QCOMPARE(mgr->pageState(), Page::EditingScene);
        QCOMPARE(recentPaths().value(0), second);
        QCOMPARE(recentPaths().contains(large), firstGood);
        if (firstGood) {
            QVERIFY(m_shown.isEmpty());
        } else {
            QCOMPARE(m_shown.size(), 1);
            QVERIFY2(m_shown.first().contains("is not a Korvane project"), qPrintable(m_shown.first()));
        }
        QTest::qWait(20);
        QCOMPARE(FProjectDocProxy::instance()->currentProjectPath(), second);
    }

    void locate_data()
    {
        QTest::addColumn<Page>("from");
        QTest::addColumn<QString>("item");
        QTest::addColumn<Page>("to");
        QTest::addColumn<bool>("told");
        QTest::newRow("found from the start page") << Page::StartPage << "Trip" << Page::EditingScene << false;
        QTest::newRow("not found: stay") << Page::StartPage << "Nowhere" << Page::StartPage << false;
        QTest::newRow("no name: stay") << Page::StartPage << "" << Page::StartPage << false;
        QTest::newRow("template list: told to go home first") << Page::TemplateList << "Trip" << Page::TemplateList
                                                              << true;
    }

    void locate()
    {
        QFETCH(Page, from);
        QFETCH(QString, item);
        QFETCH(Page, to);
        QFETCH(bool, told);

        KorvanePageMgr *mgr = KorvanePageMgr::instance();
        mgr->switchToPage(from);
        KvProjectData data;
        data.mediaPaths = QStringList{m_dir.filePath("media/Trip.mp4")};
        QVERIFY(IKvProjectManager::getInstance()->createProject(data));
        QObject media;
        media.setObjectName(item);
        mgr->slotTemplateSeeAll(&media);

        QCOMPARE(mgr->pageState(), to);
        QCOMPARE(m_shown.size(), told ? 1 : 0);
        if (to == Page::EditingScene) {
            auto *library = mgr->korvaneScene()->mainForm()->findChild<FMediaLibraryView *>();
            QVERIFY(library);
            QCOMPARE(library->category(), KvMediaLibraryCategory::ProjectTemplate);
        }
    }

private:
    QTemporaryDir m_dir;
    QStringList m_shown;
};

QTEST_MAIN(TestPageMgrOpen)
#include "tst_pagemgropen.moc"
