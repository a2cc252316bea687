#include "FProjectDocProxy.h"
#include "IKvProjectManager.h"
#include "IKvProjectRecentManager.h"
#include "KvLargeProject.h"
#include "KvTestLog.h"
#include "KvTestProjects.h"

#include <QtTest>
#include <QtWidgets>

Q_DECLARE_METATYPE(FProjectOpenProblem::Reason)

using KvTestProjects::recentPaths;

namespace {

constexpr int kCount = 100000;

IKvProjectManager *manager()
{
    return IKvProjectManager::getInstance();
}

} // namespace

// Opening a project too large to read between two event-loop turns: the loop
// keeps turning while the file is read, and the open ends as a synchronous
// one would, with the project open or with its reason and nothing changed.
class TestLargeProjectOpen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_good = KvLargeProject::json(kCount);
        m_kept = m_dir.filePath("Kept.kvproj");
        QVERIFY(KvLargeProject::write(m_kept, KvLargeProject::json(2)));
        FProjectDocProxy::instance()->init();
        FProjectDocProxy::instance()->setCloseDecisionProvider(
            [](const QString &) { return FProjectDocProxy::CloseDecision::Discard; });
    }
    void init() { QVERIFY(FProjectDocProxy::instance()->openProject(m_kept)); }
    void cleanupTestCase()
    {
        // Joins the thumbnails still being drawn while the fonts are there.
        IKvProjectManager::releaseInstance();
    }

    void opens_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<FProjectOpenProblem::Reason>("reason");

        using Reason = FProjectOpenProblem::Reason;
        QTest::newRow("100,000 media and clips") << m_good << Reason::None;
        QTest::newRow("cut off half-way") << m_good.left(m_good.size() / 2) << Reason::NotAProject;
        QByteArray lastClipBroken = m_good;
        lastClipBroken.replace(lastClipBroken.lastIndexOf("\"out\":2000"), 10, "\"out\":\"2s\"");
        QTest::newRow("last clip broken") << lastClipBroken << Reason::NotAProject;
        QByteArray lastMediaMissing = m_good;
        lastMediaMissing.replace(QByteArray("\"media\":") + QByteArray::number(kCount - 1) + ',',
                                 QByteArray("\"media\":") + QByteArray::number(kCount) + ',');
        QTest::newRow("last clip names no medium") << lastMediaMissing << Reason::NotAProject;
        QTest::newRow("newer version") << KvLargeProject::json(kCount, 2) << Reason::NewerVersion;
    }
    void opens()
    {
        QFETCH(QByteArray, content);
        QFETCH(FProjectOpenProblem::Reason, reason);
        const bool good = reason == FProjectOpenProblem::Reason::None;
        const QString path = m_dir.filePath(QStringLiteral("%1.kvproj").arg(QTest::currentDataTag()));
        QVERIFY(KvLargeProject::write(path, content));

        FProjectDocProxy *proxy = FProjectDocProxy::instance();
        bool turned = false;
        bool busyWhenTurned = false;
        QObject turns; // a timer that did not fire dies with it
        QTimer::singleShot(0, &turns, [&] {
            turned = true;
            busyWhenTurned = manager()->isBusy() && proxy->isBusy();
        });
        QSignalSpy changed(proxy, &FProjectDocProxy::sigCurrentProjectChanged);
        QSignalSpy unsupported(proxy, &FProjectDocProxy::sigShowUnsupportDlg);
        const QStringList recentBefore = recentPaths();
        KvTestLog log;

        QCOMPARE(proxy->openProject(path), good);
        QVERIFY2(turned, "the event loop did not turn while the file was read");
        QVERIFY(busyWhenTurned);
        QVERIFY(!manager()->isBusy());
        QVERIFY(!proxy->isBusy());
        QCOMPARE(unsupported.count(), reason == FProjectOpenProblem::Reason::NewerVersion ? 1 : 0);
        if (good) {
            QCOMPARE(proxy->currentProjectPath(), path);
            IKvProject *project = manager()->currentProject();
            QCOMPARE(project->mediaPaths().size(), kCount);
            QCOMPARE(project->mediaPaths().last(), m_dir.filePath(QStringLiteral("media/clip%1.mp4").arg(kCount - 1)));
            QCOMPARE(project->clips().size(), kCount);
            QVERIFY(!project->isModified());
            QCOMPARE(recentPaths().value(0), path);
            QVERIFY2(log.errors().isEmpty(), qPrintable(log.errors().join('\n')));
        } else {
            // The kept project is untouched: no half-read one replaced it.
            QCOMPARE(changed.count(), 0);
            QCOMPARE(proxy->currentProjectPath(), m_kept);
            QCOMPARE(manager()->currentProject()->mediaPaths().size(), 2);
            QCOMPARE(recentPaths(), recentBefore);
            const FProjectOpenProblem problem = proxy->lastOpenProblem();
            QCOMPARE(problem.reason(), reason);
            QCOMPARE(problem.path(), path);
            QVERIFY(log.hasError(path));
        }
    }

    // An operation asked for while the read turns the loop is refused, not
    // nested, and the service says when it takes new ones again.
    void operationsDuringTheRead()
    {
        const QString path = m_dir.filePath("Refusing.kvproj");
        QVERIFY(KvLargeProject::write(path, m_good));
        FProjectDocProxy *proxy = FProjectDocProxy::instance();
        QSignalSpy ended(proxy, &FProjectDocProxy::sigOperationEnded);
        bool nestedOpen = true;
        FProjectDocProxy::SaveType nestedSave = FProjectDocProxy::SaveType_Saved;
        int endedDuringRead = -1;
        QObject turns;
        QTimer::singleShot(0, &turns, [&] {
            nestedOpen = proxy->openProject(m_kept);
            nestedSave = proxy->saveProject();
            endedDuringRead = ended.count();
        });
        QVERIFY(proxy->openProject(path));
        QVERIFY(!nestedOpen);
        QCOMPARE(nestedSave, FProjectDocProxy::SaveType_Busy);
        QCOMPARE(endedDuringRead, 0);
        QCOMPARE(ended.count(), 1);
        QCOMPARE(proxy->currentProjectPath(), path);
    }

private:
    QTemporaryDir m_dir;
    QByteArray m_good;
    QString m_kept;
};

QTEST_MAIN(TestLargeProjectOpen)
#include "tst_largeprojectopen.moc"
