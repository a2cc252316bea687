#include "IKvProjectManager.h"
#include "IKvProjectManagerEventObserver.h"
#include "IKvProjectRecentManager.h"
#include "KvPaths.h"
#include "KvProjectFile.h"
#include "KvProjectSuffixHelper.h"
#include "KvTestLog.h"

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

namespace {

class RecordingObserver : public IKvProjectManagerEventObserver
{
public:
    void onProjectOpened(IKvProject *project) override { events << "opened:" + project->name(); }
    void onProjectClosed(IKvProject *, const QString &path) override
    {
        events << "closed:" + QFileInfo(path).fileName();
        if (onClose)
            onClose();
    }
    void onProjectModifiedChanged(IKvProject *, bool modified) override
    {
        events << QStringLiteral("modified:%1").arg(modified);
    }
    void onProjectSaved(IKvProject *, const QString &path) override { events << "saved:" + QFileInfo(path).fileName(); }

    QStringList events;
    std::function<void()> onClose;
};

KvProjectData sample(const QString &mediaDir)
{
    KvProjectData data;
    data.settings = {1280, 720, 25.0};
    data.mediaPaths = QStringList{QDir(mediaDir).filePath("a.mp4"), QDir(mediaDir).filePath("b.mp4")};
    data.clips = {{0, 0, 0, 0, 3000}, {1, 1, 1000, 200, 1200}};
    return data;
}

IKvProjectManager *manager()
{
    return IKvProjectManager::getInstance();
}

} // namespace

class TestKvProjectManager : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        IKvProjectManager::releaseInstance();
        IKvProjectRecentManager::releaseInstance();
        QDir(KvPaths::userDataDir()).removeRecursively();
    }

    void cleanupTestCase()
    {
        IKvProjectManager::releaseInstance();
        IKvProjectRecentManager::releaseInstance();
    }

    // The completion runs on the GUI thread, after the caller returned, once
    // per call; the work itself is done once.
    void initializeAnswersLaterOnGuiThread()
    {
        QList<bool> answers;
        QList<QThread *> threads;
        auto done = [&](bool ok) {
            answers << ok;
            threads << QThread::currentThread();
        };
        QThread worker;
        QObject context;
        context.moveToThread(&worker);
        worker.start();
        QMetaObject::invokeMethod(&context, [&] { manager()->initialize(done); }, Qt::BlockingQueuedConnection);
        manager()->initialize(done);
        worker.quit();
        worker.wait();
        QVERIFY(answers.isEmpty());
        QTRY_COMPARE(answers.size(), 2);
        QCOMPARE(answers, QList<bool>({true, true}));
        QCOMPARE(threads, QList<QThread *>({qApp->thread(), qApp->thread()}));
        QVERIFY(manager()->isInitialized());
        QVERIFY(QFileInfo(KvPaths::userDataDir()).isDir());
    }

    void observersFollowTheProject()
    {
        QTemporaryDir dir;
        RecordingObserver observer;
        manager()->addObserver(&observer);
        manager()->addObserver(&observer); // once is enough

        IKvProject *project = manager()->createProject(sample(dir.path()));
        QVERIFY(project->addMedia(dir.filePath("c.mp4")) == 2);
        QVERIFY(project->addMedia(dir.filePath("./c.mp4")) == 2); // same medium
        QVERIFY(project->addClip({2, 0, 5000, 0, 100}));
        QVERIFY(manager()->saveProject(dir.filePath("first.kvproj")));
        QCOMPARE(project->name(), QStringLiteral("first"));
        manager()->closeProject();
        QVERIFY(!manager()->currentProject());
        QCOMPARE(observer.events,
                 QStringList({"opened:", "modified:1", "modified:0", "saved:first.kvproj", "closed:first.kvproj"}));

        // An observer that leaves while being told is not called again.
        observer.events.clear();
        observer.onClose = [&] { manager()->removeObserver(&observer); };
        manager()->createProject(sample(dir.path()));
        manager()->closeProject();
        manager()->createProject(sample(dir.path()));
        QCOMPARE(observer.events, QStringList({"opened:", "closed:"}));
        manager()->removeObserver(&observer);
    }

    void modelEditsValidate()
    {
        QTemporaryDir dir;
        IKvProject *project = manager()->createProject(sample(dir.path()));
        QVERIFY(!project->isModified());
        QVERIFY(!project->addClip({7, 0, 0, 0, 10}));    // no such medium
        QVERIFY(!project->addClip({0, 0, 0, 10, 10}));   // no duration
        QVERIFY(!project->setSettings({0, 720, 25.0}));
        QVERIFY(!project->isModified());
        QCOMPARE(project->addMedia(QString()), -1);

        // Removing a medium drops its clips and renumbers the others.
        QVERIFY(project->removeMedia(0));
        QCOMPARE(project->mediaPaths(), QStringList({dir.filePath("b.mp4")}));
        QCOMPARE(project->clips(), QVector<KvTimelineClip>({{0, 1, 1000, 200, 1200}}));
        QCOMPARE(project->durationMs(), 2000);
        QVERIFY(project->isModified());
    }

    // The saved thumbnail wins; without it one is drawn from the project.
    void thumbnails()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Wide.kvproj");
        manager()->createProject(sample(dir.path()));
        QVERIFY(manager()->saveProject(path));
        const QString thumb = KvProjectSuffixHelper::thumbnailPathFor(path);
        // Written off the GUI thread; the file appears whole when it is done.
        QTRY_VERIFY(QFileInfo(thumb).isFile());
        QPixmap saved = IKvProject::getThumbnail(path);
        QCOMPARE(saved.size(), QSize(320, 180));

        QVERIFY(QFile::remove(thumb));
        KvProjectData portrait = sample(dir.path());
        portrait.settings = {1080, 1920, 30.0};
        QVERIFY(KvProjectFile::write(path, portrait));
        QCOMPARE(IKvProject::getThumbnail(path).size(), QSize(180, 320));

        // A broken stored thumbnail falls back to drawing.
        QFile broken(thumb);
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not a png");
        broken.close();
        QCOMPARE(IKvProject::getThumbnail(path).size(), QSize(180, 320));

        QVERIFY(IKvProject::getThumbnail(dir.filePath("missing.kvproj")).isNull());
        QFile garbage(dir.filePath("garbage.kvproj"));
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write("garbage");
        garbage.close();
        KvTestLog log;
        QVERIFY(IKvProject::getThumbnail(garbage.fileName()).isNull());
        QVERIFY(log.hasError("garbage.kvproj"));
    }

    // Opening a project leaves a current thumbnail beside it, so that the
    // start page never has to read the project to show one.
    void thumbnailOnOpen_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("rewritten");
        QTest::newRow("none yet") << "none" << true;
        QTest::newRow("older than the project") << "stale" << true;
        QTest::newRow("current") << "current" << false;
    }

    void thumbnailOnOpen()
    {
        QFETCH(QString, before);
        QFETCH(bool, rewritten);
        QTemporaryDir dir;
        const QString path = dir.filePath("Open.kvproj");
        QVERIFY(KvProjectFile::write(path, sample(dir.path())));
        const QString thumb = KvProjectSuffixHelper::thumbnailPathFor(path);
        const QByteArray marker("kept as it was");
        if (before != "none") {
            QFile file(thumb);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(marker);
            // Written out now, so that closing does not touch the time again.
            QVERIFY(file.flush());
            const QDateTime project = QFileInfo(path).lastModified();
            QVERIFY(file.setFileTime(before == "stale" ? project.addSecs(-60) : project.addSecs(60),
                                     QFileDevice::FileModificationTime));
        }
        QCOMPARE(manager()->openProject(path), KvProjectFile::ReadResult::Ok);
        // Releasing the manager waits for the writes it queued.
        IKvProjectManager::releaseInstance();
        QFile file(thumb);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes != marker, rewritten);
        if (rewritten)
            QVERIFY(bytes.startsWith("\x89PNG"));
    }

    // Names compare without case; each missing effect is reported once, in
    // the project's order.
    void missingEffects_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QStringList>("required");
        QTest::addColumn<QStringList>("missing");
        QTest::newRow("none installed") << QStringList() << QStringList{"Glow", "Blur"} << QStringList{"Glow", "Blur"};
        QTest::newRow("case ignored") << QStringList{"glow"} << QStringList{"GLOW", "Blur"} << QStringList{"Blur"};
        QTest::newRow("repeats once") << QStringList{"Glow"} << QStringList{"Blur", "Glow", "Blur"}
                                      << QStringList{"Blur"};
        QTest::newRow("all installed") << QStringList{"Blur", "Glow"} << QStringList{"Glow", "Blur"}
                                       << QStringList();
        QTest::newRow("nothing required") << QStringList{"Glow"} << QStringList() << QStringList();
    }

    void missingEffects()
    {
        QFETCH(QStringList, installed);
        QFETCH(QStringList, required);
        QFETCH(QStringList, missing);
        manager()->setInstalledEffects(installed);
        KvProjectData data;
        data.requiredEffects = required;
        QCOMPARE(manager()->missingEffects(data), missing);
    }
};

QTEST_MAIN(TestKvProjectManager)
#include "tst_kvprojectmanager.moc"
