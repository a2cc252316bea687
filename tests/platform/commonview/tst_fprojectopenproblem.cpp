#include "FProjectDocProxy.h"
#include "FProjectOpenProblem.h"
#include "IKvProjectManager.h"
#include "IKvProjectRecentManager.h"
#include "KvProjectSuffixHelper.h"
#include "KvTestFiles.h"
#include "KvTestLog.h"
#include "KvTestProjects.h"
#include "KvUnprivileged.h"

#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(FProjectOpenProblem::Reason)

using KvTestProjects::kGoodProject;
using KvTestProjects::recentPaths;

namespace {

using Reason = FProjectOpenProblem::Reason;

} // namespace

// Why an open failed, as the user is told: the reason is found whether the
// open comes through the document service or a cheap look before it, and
// nothing the user had (the open project, the recent list) is touched.
class TestFProjectOpenProblem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // Others may look inside: the unreadable file must be refused by its
        // own mode, not by the folder around it.
        QFile::setPermissions(m_dir.path(), QFile::permissions(m_dir.path()) | QFile::ExeOther | QFile::ReadOther);
        FProjectDocProxy::instance()->init();
        FProjectDocProxy::instance()->setCloseDecisionProvider(
            [](const QString &) { return FProjectDocProxy::CloseDecision::Discard; });
    }
    void cleanupTestCase()
    {
        // Joins the thumbnails still being drawn while the fonts are there.
        IKvProjectManager::releaseInstance();
    }

    void failedOpens_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content"); // null: no file written
        QTest::addColumn<bool>("folder");
        QTest::addColumn<bool>("unreadable");
        QTest::addColumn<Reason>("reason");
        QTest::addColumn<QString>("told");

        const QString archive = "Broken" + KvProjectSuffixHelper::archiveFileDottedSuffix();
        QTest::newRow("missing") << "Missing.kvproj" << QByteArray() << false << false << Reason::DoesNotExist
                                 << "does not exist";
        QTest::newRow("folder") << "Folder.kvproj" << QByteArray() << true << false << Reason::IsFolder
                                << "is a folder";
        QTest::newRow("malformed JSON") << "Malformed.kvproj" << QByteArray(R"({"format":"korvane-project",)")
                                        << false << false << Reason::NotAProject << "is not a Korvane project";
        QTest::newRow("empty JSON object") << "EmptyObject.kvproj" << QByteArray("{}") << false << false
                                           << Reason::NotAProject << "is not a Korvane project";
        QTest::newRow("empty file") << "Empty.kvproj" << QByteArray("") << false << false << Reason::NotAProject
                                    << "is not a Korvane project";
        QTest::newRow("JSON of something else") << "Other.kvproj" << QByteArray(R"({"format":"spreadsheet"})")
                                                << false << false << Reason::NotAProject
                                                << "is not a Korvane project";
        QTest::newRow("archive that is no zip") << archive << QByteArray("PK not really") << false << false
                                                << Reason::NotAProject << "is not a Korvane project";
        QTest::newRow("unreadable (mode 000)") << "Locked.kvproj" << kGoodProject << false << true
                                               << Reason::CannotBeRead << "cannot be read: ";
        QByteArray newer = kGoodProject;
        newer.replace("\"version\":1", "\"version\":99");
        QTest::newRow("newer version") << "Newer.kvproj" << newer << false << false << Reason::NewerVersion
                                       << "newer version";
    }

    void failedOpens()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(bool, folder);
        QFETCH(bool, unreadable);
        QFETCH(Reason, reason);
        QFETCH(QString, told);

        FProjectDocProxy *proxy = FProjectDocProxy::instance();
        const QString kept = m_dir.filePath("Kept.kvproj");
        writeAll(kept, kGoodProject);
        QVERIFY(proxy->openProject(kept));
        const QStringList recentBefore = recentPaths();
        QVERIFY(recentBefore.contains(kept));

        const QString path = m_dir.filePath(name);
        if (folder)
            QVERIFY(QDir().mkpath(path));
        else if (!content.isNull())
            writeAll(path, content);
        if (unreadable)
            QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));

        KvTestLog log;
        bool opened = true;
        FProjectOpenProblem probed;
        {
            KvUnprivileged unprivileged;
            probed = FProjectOpenProblem::probe(path);
            opened = proxy->openProject(path);
        }
        QVERIFY(!opened);
        const FProjectOpenProblem problem = proxy->lastOpenProblem();
        QCOMPARE(problem.reason(), reason);
        QCOMPARE(problem.path(), path);
        // What a look without reading can tell, it tells the same.
        const bool cheap = reason == Reason::DoesNotExist || reason == Reason::IsFolder || reason == Reason::CannotBeRead;
        QCOMPARE(probed.reason(), cheap ? reason : Reason::None);

        const QString message = problem.message();
        QVERIFY2(message.contains(told), qPrintable(message));
        QVERIFY2(message.contains(QDir::toNativeSeparators(path)), qPrintable(message));
        if (reason == Reason::CannotBeRead) {
            QVERIFY(!problem.systemReason().isEmpty());
            QVERIFY2(message.endsWith(problem.systemReason()), qPrintable(message));
        }
        // A folder is never reported, nor logged, as missing.
        if (reason != Reason::DoesNotExist)
            QVERIFY2(!log.lines().join('\n').contains("does not exist"), qPrintable(log.lines().join('\n')));
        QVERIFY(log.hasError("Open Project failed"));

        // Nothing the user had is lost.
        QCOMPARE(recentPaths(), recentBefore);
        QVERIFY(IKvProjectManager::getInstance()->currentProject());
        QCOMPARE(proxy->currentProjectPath(), kept);

        if (unreadable)
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    }

    void successClearsTheProblem()
    {
        FProjectDocProxy *proxy = FProjectDocProxy::instance();
        QVERIFY(!proxy->openProject(m_dir.filePath("Nowhere.kvproj")));
        QVERIFY(proxy->lastOpenProblem().isProblem());
        const QString good = m_dir.filePath("Good.kvproj");
        writeAll(good, kGoodProject);
        QVERIFY(proxy->openProject(good));
        QCOMPARE(proxy->lastOpenProblem().reason(), Reason::None);
        QVERIFY(proxy->lastOpenProblem().message().isEmpty());
    }

    // The start-up open of a remembered path reports its problem too, even
    // though it goes on with an untitled project.
    void startUpReportsTheProblem()
    {
        FProjectDocProxy *proxy = FProjectDocProxy::instance();
        const QString folder = m_dir.filePath("StartFolder.kvproj");
        QVERIFY(QDir().mkpath(folder));
        proxy->SetDelayLoadProjectPath("-open:" + folder);
        QVERIFY(!proxy->korvaneStartUp());
        proxy->clearDelayLoadProjectInfos();
        QCOMPARE(proxy->lastOpenProblem().reason(), Reason::IsFolder);
        QVERIFY(!recentPaths().contains(folder));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestFProjectOpenProblem)
#include "tst_fprojectopenproblem.moc"
