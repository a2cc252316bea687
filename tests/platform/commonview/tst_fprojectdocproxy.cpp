#include "FMessageDialog.h"
#include "FProjectDocProxy.h"
#include "IKvProjectManager.h"
#include "IKvProjectRecentManager.h"
#include "KvLazySingleton.h"
#include "KvOpenProjectEvent.h"
#include "KvPaths.h"
#include "KvProjectArchiver.h"
#include "KvProjectSuffixHelper.h"
#include "KvTestLog.h"

#include <QtWidgets>
#include <QtTest>

Q_DECLARE_METATYPE(FProjectDocProxy::CloseDecision)
Q_DECLARE_METATYPE(FProjectDocProxy::SaveType)

namespace {

using Proxy = FProjectDocProxy;

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    if (path.isEmpty())
        return QByteArray();
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

IKvProject *current()
{
    return IKvProjectManager::getInstance()->currentProject();
}

} // namespace

class TestFProjectDocProxy : public QObject
{
    Q_OBJECT

private:
    Proxy *proxy() { return Proxy::instance(); }

    // A saved project with two media, one clip and a glow effect.
    QString makeProject(const QString &name, const QString &suffix = KvProjectSuffixHelper::projectFileSuffix())
    {
        KvProjectData data;
        data.settings = {1280, 720, 25.0};
        data.mediaPaths = QStringList{m_dir->filePath("media/a.mp4"), m_dir->filePath("media/b.wav")};
        data.clips = {{0, 0, 0, 0, 4000}};
        data.requiredEffects = QStringList{"Glow", "Blur"};
        data.type = suffix == KvProjectSuffixHelper::instantModeFileSuffix() ? KvProjectType::InstantMode
                                                                            : KvProjectType::Normal;
        const QString path = m_dir->filePath(name + '.' + suffix);
        if (!KvProjectFile::write(path, data))
            return QString();
        return path;
    }

    // Opens `path` and changes it without saving.
    void openModified(const QString &path)
    {
        QVERIFY(proxy()->openProject(path));
        QVERIFY(current()->addMedia(m_dir->filePath("media/extra.png")) >= 0);
        QVERIFY(current()->isModified());
    }

private slots:
    void init()
    {
        KvLazySingleton<FProjectDocProxy>::release();
        IKvProjectManager::releaseInstance();
        IKvProjectRecentManager::releaseInstance();
        QDir(KvPaths::userDataDir()).removeRecursively();
        KvOpenProjectEvent::isAfterLaunch = true;
        m_dir.reset(new QTemporaryDir);
        writeFile(m_dir->filePath("media/a.mp4"), "video");
        writeFile(m_dir->filePath("media/b.wav"), "audio");
        m_pathRequests.clear();
        m_nextPath.clear();
        m_decisions = 0;
        m_decision = Proxy::CloseDecision::Cancel;
        IKvProjectManager::getInstance(); // start-up creates it before the service
        proxy()->init();
        proxy()->setPathProvider([this](Proxy::PathRequest request, const QString &suggested, const QString &) {
            m_pathRequests << qMakePair(int(request), suggested);
            return m_nextPath;
        });
        proxy()->setCloseDecisionProvider([this](const QString &) {
            ++m_decisions;
            if (m_duringDecision)
                m_duringDecision();
            return m_decision;
        });
    }

    void cleanupTestCase()
    {
        KvLazySingleton<FProjectDocProxy>::release();
        IKvProjectManager::releaseInstance();
        IKvProjectRecentManager::releaseInstance();
    }

    void roundTripThroughSaveAs()
    {
        QVERIFY(proxy()->newProject(KvProjectAspectRatio_16_9));
        QCOMPARE(current()->settings(), (KvProjectSettings{1920, 1080, 30.0}));
        QVERIFY(current()->setSettings({1080, 1350, 24.0}));
        QCOMPARE(current()->addMedia(m_dir->filePath("media/a.mp4")), 0);
        QVERIFY(current()->addClip({0, 0, 500, 100, 2100}));

        // Untitled: saving asks where; the suffix is added.
        m_nextPath = m_dir->filePath("trip");
        QCOMPARE(proxy()->saveProject(), Proxy::SaveType_Saved);
        QCOMPARE(m_pathRequests.size(), 1);
        QCOMPARE(m_pathRequests.first().first, int(Proxy::PathRequest::SaveProjectAs));
        const QString path = m_dir->filePath("trip.kvproj");
        QCOMPARE(proxy()->currentProjectPath(), path);
        QVERIFY(!current()->isModified());
        QCOMPARE(IKvProjectRecentManager::getInstance()->recentList().first().getPath(), path);
        const KvProjectData saved = current()->data();
        QCOMPARE(saved.name, QStringLiteral("trip"));

        // A later save writes in place without asking.
        QVERIFY(current()->removeClip(0));
        QCOMPARE(proxy()->saveProject(), Proxy::SaveType_Saved);
        QCOMPARE(m_pathRequests.size(), 1);

        IKvProjectManager::releaseInstance();
        QVERIFY(proxy()->openProject(path));
        KvProjectData reopened = current()->data();
        KvProjectData expected = saved;
        expected.clips.clear();
        QCOMPARE(reopened, expected);
    }

    void saveResults()
    {
        QCOMPARE(proxy()->saveProject(), Proxy::SaveType_NoProject);
        QCOMPARE(proxy()->saveAsProject(), Proxy::SaveType_NoProject);
        QVERIFY(proxy()->openProject(makeProject("p")));
        current()->addMedia(m_dir->filePath("x.mp4"));

        QCOMPARE(proxy()->saveAsProject(), Proxy::SaveType_Cancelled);
        KvTestLog log;
        m_nextPath = m_dir->filePath("no/such/folder/q.kvproj");
        QCOMPARE(proxy()->saveAsProject(), Proxy::SaveType_Failed);
        QVERIFY(log.hasError("q.kvproj"));
        QCOMPARE(proxy()->currentProjectPath(), m_dir->filePath("p.kvproj"));
        QVERIFY(current()->isModified());
    }

    void openBadFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("unsupported");
        QTest::newRow("missing") << "missing" << QByteArray() << false;
        QTest::newRow("directory") << "directory" << QByteArray() << false;
        QTest::newRow("empty") << "file" << QByteArray() << false;
        QTest::newRow("garbage") << "file" << QByteArray("\x00\x01garbage\xff", 10) << false;
        QTest::newRow("truncated") << "file" << QByteArray("{\"format\":\"korvane-project\",\"version\":1,\"settings\":{") << false;
        QTest::newRow("wrong types")
            << "file"
            << QByteArray("{\"format\":\"korvane-project\",\"version\":1,\"settings\":{\"width\":\"wide\",\"height\":1,\"frameRate\":1}}")
            << false;
        QTest::newRow("newer version")
            << "file"
            << QByteArray("{\"format\":\"korvane-project\",\"version\":99,\"settings\":{\"width\":1920,\"height\":1080,\"frameRate\":30}}")
            << true;
        QTest::newRow("not a project archive") << "archive" << QByteArray("PK not really") << false;
    }

    // A bad file is refused before anything about the current project is asked or changed.
    void openBadFiles()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, content);
        QFETCH(bool, unsupported);
        const QString good = makeProject("good");
        openModified(good);
        const KvProjectData before = current()->data();
        QString bad = m_dir->filePath(kind == "archive" ? "bad.kvarc" : "bad.kvproj");
        if (kind == "directory")
            QVERIFY(QDir().mkpath(bad));
        else if (kind != "missing")
            writeFile(bad, content);

        QSignalSpy unsupportedSpy(proxy(), &Proxy::sigShowUnsupportDlg);
        QSignalSpy changedSpy(proxy(), &Proxy::sigCurrentProjectChanged);
        KvTestLog log;
        QVERIFY(!proxy()->openProject(bad));
        QVERIFY2(log.hasError("Open Project failed"), qPrintable(log.errors().join('\n')));
        QCOMPARE(unsupportedSpy.count(), unsupported ? 1 : 0);
        QCOMPARE(changedSpy.count(), 0);
        QCOMPARE(m_decisions, 0);
        QCOMPARE(proxy()->currentProjectPath(), good);
        QCOMPARE(current()->data(), before);
        QVERIFY(current()->isModified());
    }

    void openReportsMissingEffects()
    {
        IKvProjectManager::getInstance()->setInstalledEffects({"blur"});
        QSignalSpy spy(proxy(), &Proxy::sigShowOpenfxDownloadDlg);
        QVERIFY(proxy()->openProject("file://" + makeProject("fx")));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.first().first().toStringList(), QStringList({"Glow"}));
    }

    // Open without a path asks for one; cancelling keeps the current project.
    void openAsksForPath()
    {
        const QString path = makeProject("picked");
        QVERIFY(!proxy()->openProject());
        QCOMPARE(m_pathRequests.size(), 1);
        QCOMPARE(m_pathRequests.first().first, int(Proxy::PathRequest::OpenProject));
        m_nextPath = path;
        QSignalSpy changed(proxy(), &Proxy::sigCurrentProjectChanged);
        QVERIFY(proxy()->openProject());
        QCOMPARE(changed.count(), 1);
        QCOMPARE(proxy()->currentProjectPath(), path);
        QCOMPARE(current()->name(), QStringLiteral("picked"));
    }

    void exitWithUnsavedChanges_data()
    {
        QTest::addColumn<Proxy::CloseDecision>("decision");
        QTest::addColumn<bool>("untitled");
        QTest::addColumn<QString>("saveAsPath");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("written");
        QTest::newRow("save") << Proxy::CloseDecision::Save << false << QString() << true << true;
        QTest::newRow("discard") << Proxy::CloseDecision::Discard << false << QString() << true << false;
        QTest::newRow("cancel") << Proxy::CloseDecision::Cancel << false << QString() << false << false;
        QTest::newRow("save untitled") << Proxy::CloseDecision::Save << true << "new.kvproj" << true << true;
        QTest::newRow("save untitled, no path") << Proxy::CloseDecision::Save << true << QString() << false << false;
        QTest::newRow("save fails") << Proxy::CloseDecision::Save << true << "missing/dir/x.kvproj" << false << false;
    }

    void exitWithUnsavedChanges()
    {
        QFETCH(Proxy::CloseDecision, decision);
        QFETCH(bool, untitled);
        QFETCH(QString, saveAsPath);
        QFETCH(bool, closed);
        QFETCH(bool, written);
        QString path;
        if (untitled) {
            QVERIFY(proxy()->newProject(1));
            current()->addMedia(m_dir->filePath("media/a.mp4"));
            path = saveAsPath.isEmpty() ? QString() : m_dir->filePath(saveAsPath);
            m_nextPath = path;
        } else {
            path = makeProject("edited");
            openModified(path);
        }
        const QByteArray before = readFile(path);
        m_decision = decision;

        QCOMPARE(proxy()->exit(), closed);
        QCOMPARE(m_decisions, 1);
        QCOMPARE(current() == nullptr, closed);
        if (!closed)
            QVERIFY(current()->isModified());
        QCOMPARE(readFile(path) != before, written);
        if (written) {
            KvProjectData read;
            QCOMPARE(KvProjectFile::read(path, &read), KvProjectFile::ReadResult::Ok);
            QVERIFY(read.mediaPaths.contains(untitled ? m_dir->filePath("media/a.mp4") : m_dir->filePath("media/extra.png")));
        }
        // Nothing left to ask about.
        if (closed) {
            QVERIFY(proxy()->exit());
            QCOMPARE(m_decisions, 1);
        }
    }

    // The same settling guards replacing the project.
    void openOverUnsavedChanges()
    {
        const QString first = makeProject("first");
        const QString second = makeProject("second");
        openModified(first);
        m_decision = Proxy::CloseDecision::Cancel;
        QVERIFY(!proxy()->openProject(second));
        QCOMPARE(proxy()->currentProjectPath(), first);
        QVERIFY(!proxy()->newProject(KvProjectAspectRatio_1_1));
        QCOMPARE(proxy()->currentProjectPath(), first);
        m_decision = Proxy::CloseDecision::Discard;
        QVERIFY(proxy()->openProject(second));
        QCOMPARE(proxy()->currentProjectPath(), second);
        // The caller may skip the question.
        openModified(first);
        QVERIFY(proxy()->openProject(second, true));
        QCOMPARE(m_decisions, 3);
    }

    // While a dialog of one operation is open, others are refused, not nested.
    void operationsDoNotNest()
    {
        openModified(makeProject("busy"));
        Proxy::SaveType nestedSave = Proxy::SaveType_Saved;
        bool nestedOpen = true;
        bool nestedExit = true;
        m_duringDecision = [&] {
            nestedSave = proxy()->saveProject();
            nestedOpen = proxy()->openProject(makeProject("other"));
            nestedExit = proxy()->exit();
        };
        QVERIFY(!proxy()->exit());
        m_duringDecision = nullptr;
        QCOMPARE(nestedSave, Proxy::SaveType_Busy);
        QVERIFY(!nestedOpen);
        QVERIFY(!nestedExit);
        QCOMPARE(proxy()->currentProjectPath(), m_dir->filePath("busy.kvproj"));
    }

    void newProjectKinds()
    {
        KvTestLog log;
        QVERIFY(!proxy()->newProject(0));
        QVERIFY(!proxy()->newProject(8));
        QCOMPARE(log.errors().size(), 2);
        QVERIFY(!current());
        QVERIFY(proxy()->newProject(KvProjectAspectRatio_9_16));
        QCOMPARE(current()->settings(), (KvProjectSettings{1080, 1920, 30.0}));
        QCOMPARE(current()->type(), KvProjectType::Normal);

        // In template mode new projects are template-mode projects and save as such.
        proxy()->setProjectSuffix(".kvtpl");
        QVERIFY(proxy()->newProject(KvProjectAspectRatio_16_9));
        QCOMPARE(current()->type(), KvProjectType::InstantMode);
        m_nextPath = m_dir->filePath("quick");
        QCOMPARE(proxy()->saveProject(), Proxy::SaveType_Saved);
        QCOMPARE(proxy()->currentProjectPath(), m_dir->filePath("quick.kvtpl"));
        QCOMPARE(IKvProjectRecentManager::getInstance()->recentList().first().getType(), KvProjectType::InstantMode);
    }

    void archive()
    {
        QVERIFY(proxy()->openProject(makeProject("Arch")));
        current()->addMedia(m_dir->filePath("media/vanished.mp4"));
        QString path;
        QVERIFY(!proxy()->archiveProject(path)); // asked, cancelled
        QVERIFY(path.isEmpty());
        QCOMPARE(m_pathRequests.last().first, int(Proxy::PathRequest::ArchiveProject));
        QCOMPARE(m_pathRequests.last().second, m_dir->filePath("Arch.kvarc"));

        m_nextPath = m_dir->filePath("out/bundle");
        QDir().mkpath(m_dir->filePath("out"));
        QVERIFY(proxy()->archiveProject(path));
        QCOMPARE(path, m_dir->filePath("out/bundle.kvarc"));
        const QString unpacked = KvProjectArchiver::extract(path, m_dir->filePath("check"));
        QCOMPARE(unpacked, m_dir->filePath("check/Arch.kvproj"));
        QVERIFY(QFileInfo::exists(m_dir->filePath("check/") + KvProjectArchiver::mediaListEntryName()));
        KvProjectData read;
        QCOMPARE(KvProjectFile::read(unpacked, &read), KvProjectFile::ReadResult::Ok);
        QCOMPARE(readFile(read.mediaPaths.at(0)), QByteArray("video"));
        QCOMPARE(read.mediaPaths.at(2), m_dir->filePath("media/vanished.mp4"));
        QCOMPARE(read.clips, current()->clips());

        // A given path is used as it is; opening an archive unpacks it beside itself.
        QString given = m_dir->filePath("given.kvarc");
        QVERIFY(proxy()->archiveProject(given));
        m_decision = Proxy::CloseDecision::Discard;
        QVERIFY(proxy()->openProject(given));
        QCOMPARE(proxy()->currentProjectPath(), m_dir->filePath("given/Arch.kvproj"));
        QCOMPARE(readFile(current()->mediaPaths().at(1)), QByteArray("audio"));
    }

    void delayLoadRemembered()
    {
        const QString path = makeProject("later");
        proxy()->SetDelayLoadProjectPath("-open:" + path);
        QCOMPARE(proxy()->delayLoadProjectPath(), path);
        proxy()->SetDelayLoadProjectPath(QUrl::fromLocalFile(path).toString());
        QCOMPARE(proxy()->delayLoadProjectPath(), path);
        proxy()->SetDelayLoadShareInfoPath("-share:/tmp/share.xml");
        proxy()->SetDelayLoadPrjTemplateMap({{"url", "http://example.com/t"}, {"name", "T"}});
        QCOMPARE(proxy()->delayLoadShareInfoPath(), QStringLiteral("-share:/tmp/share.xml"));
        QCOMPARE(proxy()->delayLoadPrjTemplateMap().value("name").toString(), QStringLiteral("T"));

        KvOpenProjectEvent::isAfterLaunch = false;
        QVERIFY(proxy()->korvaneStartUp());
        QCOMPARE(proxy()->currentProjectPath(), path);
        QVERIFY(KvOpenProjectEvent::isAfterLaunch);
        // Remembered until cleared, however often start-up runs.
        QCOMPARE(proxy()->delayLoadProjectPath(), path);
        proxy()->clearDelayLoadProjectInfos();
        QVERIFY(proxy()->delayLoadProjectPath().isEmpty());
        QVERIFY(proxy()->delayLoadShareInfoPath().isEmpty());
        QVERIFY(proxy()->delayLoadPrjTemplateMap().isEmpty());
        QVERIFY(!proxy()->ensureActivateProjectExist(false, false));
        // With nothing remembered start-up keeps the open project.
        QVERIFY(proxy()->korvaneStartUp());
        QCOMPARE(proxy()->currentProjectPath(), path);
    }

    void ensureActivateProjectExist_data()
    {
        QTest::addColumn<QString>("remembered");
        QTest::addColumn<QString>("templateUrl");
        QTest::addColumn<bool>("projectOpen");
        QTest::addColumn<bool>("allowNew");
        QTest::addColumn<bool>("acceptOpen");
        QTest::addColumn<bool>("expected");
        QTest::newRow("nothing") << "" << "" << false << false << false << false;
        QTest::newRow("existing project") << "exists" << "" << false << false << false << true;
        QTest::newRow("vanished project") << "missing" << "" << false << false << false << false;
        QTest::newRow("template map") << "" << "file:///somewhere/t.kvproj" << false << false << false << true;
        QTest::newRow("open project ignored") << "" << "" << true << false << false << false;
        QTest::newRow("open project accepted") << "" << "" << true << false << true << true;
        QTest::newRow("new allowed") << "missing" << "" << false << true << false << true;
    }

    void ensureActivateProjectExist()
    {
        QFETCH(QString, remembered);
        QFETCH(QString, templateUrl);
        QFETCH(bool, projectOpen);
        QFETCH(bool, allowNew);
        QFETCH(bool, acceptOpen);
        QFETCH(bool, expected);
        if (remembered == "exists")
            proxy()->SetDelayLoadProjectPath(makeProject("start"));
        else if (remembered == "missing")
            proxy()->SetDelayLoadProjectPath(m_dir->filePath("gone.kvproj"));
        if (!templateUrl.isEmpty())
            proxy()->SetDelayLoadPrjTemplateMap({{"url", templateUrl}});
        if (projectOpen)
            QVERIFY(proxy()->newProject(1));
        QCOMPARE(proxy()->ensureActivateProjectExist(allowNew, acceptOpen), expected);
    }

    void startUp_data()
    {
        QTest::addColumn<QString>("remembered");
        QTest::addColumn<QString>("templateUrl");
        QTest::addColumn<bool>("result");
        QTest::addColumn<bool>("templateMode");
        QTest::addColumn<QString>("outcome"); // file name of the open project, "untitled:<name>" or "none"
        QTest::newRow("nothing: new project") << "" << "" << true << false << "untitled:";
        QTest::newRow("project") << "later.kvproj" << "" << true << false << "later.kvproj";
        QTest::newRow("template mode project") << "quick.kvtpl" << "" << true << true << "quick.kvtpl";
        QTest::newRow("vanished project") << "gone.kvproj" << "" << false << false << "untitled:";
        QTest::newRow("vanished template mode project") << "gone.kvtpl" << "" << false << true << "none";
        QTest::newRow("local template") << "" << "local" << true << false << "untitled:From Web";
        QTest::newRow("template by file URL") << "" << "file" << true << false << "untitled:From Web";
        QTest::newRow("remote template") << "" << "https://example.com/t.kvproj" << false << false << "untitled:";
    }

    void startUp()
    {
        QFETCH(QString, remembered);
        QFETCH(QString, templateUrl);
        QFETCH(bool, result);
        QFETCH(bool, templateMode);
        QFETCH(QString, outcome);
        makeProject("later");
        makeProject("quick", KvProjectSuffixHelper::instantModeFileSuffix());
        const QString templatePath = makeProject("tpl");
        if (!remembered.isEmpty())
            proxy()->SetDelayLoadProjectPath(m_dir->filePath(remembered));
        if (templateUrl == "local")
            templateUrl = templatePath;
        else if (templateUrl == "file")
            templateUrl = QUrl::fromLocalFile(templatePath).toString();
        if (!templateUrl.isEmpty())
            proxy()->SetDelayLoadPrjTemplateMap({{"url", templateUrl}, {"name", "From Web"}});

        QCOMPARE(proxy()->isDelayLoadTemplateProject(), templateMode);
        QCOMPARE(proxy()->korvaneStartUp(), result);
        if (outcome == "none") {
            QVERIFY(!current());
        } else if (outcome.startsWith("untitled:")) {
            QVERIFY(current());
            QVERIFY(current()->filePath().isEmpty());
            QCOMPARE(current()->name(), outcome.mid(9));
            if (templateUrl.startsWith("/") || templateUrl.startsWith("file:"))
                QCOMPARE(current()->mediaPaths(), QStringList({m_dir->filePath("media/a.mp4"), m_dir->filePath("media/b.wav")}));
        } else {
            QCOMPARE(QFileInfo(proxy()->currentProjectPath()).fileName(), outcome);
        }
    }

    // A downloaded template may come zipped; it is unpacked beside itself
    // and becomes a new untitled project under the given name.
    void templateFromArchive()
    {
        KvProjectData data;
        QCOMPARE(KvProjectFile::read(makeProject("tpl"), &data), KvProjectFile::ReadResult::Ok);
        const QString zip = m_dir->filePath("download/tpl.kvarc");
        QDir().mkpath(m_dir->filePath("download"));
        QVERIFY(KvProjectArchiver::archive(data, zip));
        QVERIFY(proxy()->openProjectTemplate(zip, "Birthday"));
        QCOMPARE(current()->name(), QStringLiteral("Birthday"));
        QVERIFY(current()->filePath().isEmpty());
        QVERIFY(!current()->isModified());
        QCOMPARE(readFile(current()->mediaPaths().at(0)), QByteArray("video"));
        QVERIFY(current()->mediaPaths().at(0).startsWith(m_dir->filePath("download/tpl/")));
        // Not a file of the user's: it does not enter the recent list.
        QVERIFY(IKvProjectRecentManager::getInstance()->recentList().isEmpty());
    }

    // Without a provider the question is a message on the parent widget; its
    // three buttons decide.
    void defaultCloseDialog_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("saved");
        QTest::newRow("save") << int(FMessageDialog::Yes) << true << true;
        QTest::newRow("don't save") << int(FMessageDialog::No) << true << false;
        QTest::newRow("cancel") << int(FMessageDialog::Cancel) << false << false;
        QTest::newRow("dismissed") << int(FMessageDialog::Closed) << false << false;
    }
    void defaultCloseDialog()
    {
        QFETCH(int, answer);
        QFETCH(bool, closed);
        QFETCH(bool, saved);
        QWidget parent;
        proxy()->setParentWidget(&parent);
        proxy()->setCloseDecisionProvider({});
        const QString path = makeProject("dialog");
        openModified(path);
        const QByteArray before = readFile(path);
        QString seenText;
        QStringList seenButtons;
        QWidget *seenParent = nullptr;
        FMessageDialog::setAnswerer([&](FMessageDialog &box) {
            if (box.objectName() == "FProjectDocProxy_UnsavedChangesBox") {
                seenText = box.text();
                seenButtons = box.buttonTexts();
                seenParent = box.parentWidget();
            }
            return answer;
        });
        const bool exited = proxy()->exit();
        FMessageDialog::setAnswerer({});
        QVERIFY(seenText.contains("\"dialog\""));
        QCOMPARE(seenButtons, QStringList({"Save", "Don't Save", "Cancel"}));
        QCOMPARE(seenParent, &parent);
        QCOMPARE(exited, closed);
        QCOMPARE(!current(), closed);
        QCOMPARE(readFile(path) != before, saved);
    }

    // The first use may come from a start-up worker thread.
    void createdOnWorkerThread()
    {
        KvLazySingleton<FProjectDocProxy>::release();
        QThread worker;
        QObject context;
        context.moveToThread(&worker);
        worker.start();
        QMetaObject::invokeMethod(
            &context, [] { Proxy::instance()->SetDelayLoadProjectPath("/x/y.kvproj"); }, Qt::BlockingQueuedConnection);
        worker.quit();
        worker.wait();
        QCOMPARE(proxy()->thread(), qApp->thread());
        QCOMPARE(proxy()->delayLoadProjectPath(), QStringLiteral("/x/y.kvproj"));
        QCOMPARE(proxy(), KvLazySingleton<FProjectDocProxy>::instance());
    }

private:
    QScopedPointer<QTemporaryDir> m_dir;
    QList<QPair<int, QString>> m_pathRequests;
    QString m_nextPath;
    int m_decisions = 0;
    Proxy::CloseDecision m_decision = Proxy::CloseDecision::Cancel;
    std::function<void()> m_duringDecision;
};

QTEST_MAIN(TestFProjectDocProxy)
#include "tst_fprojectdocproxy.moc"
