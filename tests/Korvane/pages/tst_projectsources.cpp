#include "CreativeHelper.h"
#include "FMaskManager.h"
#include "FMessageDialog.h"
#include "FProjectDocProxy.h"
#include "FProjectTemplateDownload.h"
#include "IKvAccountService.h"
#include "IKvAppInfo.h"
#include "IKvProject.h"
#include "IKvProjectManager.h"
#include "KorvaneMainForm.h"
#include "KorvanePageMgr.h"
#include "KvAppInfoId.h"
#include "KorvaneScene.h"
#include "KvCustomProductInfo.h"
#include "KvProgressDialog.h"
#include "KvTestFiles.h"
#include "KvTestHttpServer.h"
#include "KvTestLog.h"
#include "KvTestProjects.h"

#include <QtTest>
#include <QtWidgets>

using Page = KorvanePageMgr::PageState;
Q_DECLARE_METATYPE(KorvanePageMgr::PageState)

using KvTestProjects::kGoodProject;

namespace {

const QString kFailed = QStringLiteral("The project template download has failed, please try again.");
const QString kPrompt = QStringLiteral("Please close the other window to continue downloading the project template.");

} // namespace

namespace {

// Notes what a template download's progress dialog shows when it appears and
// when it ends; the dialog may come and go between two polls of a test.
class KvProgressDialogWatch : public QObject
{
public:
    int shown = 0;
    QString title;
    QString progressTitle;
    QStringList texts;

    KvProgressDialogWatch() { qApp->installEventFilter(this); }
    ~KvProgressDialogWatch() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *dialog = qobject_cast<KvProgressDialog *>(watched);
        if (event->type() == QEvent::Show && dialog
            && dialog->objectName() == QLatin1String("FProjectTemplateDownload_Progress")) {
            ++shown;
            title = dialog->title();
            progressTitle = dialog->progressTitle();
            texts << dialog->progressText();
            connect(dialog, &QDialog::finished, this, [this, dialog] { texts << dialog->progressText(); });
        }
        return false;
    }
};

} // namespace

// Opening a project by page state and kind, and the project template the
// creative helper asks for: downloaded with progress, opened, or reported.
class TestProjectSources : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(m_server.listen(QHostAddress::LocalHost));
        CreativeHelper::setDownloadFolder(m_dir.filePath("downloads"));
        IKvAppInfo::getInstance()->setValue(KvAppInfoId::ProjectTemplateDir, m_dir.filePath("templates"));
        QVERIFY(QDir().mkpath(m_dir.filePath("templates")));
        CreativeHelper::setStallTimeout(500);
        FProjectDocProxy::instance()->init();
        FProjectDocProxy::instance()->setCloseDecisionProvider(
            [](const QString &) { return FProjectDocProxy::CloseDecision::Discard; });
        FMessageDialog::setAnswerer([this](FMessageDialog &dialog) {
            m_shown << dialog.text();
            if (m_onMessage)
                m_onMessage();
            return int(FMessageDialog::Ok);
        });
        // Template mode needs a signed-in user.
        QVERIFY(IKvAccountService::getInstance()->loginByToken("token", "user"));
        writeAll(m_dir.filePath("Normal.kvproj"), kGoodProject);
        writeAll(m_dir.filePath("Other.kvproj"), kGoodProject);
        writeAll(m_dir.filePath("Instant.kvtpl"), QByteArray(kGoodProject).replace("\"type\":0", "\"type\":1"));
        writeAll(m_dir.filePath("Instant2.kvtpl"), QByteArray(kGoodProject).replace("\"type\":0", "\"type\":1"));
    }
    void init()
    {
        m_shown.clear();
        m_onMessage = nullptr;
        m_server.requests.clear();
        m_server.mode = "ok";
        m_server.body = kGoodProject;
        QDir(m_dir.filePath("downloads")).removeRecursively();
        KorvanePageMgr::instance()->switchToPage(Page::StartPage);
        IKvProjectManager::getInstance()->reset(true);
    }
    void cleanupTestCase()
    {
        FMessageDialog::setAnswerer({});
        KorvanePageMgr::instance()->releasePages();
        IKvProjectManager::releaseInstance();
    }

    void openByPageState_data()
    {
        QTest::addColumn<Page>("from");
        QTest::addColumn<QString>("file");
        QTest::addColumn<Page>("to");
        QTest::newRow("start page, project") << Page::StartPage << "Normal.kvproj" << Page::EditingScene;
        QTest::newRow("start page, template project") << Page::StartPage << "Instant.kvtpl" << Page::TemplateEditor;
        QTest::newRow("template list, project") << Page::TemplateList << "Normal.kvproj" << Page::EditingScene;
        QTest::newRow("template list, template project") << Page::TemplateList << "Instant.kvtpl"
                                                         << Page::TemplateEditor;
        QTest::newRow("editing, project") << Page::EditingScene << "Normal.kvproj" << Page::EditingScene;
        QTest::newRow("editing, template project") << Page::EditingScene << "Instant.kvtpl" << Page::TemplateEditor;
        QTest::newRow("template editor, project") << Page::TemplateEditor << "Normal.kvproj" << Page::EditingScene;
        QTest::newRow("template editor, template project") << Page::TemplateEditor << "Instant.kvtpl"
                                                           << Page::TemplateEditor;
    }
    void openByPageState()
    {
        QFETCH(Page, from);
        QFETCH(QString, file);
        QFETCH(Page, to);
        KorvanePageMgr *mgr = KorvanePageMgr::instance();
        // Each page with a project of its own kind open first.
        if (from == Page::EditingScene)
            mgr->openProject(m_dir.filePath("Other.kvproj"));
        else if (from == Page::TemplateEditor)
            mgr->openProject(m_dir.filePath("Instant2.kvtpl"));
        else
            mgr->switchToPage(from);
        QCOMPARE(mgr->pageState(), from);

        KvTestLog log;
        const QString path = m_dir.filePath(file);
        mgr->openProject(path);
        QTRY_COMPARE(FProjectDocProxy::instance()->currentProjectPath(), path);
        QCOMPARE(mgr->pageState(), to);
        QVERIFY(m_shown.isEmpty());
        QVERIFY2(log.errors().isEmpty(), qPrintable(log.errors().join('\n')));
    }

    void percent_data()
    {
        QTest::addColumn<qint64>("received");
        QTest::addColumn<qint64>("total");
        QTest::addColumn<int>("percent");
        QTest::newRow("nothing yet") << qint64(0) << qint64(1000) << 0;
        QTest::newRow("unknown total") << qint64(500) << qint64(-1) << 0;
        QTest::newRow("just below half a percent") << qint64(4) << qint64(1000) << 0;
        QTest::newRow("half a percent rounds up") << qint64(5) << qint64(1000) << 1;
        QTest::newRow("one third") << qint64(1) << qint64(3) << 33;
        QTest::newRow("two thirds") << qint64(2) << qint64(3) << 67;
        QTest::newRow("99.5 rounds up") << qint64(995) << qint64(1000) << 100;
        QTest::newRow("all") << qint64(1000) << qint64(1000) << 100;
        QTest::newRow("large files") << qint64(5000000000) << qint64(10000000000) << 50;
    }
    void percent()
    {
        QFETCH(qint64, received);
        QFETCH(qint64, total);
        QFETCH(int, percent);
        QCOMPARE(FProjectTemplateDownload::percent(received, total), percent);
    }

    // From any page: the editing scene comes, the dialog shows the download,
    // and the template opens as a new project or the user is told.
    void templateDownload_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("opened");
        QTest::newRow("downloaded") << "ok" << true;
        QTest::newRow("server error") << "error" << false;
        QTest::newRow("not found") << "missing" << false;
        QTest::newRow("body stalls") << "stall" << false;
    }
    void templateDownload()
    {
        QFETCH(QString, mode);
        QFETCH(bool, opened);
        m_server.mode = mode;
        if (mode == "stall")
            m_server.body = QByteArray(200000, 'k');
        KorvanePageMgr *mgr = KorvanePageMgr::instance();
        FProjectTemplateDownload *download = mgr->templateDownload();

        // The dialog as it first shows and as it ends.
        KvProgressDialogWatch watch;
        mgr->slotOrvalaDownloadProject(m_server.address() + "/t/trip.kvproj", "Trip");
        QCOMPARE(mgr->pageState(), Page::EditingScene);
        QTRY_COMPARE(watch.shown, 1);
        QTRY_VERIFY_WITH_TIMEOUT(!download->isRunning(), 5000);
        QTRY_COMPARE(watch.texts.size(), 2);
        QCOMPARE(watch.title, KvCustomProductInfo::FGetProductName());
        QCOMPARE(watch.progressTitle, QString("Downloading Project Template:"));
        const QStringList texts = watch.texts;
        QCOMPARE(texts.value(0), QString("None"));
        QCOMPARE(m_server.requests, QStringList{"/t/trip.kvproj"});
        QVERIFY(!QFile::exists(m_dir.filePath("downloads/Trip.kvproj.part")));
        if (opened) {
            QCOMPARE(texts.value(1), QString("100%"));
            IKvProject *project = IKvProjectManager::getInstance()->currentProject();
            QVERIFY(project);
            QCOMPARE(project->name(), QString("Trip"));
            QVERIFY(project->filePath().isEmpty());
            QVERIFY(m_shown.isEmpty());
        } else {
            QTRY_COMPARE(m_shown, QStringList{kFailed});
            QVERIFY(!QFile::exists(m_dir.filePath("downloads/Trip.kvproj")));
        }
        QCOMPARE(mgr->pageState(), Page::EditingScene);
    }

    // Under a modal mask the user is asked to close it; the download waits
    // and, of several requests meanwhile, only the last one goes ahead.
    void waitsAndSupersedes_data()
    {
        QTest::addColumn<QString>("blocker");
        QTest::newRow("modal mask") << "mask";
        QTest::newRow("main window disabled") << "disabled";
        QTest::newRow("nothing: within the start delay") << "";
    }
    void waitsAndSupersedes()
    {
        QFETCH(QString, blocker);
        KorvanePageMgr *mgr = KorvanePageMgr::instance();
        mgr->switchToPage(Page::EditingScene);
        QWidget *window = mgr->korvaneScene()->mainForm()->window();
        if (blocker == "mask")
            FMaskManager::instance()->showMask(window);
        else if (blocker == "disabled")
            window->setEnabled(false);

        mgr->slotOrvalaDownloadProject(m_server.address() + "/first.kvproj", "First");
        mgr->slotOrvalaDownloadProject(m_server.address() + "/second.kvproj", "Second");
        const QStringList prompts = blocker.isEmpty() ? QStringList() : QStringList{kPrompt, kPrompt};
        QCOMPARE(m_shown, prompts);
        QTest::qWait(350);
        if (!blocker.isEmpty()) {
            QVERIFY(m_server.requests.isEmpty());
            QVERIFY(!mgr->templateDownload()->isRunning());
            FMaskManager::instance()->closeMask();
            window->setEnabled(true);
        }
        QTRY_VERIFY(IKvProjectManager::getInstance()->currentProject()
                    && IKvProjectManager::getInstance()->currentProject()->name() == "Second");
        QTest::qWait(250);
        QCOMPARE(m_server.requests, QStringList{"/second.kvproj"});
        QCOMPARE(IKvProjectManager::getInstance()->currentProject()->name(), QString("Second"));
    }

    // A request made while the prompt is on screen does not prompt again;
    // it is the newer one and goes ahead alone.
    void promptShownOnce()
    {
        KorvanePageMgr *mgr = KorvanePageMgr::instance();
        mgr->switchToPage(Page::EditingScene);
        FMaskManager::instance()->showMask(mgr->korvaneScene()->mainForm()->window());
        m_onMessage = [this, mgr] {
            m_onMessage = nullptr;
            QVERIFY(mgr->templateDownload()->isPromptShown());
            mgr->slotOrvalaDownloadProject(m_server.address() + "/inner.kvproj", "Inner");
        };
        mgr->slotOrvalaDownloadProject(m_server.address() + "/outer.kvproj", "Outer");
        QCOMPARE(m_shown, QStringList{kPrompt});
        QVERIFY(!mgr->templateDownload()->isPromptShown());
        FMaskManager::instance()->closeMask();
        QTRY_VERIFY(IKvProjectManager::getInstance()->currentProject()
                    && IKvProjectManager::getInstance()->currentProject()->name() == "Inner");
        QTest::qWait(250);
        QCOMPARE(m_server.requests, QStringList{"/inner.kvproj"});
    }

private:
    QTemporaryDir m_dir;
    KvTestHttpServer m_server;
    QStringList m_shown;
    std::function<void()> m_onMessage;
};

QTEST_MAIN(TestProjectSources)
#include "tst_projectsources.moc"
