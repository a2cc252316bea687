#include "FCBSUpdater.h"
#include "FStartUpGraphs.h"
#include "FStartUpTaskCreator.h"
#include "FStartUpTasks.h"
#include "KorvaneApp.h"
#include "KorvanePageMgr.h"
#include "KvAppSettings.h"
#include "KvConfig.h"
#include "KvScheduleProject.h"
#include "KvScheduleProjectBuilder.h"
#include "KvScheduleTask.h"

#include "KvTestLog.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <sys/stat.h>

namespace {

// The shell's creator, remembering every task it made by name.
class RecordingCreator : public FStartUpTaskCreator
{
public:
    explicit RecordingCreator(QHash<QString, KvScheduleTask *> *made)
        : m_made(made)
    {
    }
    IKvScheduleTask *createTask(const QString &name, std::function<bool()> function) override
    {
        IKvScheduleTask *task = FStartUpTaskCreator::createTask(name, std::move(function));
        m_made->insert(name, dynamic_cast<KvScheduleTask *>(task));
        return task;
    }

private:
    QHash<QString, KvScheduleTask *> *m_made;
};

// A graph as built, with its tasks open to inspection while it lives.
struct BuiltGraph
{
    std::unique_ptr<KvScheduleProject> project;
    QHash<QString, KvScheduleTask *> tasks;
    QStringList errors;

    QStringList predecessorsOf(const QString &name) const
    {
        QStringList names;
        for (auto it = tasks.cbegin(); it != tasks.cend(); ++it) {
            if (it.value()->successors().contains(tasks.value(name)))
                names << it.key();
        }
        names.sort();
        return names;
    }
};

enum class Graph { First, FirstAfterLaunchTest, Second };

// Built with the work the editor really gives each task; none of it runs.
BuiltGraph build(Graph graph, const FStartUpTasks &work)
{
    BuiltGraph built;
    KvScheduleProjectBuilder builder(new RecordingCreator(&built.tasks));
    const FStartUpGraphs::StepFor stepFor = [&work](QLatin1String name) { return work.stepFor(name); };
    if (graph == Graph::Second)
        FStartUpGraphs::describeSecond(builder, stepFor);
    else
        FStartUpGraphs::describeFirst(builder, stepFor, graph == Graph::FirstAfterLaunchTest);
    built.project.reset(builder.create());
    built.errors = builder.errors();
    return built;
}

KorvaneApp *app()
{
    return static_cast<KorvaneApp *>(QCoreApplication::instance());
}

} // namespace

Q_DECLARE_METATYPE(Graph)

class TestStartUpGraphs : public QObject
{
    Q_OBJECT

private slots:
    // Each task of both graphs: thread, priority (0 = none set) and the tasks
    // it follows, as the editor's start-up needs them.
    void shape_data()
    {
        QTest::addColumn<Graph>("graph");
        QTest::addColumn<QString>("task");
        QTest::addColumn<bool>("mainThread");
        QTest::addColumn<int>("priority");
        QTest::addColumn<QStringList>("follows");
        const Graph f = Graph::First;
        const QString env = "Init Environment";
        const QString proxy = "Init Network Proxy";
        const QString editor = "Init Project Editor";
        auto row = [](Graph graph, const char *task, bool main, int priority, QStringList follows) {
            follows.sort();
            QTest::addRow("%s", task) << graph << QString(task) << main << priority << follows;
        };
        row(f, "Init Environment", true, 100, {});
        row(f, "Remove Package", true, 100, {});
        row(f, "Init Network Proxy", false, 0, {env});
        row(f, "Load Launch Test Cache", false, 90, {env});
        row(f, "Init GPU Info", false, 100, {"Load Launch Test Cache"});
        row(f, "Check Folder Permission", false, 70, {env});
        row(f, "Init Project Editor", true, 100, {env, "Init GPU Info", "Remove Package"});
        row(f, "show Splash Screen", true, 99, {env});
        row(f, "Prepare Run", true, 95, {editor});
        row(f, "Init SensorData", true, 0, {proxy});
        row(f, "Init CloudResourceUAC", false, 0, {env});
        row(f, "Init CloudDisk", false, 0, {proxy});
        row(f, "Init CbsUrl", true, 0, {proxy});
        row(f, "Init TcPush", false, 0, {proxy, "Init CbsUrl"});
        row(f, "Init Effect Installer", false, 0, {proxy});
        row(f, "Init Category Tree", false, 0, {"Init CbsUrl", editor, proxy});
        row(f, "Connect Signals", true, 0, {proxy});
        row(f, "Init ExportPresetManager", false, 0, {editor});
        row(f, "Extract Args", false, 0, {editor, "Init ExportPresetManager"});
        const Graph s = Graph::Second;
        row(s, "Init Vbl Font", false, 0, {});
        row(s, "Init Decoder", false, 0, {});
        row(s, "Init Local Font", false, 0, {"Init Vbl Font"});
        row(s, "Init Project", true, 0, {});
        row(s, "Load Installed Effect", false, 0, {"Init Project"});
        row(s, "Start System Monitor", false, 0, {});
    }
    void shape()
    {
        QFETCH(Graph, graph);
        QFETCH(QString, task);
        QFETCH(bool, mainThread);
        QFETCH(int, priority);
        QFETCH(QStringList, follows);
        FStartUpTasks work(*app());
        const BuiltGraph built = build(graph, work);
        QVERIFY2(built.errors.isEmpty(), qPrintable(built.errors.join('\n')));
        KvScheduleTask *made = built.tasks.value(task);
        QVERIFY2(made, qPrintable(task));
        QCOMPARE(made->isRunInMainThread(), mainThread);
        QCOMPARE(made->priority(), priority);
        QCOMPARE(built.predecessorsOf(task), follows);
    }

    // Every task has work, every piece of work belongs to a task, and the
    // launch test's own run of the base preparation replaces "Prepare Run".
    void everyTaskHasWork()
    {
        KvTestLog log;
        FStartUpTasks work(*app());
        const BuiltGraph first = build(Graph::First, work);
        const BuiltGraph afterTest = build(Graph::FirstAfterLaunchTest, work);
        const BuiltGraph second = build(Graph::Second, work);
        QVERIFY2(log.errors().isEmpty(), qPrintable(log.errors().join('\n')));
        QCOMPARE(first.project->taskCount(), 19);
        QCOMPARE(afterTest.project->taskCount(), 18);
        QVERIFY(!afterTest.project->taskNames().contains("Prepare Run"));
        QVERIFY(afterTest.errors.isEmpty());
        QCOMPARE(second.project->taskCount(), 6);

        QStringList used = first.project->taskNames() + second.project->taskNames();
        QStringList known = work.taskNames();
        used.sort();
        known.sort();
        QCOMPARE(known, used);
    }

    // A read-only existing folder sets the flag; the task still succeeds.
    // Missing folders and writable ones set nothing.
    void folderPermission_data()
    {
        QTest::addColumn<QString>("download");
        QTest::addColumn<QString>("snapshot");
        QTest::addColumn<bool>("flag");
        QTest::newRow("all writable") << "writable" << "writable" << false;
        QTest::newRow("missing folder") << "missing" << "writable" << false;
        QTest::newRow("read-only download folder") << "readonly" << "writable" << true;
        QTest::newRow("read-only snapshot folder") << "missing" << "readonly" << true;
    }
    void folderPermission()
    {
        QFETCH(QString, download);
        QFETCH(QString, snapshot);
        QFETCH(bool, flag);
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath("writable"));
        QDir().mkpath(dir.filePath("readonly"));
        ::chmod(QFile::encodeName(dir.filePath("readonly")).constData(), 0555);
        if (QFileInfo(dir.filePath("readonly")).isWritable())
            QSKIP("this user writes to read-only folders");
        FFolderSettings &folders = KvAppSettings::GetInstance()->GetSettings().GetFolderSettings();
        for (auto set : {&FFolderSettings::SetTempFileFolder, &FFolderSettings::SetCaptureFileFolder,
                         &FFolderSettings::SetRecoderVoiceFolder, &FFolderSettings::SetYouTobeFileFolder,
                         &FFolderSettings::SetCloudDiskFileFolder})
            (folders.*set)(dir.filePath("writable"));
        folders.SetDownloadFileFolder(dir.filePath(download));
        folders.SetSnapShotFileFolder(dir.filePath(snapshot));

        // A fresh application object each row would be a fresh process; the
        // flag only ever goes from false to true, so rows run in that order.
        FStartUpTasks work(*app());
        const bool before = app()->pathNotWritable();
        QVERIFY(work.checkFolderPermission());
        QCOMPARE(app()->pathNotWritable(), before || flag);
        if (!before)
            QCOMPARE(app()->pathNotWritable(), flag);
        ::chmod(QFile::encodeName(dir.filePath("readonly")).constData(), 0755);
    }

    // The web-address updater answers the page manager, with success only
    // when the address exists.
    void updaterReachesPageManager()
    {
        FStartUpTasks work(*app());
        QVERIFY(work.stepFor(QLatin1String("Connect Signals"))());
        FCBSUpdater *updater = app()->findChild<FCBSUpdater *>();
        QVERIFY(updater);
        QVERIFY(QObject::disconnect(updater, &FCBSUpdater::sigTargetUrlFinished, KorvanePageMgr::instance(),
                                    &KorvanePageMgr::targetUrlFinished));
        // Connected once, however often the step runs.
        QVERIFY(work.stepFor(QLatin1String("Connect Signals"))());
        QVERIFY(work.stepFor(QLatin1String("Connect Signals"))());
        QVERIFY(QObject::disconnect(updater, &FCBSUpdater::sigTargetUrlFinished, KorvanePageMgr::instance(),
                                    &KorvanePageMgr::targetUrlFinished));
        QVERIFY(!QObject::disconnect(updater, &FCBSUpdater::sigTargetUrlFinished, KorvanePageMgr::instance(),
                                     &KorvanePageMgr::targetUrlFinished));

        // The user's list of addresses lies beside the configuration store.
        const QString urls = QFileInfo(KvConfig::Instance()->storeFile()).dir().filePath("CBSUrls.ini");
        QDir().mkpath(QFileInfo(urls).path());
        QFile file(urls);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[CBSUrl]\nInstantMode=\"https://example.invalid/instant?a=1,b=2\"\n");
        file.close();

        QSignalSpy spy(updater, &FCBSUpdater::sigTargetUrlFinished);
        updater->requestTargetUrl(25, "NoSuchPageKey");
        updater->requestTargetUrl(25, "InstantMode");
        QTRY_COMPARE(spy.count(), 2);
        QCOMPARE(spy.at(0).at(0).toInt(), 25);
        QCOMPARE(spy.at(0).at(1).toBool(), false);
        QVERIFY(spy.at(0).at(2).toString().isEmpty());
        QCOMPARE(spy.at(1).at(1).toBool(), true);
        QCOMPARE(spy.at(1).at(2).toString(), QString("https://example.invalid/instant?a=1,b=2"));
        QFile::remove(urls);
    }
};

int main(int argc, char *argv[])
{
    // The tasks work on the editor's own application object.
    KorvaneApp app(argc, argv);
    TestStartUpGraphs test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_fstartupgraphs.moc"
