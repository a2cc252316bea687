#include "IKvAppInfo.h"
#include "IKvProjectManager.h"
#include "IKvProjectRecentManager.h"
#include "KvAppInfoId.h"
#include "KvAutoBackupWriter.h"
#include "KvBackupNote.h"
#include "KvBackupVersions.h"
#include "KvProject.h"
#include "KvProjectFile.h"
#include "KvTestFiles.h"
#include "KvTestLog.h"

#include <QGuiApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

KvProjectData sample(int clips = 2)
{
    KvProjectData data;
    data.name = QStringLiteral("Trip");
    data.settings = {1280, 720, 25.0};
    data.mediaPaths = QStringList{QStringLiteral("/media/a.mp4"), QStringLiteral("/media/b.mp4")};
    for (int i = 0; i < clips; ++i)
        data.clips << KvTimelineClip{i % 2, 0, i * 1000LL, 0, 1000};
    return data;
}

KvTimelineClip oneMoreClip(const IKvProject &project)
{
    return {0, 1, project.durationMs(), 0, 500};
}

QString notedBackup(const QString &note)
{
    QString path;
    return KvBackupNote::read(note, &path) == KvBackupNote::ReadResult::Ok ? path : QString();
}

} // namespace

// The automatic backup: when it writes, what it writes, what it keeps, and
// that it keeps no timer running without something new to back up. The
// test's interval is 40 ms (KORVANE_AUTOBACKUP_INTERVAL_MS, set by CMake).
class TestKvAutoBackupWriter : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString backupDir() const { return m_dir.filePath("Backup"); }
    QString note() const { return KvBackupNote::pathIn(backupDir()); }
    QString projectPath() const { return m_dir.filePath("projects/Trip.kvproj"); }

    KvAutoBackupConfig config(int keep = 10) const { return {true, 300, keep, QString()}; }

    // A project as the manager makes one: the writer hears of every change.
    std::unique_ptr<KvProject> makeProject(KvAutoBackupWriter &writer, const QString &path)
    {
        auto project = std::make_unique<KvProject>(sample(), path);
        KvProject *raw = project.get();
        raw->setChangeListener([&writer] { writer.projectChanged(); });
        writer.setProject(raw);
        return project;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        IKvAppInfo::getInstance()->setValue(KvAppInfoId::BackupDir, backupDir());
    }

    void init()
    {
        QDir(backupDir()).removeRecursively();
        QDir(m_dir.filePath("elsewhere")).removeRecursively();
    }

    void cleanupTestCase()
    {
        IKvProjectManager::releaseInstance();
        IKvProjectRecentManager::releaseInstance();
    }

    void backsUpAChangeOnceAndThenRests()
    {
        KvAutoBackupWriter writer;
        writer.setConfig(config());
        QCOMPARE(writer.intervalMs(), 40);
        auto project = makeProject(writer, projectPath());
        // Nothing unsaved: no timer.
        QVERIFY(!writer.isTimerActive());

        QSignalSpy finished(&writer, &KvAutoBackupWriter::sigBackupFinished);
        QVERIFY(project->addClip(oneMoreClip(*project)));
        QVERIFY(writer.isTimerActive());
        // Further changes within the interval do not push the backup back.
        QVERIFY(project->addClip(oneMoreClip(*project)));
        QVERIFY(finished.wait(5000));
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toBool(), true);

        const QString path = finished.at(0).at(1).toString();
        QCOMPARE(notedBackup(note()), path);
        QCOMPARE(QFileInfo(path).absolutePath(), QFileInfo(backupDir()).absoluteFilePath());
        KvProjectData back;
        QCOMPARE(KvProjectFile::read(path, &back), KvProjectFile::ReadResult::Ok);
        QCOMPARE(back.clips, project->clips());
        QCOMPARE(back.mediaPaths, project->mediaPaths());
        // Nothing new since: no timer, no second version.
        QVERIFY(!writer.isTimerActive());
        QTest::qWait(150);
        QCOMPARE(finished.count(), 1);
        QVERIFY(project->isModified());
    }

    void keepsTheConfiguredNumberOfVersions()
    {
        KvAutoBackupWriter writer;
        writer.setConfig(config(3));
        auto project = makeProject(writer, projectPath());
        QSignalSpy finished(&writer, &KvAutoBackupWriter::sigBackupFinished);
        for (int i = 0; i < 5; ++i) {
            QVERIFY(project->addClip(oneMoreClip(*project)));
            QVERIFY(finished.wait(5000));
        }
        const QStringList versions =
            KvBackupVersions::list(backupDir(), KvBackupVersions::seriesFor(projectPath(), QString()));
        QCOMPARE(versions.size(), 3);
        QCOMPARE(notedBackup(note()), versions.last());
        QCOMPARE(finished.last().at(1).toString(), versions.last());
    }

    // The user's backup folder takes the versions; the note stays where the
    // next start looks for it.
    void versionsGoToTheChosenFolder()
    {
        KvAutoBackupWriter writer;
        KvAutoBackupConfig chosen = config();
        chosen.backupProjectFile = m_dir.filePath("elsewhere");
        writer.setConfig(chosen);
        auto project = makeProject(writer, QString());
        QSignalSpy finished(&writer, &KvAutoBackupWriter::sigBackupFinished);
        QVERIFY(project->addClip(oneMoreClip(*project)));
        QVERIFY(finished.wait(5000));
        const QString path = notedBackup(note());
        QVERIFY2(path.startsWith(chosen.backupProjectFile + "/Untitled_"), qPrintable(path));
    }

    void switchedOffOrUnconfiguredMeansNoTimer_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("switchOnLater");
        QTest::newRow("off") << false << false;
        QTest::newRow("off, then on with changes waiting") << false << true;
    }
    void switchedOffOrUnconfiguredMeansNoTimer()
    {
        QFETCH(bool, enabled);
        QFETCH(bool, switchOnLater);
        KvAutoBackupWriter writer;
        KvAutoBackupConfig off = config();
        off.enabled = enabled;
        writer.setConfig(off);
        auto project = makeProject(writer, projectPath());
        QVERIFY(project->addClip(oneMoreClip(*project)));
        QVERIFY(!writer.isTimerActive());
        QTest::qWait(100);
        QVERIFY(!QFile::exists(note()));
        if (switchOnLater) {
            writer.setConfig(config());
            QVERIFY(writer.isTimerActive());
            QTRY_VERIFY(!notedBackup(note()).isEmpty());
        }
    }

    // A folder that cannot be made: logged, the note untouched, and no retry
    // until the project changes again.
    void aFailedWriteWaitsForTheNextChange()
    {
        writeAll(m_dir.filePath("plainfile"), "x");
        KvAutoBackupWriter writer;
        KvAutoBackupConfig broken = config();
        broken.backupProjectFile = m_dir.filePath("plainfile/Backup");
        writer.setConfig(broken);
        auto project = makeProject(writer, projectPath());
        KvTestLog log;
        QSignalSpy finished(&writer, &KvAutoBackupWriter::sigBackupFinished);
        QVERIFY(project->addClip(oneMoreClip(*project)));
        QVERIFY(finished.wait(5000));
        QCOMPARE(finished.at(0).at(0).toBool(), false);
        QVERIFY(log.hasError(QStringLiteral("automatic backup failed")));
        QVERIFY(!QFile::exists(note()));
        QVERIFY(!writer.isTimerActive());
        QVERIFY(project->addClip(oneMoreClip(*project)));
        QVERIFY(writer.isTimerActive());
    }

    void aProjectThatDoesNotHoldTogetherIsNotWritten()
    {
        KvAutoBackupWriter::Job job;
        job.data = sample();
        job.data.clips << KvTimelineClip{7, 0, 0, 0, 100}; // no medium 7
        job.folder = backupDir();
        job.notePath = note();
        job.series = QStringLiteral("Trip_0123abcd");
        job.dottedSuffix = QStringLiteral(".kvproj");
        KvTestLog log;
        const KvAutoBackupWriter::Result result = KvAutoBackupWriter::write(job);
        QVERIFY(!result.ok);
        QVERIFY(!result.error.isEmpty());
        QVERIFY(KvBackupVersions::list(backupDir(), job.series).isEmpty());
        QVERIFY(!QFile::exists(note()));
    }

    // Through the manager: saving and an orderly close take the entry out of
    // the note; a manager released with unsaved changes leaves it.
    void theNoteFollowsTheProjectsLife_data()
    {
        QTest::addColumn<QString>("ending");
        QTest::addColumn<bool>("noteKept");
        QTest::newRow("saved") << "save" << false;
        QTest::newRow("closed") << "close" << false;
        QTest::newRow("another project opened") << "replace" << false;
        QTest::newRow("dropped unsaved") << "release" << true;
    }
    void theNoteFollowsTheProjectsLife()
    {
        QFETCH(QString, ending);
        QFETCH(bool, noteKept);
        QVERIFY(QDir().mkpath(QFileInfo(projectPath()).absolutePath()));
        QVERIFY(KvProjectFile::write(projectPath(), sample()));
        IKvProjectManager *manager = IKvProjectManager::getInstance();
        manager->setAutoBackupInterval(300, 10);
        manager->setBackupProjectFile(QString());
        manager->setAutoBackupEnabled(true);
        QCOMPARE(manager->openProject(projectPath()), KvProjectFile::ReadResult::Ok);
        IKvProject *project = manager->currentProject();
        QVERIFY(project->addClip(oneMoreClip(*project)));
        QTRY_VERIFY(!notedBackup(note()).isEmpty());

        if (ending == "save")
            QVERIFY(manager->saveProject());
        else if (ending == "close")
            manager->closeProject();
        else if (ending == "replace")
            manager->createProject(sample());
        else
            IKvProjectManager::releaseInstance();
        // The note changes on the writer's thread, after any backup in flight.
        QTest::qWait(200);
        QCOMPARE(!notedBackup(note()).isEmpty(), noteKept);
        IKvProjectManager::releaseInstance();
    }
};

QTEST_MAIN(TestKvAutoBackupWriter)
#include "tst_kvautobackupwriter.moc"
