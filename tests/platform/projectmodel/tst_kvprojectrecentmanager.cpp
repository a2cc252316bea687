#include "IKvProjectManager.h"
#include "IKvProjectRecentManager.h"
#include "KvPaths.h"
#include "KvTestFiles.h"
#include "KvTestLog.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

IKvProjectRecentManager *recent()
{
    return IKvProjectRecentManager::getInstance();
}

QStringList paths(const QList<KvProjectRecentInfo> &list)
{
    QStringList result;
    for (const KvProjectRecentInfo &info : list)
        result << info.getPath();
    return result;
}

void touch(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{}");
}

// Starts the next run: the list comes back only from its file.
void restart()
{
    IKvProjectManager::releaseInstance();
    IKvProjectRecentManager::releaseInstance();
}

QByteArray listFile(const QStringList &entryPaths)
{
    QByteArray json = "{\"version\":1,\"projects\":[";
    for (int i = 0; i < entryPaths.size(); ++i) {
        json += (i ? "," : "") + QByteArray("{\"path\":\"") + entryPaths.at(i).toUtf8()
            + "\",\"type\":0,\"modifyTime\":\"2024-01-02T03:04:05.000Z\"}";
    }
    return json + "]}";
}

QStringList asideCopies()
{
    return QDir(KvPaths::userDataDir()).entryList({"recentProjects.json.corrupt-*"}, QDir::Files);
}

} // namespace

class TestKvProjectRecentManager : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        restart();
        QDir(KvPaths::userDataDir()).removeRecursively();
        m_dir.reset(new QTemporaryDir);
    }

    void cleanupTestCase() { restart(); }

    void orderingAndDedupe()
    {
        touch(m_dir->filePath("a.kvproj"));
        touch(m_dir->filePath("b.kvproj"));
        const QString a = QFileInfo(m_dir->filePath("a.kvproj")).canonicalFilePath();
        const QString b = QFileInfo(m_dir->filePath("b.kvproj")).canonicalFilePath();
        QVERIFY(QFile::link(a, m_dir->filePath("link.kvproj")));
        QSignalSpy changed(recent(), &IKvProjectRecentManager::sigRecentListChanged);

        recent()->add(a, KvProjectType::Normal);
        recent()->add(b, KvProjectType::InstantMode);
        QCOMPARE(paths(recent()->recentList()), QStringList({b, a}));
        QCOMPARE(recent()->recentList().first().getType(), KvProjectType::InstantMode);

        // Other spellings of a: a dotted path and a link. Each moves a to the front.
        recent()->add(m_dir->path() + "/./sub/../a.kvproj", KvProjectType::Normal);
        QCOMPARE(paths(recent()->recentList()), QStringList({a, b}));
        recent()->add(b, KvProjectType::Normal);
        recent()->add(m_dir->filePath("link.kvproj"), KvProjectType::Normal);
        QCOMPARE(paths(recent()->recentList()), QStringList({a, b}));
        QCOMPARE(changed.count(), 5);

        QVERIFY(recent()->remove(m_dir->filePath("link.kvproj")));
        QCOMPARE(paths(recent()->recentList()), QStringList({b}));
        QVERIFY(!recent()->remove(a));
        recent()->clear();
        QVERIFY(recent()->recentList().isEmpty());
        QCOMPARE(changed.count(), 7);
    }

    void capKeepsTheNewest()
    {
        QStringList added;
        for (int i = 0; i < IKvProjectRecentManager::kMaxCount + 5; ++i) {
            added.prepend(m_dir->filePath(QStringLiteral("p%1.kvproj").arg(i)));
            recent()->add(added.first(), KvProjectType::Normal);
        }
        QCOMPARE(paths(recent()->recentList()), added.mid(0, IKvProjectRecentManager::kMaxCount));
    }

    // Entries of vanished files stay listed; the existing-only query skips them.
    void vanishedFiles()
    {
        const QString kept = m_dir->filePath("kept.kvproj");
        const QString gone = m_dir->filePath("gone.kvproj");
        touch(kept);
        touch(gone);
        recent()->add(kept, KvProjectType::Normal);
        recent()->add(gone, KvProjectType::Normal);
        QVERIFY(QFile::remove(gone));
        QCOMPARE(paths(recent()->recentList()), QStringList({gone, kept}));
        QCOMPARE(paths(recent()->recentList(true)), QStringList({kept}));
        QVERIFY(!recent()->recentList().first().exists());
    }

    void persistsAcrossRuns()
    {
        const QString a = m_dir->filePath("a.kvproj");
        touch(a);
        recent()->add(a, KvProjectType::InstantMode);
        recent()->add(m_dir->filePath("missing.kvproj"), KvProjectType::Normal);
        const QList<KvProjectRecentInfo> before = recent()->recentList();
        QCOMPARE(before.last().getModifyTime(), QFileInfo(a).lastModified().toUTC());

        restart();
        QCOMPARE(recent()->recentList(), before);

        recent()->setUserId("user@example.com");
        QVERIFY(recent()->recentList().isEmpty());
        recent()->add(a, KvProjectType::Normal);
        recent()->setUserId(QString());
        QCOMPARE(recent()->recentList(), before);
    }

    void corruptFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("garbage") << QByteArray("\x01\x02 not json");
        QTest::newRow("truncated") << QByteArray("{\"version\":1,\"projects\":[{\"path\":\"/a");
        QTest::newRow("not an object") << QByteArray("[]");
        QTest::newRow("projects not a list") << QByteArray("{\"version\":1,\"projects\":{}}");
        QTest::newRow("newer version") << QByteArray("{\"version\":2,\"projects\":[]}");
        // Valid, but far more than twenty entries could ever need.
        QTest::newRow("oversize") << QByteArray("{\"version\":1,\"projects\":[]}") + QByteArray(1024 * 1024, ' ');
    }

    void corruptFile()
    {
        QFETCH(QByteArray, content);
        QDir().mkpath(KvPaths::userDataDir());
        const QString path = recent()->storagePath();
        restart();
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        KvTestLog log;
        QVERIFY(recent()->recentList().isEmpty());
        QVERIFY2(log.hasError("recent projects"), qPrintable(log.errors().join('\n')));
        const QStringList aside = asideCopies();
        QCOMPARE(aside.size(), 1);
        QVERIFY(!QFileInfo::exists(path));
        QFile copy(QDir(KvPaths::userDataDir()).filePath(aside.first()));
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), content);

        // The list works again and replaces the broken file.
        recent()->add(m_dir->filePath("a.kvproj"), KvProjectType::Normal);
        restart();
        QCOMPARE(recent()->recentList().size(), 1);
    }

    // A hand-edited file: bad entries are dropped, the rest kept once each.
    void damagedEntries()
    {
        QDir().mkpath(KvPaths::userDataDir());
        const QString path = recent()->storagePath();
        restart();
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{\"version\":1,\"projects\":["
                   "{\"path\":\"/x/a.kvproj\",\"type\":0,\"modifyTime\":\"2024-01-02T03:04:05.000Z\"},"
                   "{\"path\":\"\",\"type\":0},"
                   "{\"path\":\"/x/b.kvproj\",\"type\":9},"
                   "{\"path\":\"/x/./a.kvproj\",\"type\":1},"
                   "{\"path\":\"/x/c.kvproj\",\"type\":1}]}");
        file.close();
        KvTestLog log;
        QCOMPARE(paths(recent()->recentList()), QStringList({"/x/a.kvproj", "/x/c.kvproj"}));
        QCOMPARE(recent()->recentList().first().getModifyTime(), QDateTime(QDate(2024, 1, 2), QTime(3, 4, 5), Qt::UTC));
        QCOMPARE(log.errors().size(), 2);
    }

    // A start asks for the list from several places (the project manager's
    // start-up work, the start page); the file is read once.
    void readOncePerStart()
    {
        writeAll(recent()->storagePath(), listFile({m_dir->filePath("a.kvproj")}));
        restart();
        IKvProjectManager *projects = IKvProjectManager::getInstance();
        projects->initialize(nullptr);
        projects->load();
        QCOMPARE(recent()->recentList().size(), 1);
        recent()->recentList(true);
        projects->load();
        QCOMPARE(recent()->fileReadCount(), 1);

        // Only an explicit reload reads it again.
        recent()->reload();
        QCOMPARE(recent()->fileReadCount(), 2);
    }

    // A damaged file is moved aside once, not copied at every start, and at
    // most three such copies are kept.
    void corruptFileMovedAsideOnce()
    {
        const QString path = recent()->storagePath();
        for (int start = 1; start <= 5; ++start) {
            restart();
            // Every start but the third meets a new damaged file.
            const bool damaged = start != 3;
            if (damaged)
                writeAll(path, "not json " + QByteArray::number(start));
            KvTestLog log;
            QVERIFY(recent()->recentList().isEmpty());
            restart();
            QVERIFY(recent()->recentList().isEmpty());
            QCOMPARE(log.count("unreadable"), damaged ? 1 : 0);
            QVERIFY(!QFileInfo::exists(path));
            QCOMPARE(asideCopies().size(), qMin(start - (start >= 3 ? 1 : 0), 3));
        }
        // Four damaged files met, three copies kept: the first one went.
        for (const QString &copy : asideCopies())
            QVERIFY(!readAll(QDir(KvPaths::userDataDir()).filePath(copy)).endsWith(" 1"));
    }

    // A file far longer than the cap: the first entries count, repeats of one
    // project once; the rest is never looked at.
    void capOnLoad()
    {
        QStringList entries;
        for (int i = 0; i < 10000; ++i)
            entries << QStringLiteral("/x/p%1.kvproj").arg(i % 3 == 1 ? i - 1 : i);
        writeAll(recent()->storagePath(), listFile(entries));
        restart();
        const QStringList listed = paths(recent()->recentList());
        QCOMPARE(listed.size(), IKvProjectRecentManager::kMaxCount);
        QCOMPARE(listed.first(), QStringLiteral("/x/p0.kvproj"));
        QCOMPARE(listed.at(1), QStringLiteral("/x/p2.kvproj"));
        QCOMPARE(QSet<QString>(listed.cbegin(), listed.cend()).size(), listed.size());
    }

private:
    QScopedPointer<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestKvProjectRecentManager)
#include "tst_kvprojectrecentmanager.moc"
