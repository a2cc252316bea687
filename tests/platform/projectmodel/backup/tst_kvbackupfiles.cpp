#include "KvBackupNote.h"
#include "KvBackupVersions.h"
#include "KvTestFiles.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

// The note of the newest backup and the names of the backup versions.
class TestKvBackupFiles : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString note() const { return m_dir.filePath("Backup.conf"); }
    QString existing() const { return m_dir.filePath("kept.kvproj"); }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QFile::remove(note());
        writeAll(existing(), "{}");
    }

    void readsOnlyAWellFormedNote_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("expected");
        using R = KvBackupNote::ReadResult;
        const QByteArray good = "{\"lastAutoSaveProject\": \"@\"}";
        QTest::newRow("names an existing file") << good << int(R::Ok);
        QTest::newRow("other keys beside it") << QByteArray("{\"x\": [1], \"lastAutoSaveProject\": \"@\"}") << int(R::Ok);
        QTest::newRow("no file") << QByteArray() << int(R::Missing);
        QTest::newRow("empty") << QByteArray("") << int(R::Empty);
        QTest::newRow("blank") << QByteArray(" \n\t ") << int(R::Empty);
        QTest::newRow("not JSON") << QByteArray("lastAutoSaveProject=@") << int(R::NotJson);
        QTest::newRow("cut short") << QByteArray("{\"lastAutoSaveProject\": \"/tm") << int(R::NotJson);
        QTest::newRow("array") << QByteArray("[\"@\"]") << int(R::NotAnObject);
        QTest::newRow("empty object") << QByteArray("{}") << int(R::NotAnObject);
        QTest::newRow("key missing") << QByteArray("{\"lastAutoSave\": \"@\"}") << int(R::NoEntry);
        QTest::newRow("key empty") << QByteArray("{\"lastAutoSaveProject\": \"\"}") << int(R::NoEntry);
        QTest::newRow("key not text") << QByteArray("{\"lastAutoSaveProject\": 12}") << int(R::NoEntry);
        QTest::newRow("vanished file") << QByteArray("{\"lastAutoSaveProject\": \"@gone\"}") << int(R::BackupMissing);
        QTest::newRow("names a folder") << QByteArray("{\"lastAutoSaveProject\": \"@/..\"}") << int(R::BackupMissing);
        // The parser's nesting limit answers, not the stack.
        QTest::newRow("2000 levels deep") << QByteArray(2000, '[') + QByteArray(2000, ']') << int(R::NotJson);
        QTest::newRow("2000 objects deep")
            << QByteArray("{\"a\":").repeated(2000) + "1" + QByteArray(2000, '}') << int(R::NotJson);
    }
    void readsOnlyAWellFormedNote()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, expected);
        if (!QTest::currentDataTag() || QByteArray(QTest::currentDataTag()) != "no file") {
            content.replace("@", existing().toUtf8());
            writeAll(note(), content);
        }
        QString path = QStringLiteral("untouched");
        QCOMPARE(int(KvBackupNote::read(note(), &path)), expected);
        QCOMPARE(path, expected == 0 ? existing() : QStringLiteral("untouched"));
    }

    // Files a note could be replaced by: never read past the limit, never block.
    void refusesWhatIsNoSmallRegularFile()
    {
        // 50 MB, sparse: the size alone refuses it.
        {
            QFile big(note());
            QVERIFY(big.open(QIODevice::WriteOnly));
            QVERIFY(big.resize(50LL * 1024 * 1024));
        }
        QCOMPARE(KvBackupNote::read(note(), nullptr), KvBackupNote::ReadResult::TooLarge);
        QVERIFY(QFile::remove(note()));

        QVERIFY(QDir().mkpath(note()));
        QCOMPARE(KvBackupNote::read(note(), nullptr), KvBackupNote::ReadResult::Missing);
        QVERIFY(QDir(note()).removeRecursively());

        // A FIFO would block an open for reading until someone writes.
        QCOMPARE(::mkfifo(QFile::encodeName(note()).constData(), 0600), 0);
        QCOMPARE(KvBackupNote::read(note(), nullptr), KvBackupNote::ReadResult::Missing);
        QVERIFY(QFile::remove(note()));
    }

    void writeKeepsOtherKeysAndClearOnlyItsOwnEntry()
    {
        writeAll(note(), "{\"owner\": \"someone\"}");
        QVERIFY(KvBackupNote::write(note(), existing()));
        QJsonObject object = QJsonDocument::fromJson(readAll(note())).object();
        QCOMPARE(object.value("owner").toString(), QStringLiteral("someone"));
        QCOMPARE(object.value("lastAutoSaveProject").toString(), existing());

        // Another project's close leaves the entry alone.
        QVERIFY(KvBackupNote::clear(note(), QStringLiteral("other_")));
        QCOMPARE(KvBackupNote::read(note(), nullptr), KvBackupNote::ReadResult::Ok);
        QVERIFY(KvBackupNote::clear(note(), QStringLiteral("kept")));
        object = QJsonDocument::fromJson(readAll(note())).object();
        QVERIFY(!object.contains("lastAutoSaveProject"));
        QCOMPARE(object.value("owner").toString(), QStringLiteral("someone"));

        // A broken note is replaced by a good one.
        writeAll(note(), "not json");
        QVERIFY(KvBackupNote::write(note(), existing()));
        QCOMPARE(KvBackupNote::read(note(), nullptr), KvBackupNote::ReadResult::Ok);
    }

    void seriesKeepProjectsApart_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("same");
        QTest::newRow("same file") << "/a/Trip.kvproj" << "/a/Trip.kvproj" << true;
        QTest::newRow("same name, other folder") << "/a/Trip.kvproj" << "/b/Trip.kvproj" << false;
        QTest::newRow("a backup goes on in its series")
            << "/docs/Trip_0123abcd_20261207-101010-001.kvproj" << "/other/Trip_0123abcd_20261207-121212-999.kvproj"
            << true;
        QTest::newRow("untitled projects") << "" << "" << false;
    }
    void seriesKeepProjectsApart()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(bool, same);
        const QString a = KvBackupVersions::seriesFor(first, QStringLiteral("token-1"));
        const QString b = KvBackupVersions::seriesFor(second, QStringLiteral("token-2"));
        QCOMPARE(a == b, same);
        QVERIFY(QRegularExpression("^.+_[0-9a-f]{8}$").match(a).hasMatch());
    }

    // Names sort oldest first even when the clock goes back, and never collide.
    void nextVersionIsAlwaysLater()
    {
        const QString folder = m_dir.filePath("versions");
        QVERIFY(QDir().mkpath(folder));
        const QString series = QStringLiteral("Trip_0123abcd");
        const QDateTime now = QDateTime(QDate(2026, 12, 7), QTime(12, 0), Qt::UTC);
        QStringList made;
        for (const QDateTime &when : {now, now, now.addSecs(-3600), now.addMSecs(1)}) {
            const QString path = KvBackupVersions::nextPath(folder, series, ".kvproj", when);
            QVERIFY(!QFile::exists(path));
            writeAll(path, "{}");
            made << path;
        }
        QCOMPARE(KvBackupVersions::list(folder, series), made);
        QCOMPARE(KvBackupVersions::seriesOf(QFileInfo(made.first()).fileName()), series);
        // Another series and stray files are not listed.
        writeAll(folder + "/Trip_0123abcd_notastamp.kvproj", "{}");
        writeAll(folder + "/Trip_0123abce_20261207-120000-000.kvproj", "{}");
        QCOMPARE(KvBackupVersions::list(folder, series).size(), 4);
    }

    void pruneKeepsTheNewestAndSparesTheOpenFile()
    {
        const QString folder = m_dir.filePath("prune");
        QDir(folder).removeRecursively();
        QVERIFY(QDir().mkpath(folder));
        const QString series = QStringLiteral("Trip_0123abcd");
        QStringList made;
        for (int i = 0; i < 5; ++i) {
            made << KvBackupVersions::nextPath(folder, series, ".kvproj",
                                               QDateTime(QDate(2026, 1, 1), QTime(0, 0, i), Qt::UTC));
            writeAll(made.last(), "{}");
        }
        // The oldest is the file the user has open: it stays.
        QCOMPARE(KvBackupVersions::prune(folder, series, 2, made.first()), 2);
        QCOMPARE(KvBackupVersions::list(folder, series), (QStringList{made.at(0), made.at(3), made.at(4)}));
        QCOMPARE(KvBackupVersions::prune(folder, series, 0), 2);
        QCOMPARE(KvBackupVersions::list(folder, series), QStringList{made.at(4)});
    }
};

QTEST_GUILESS_MAIN(TestKvBackupFiles)
#include "tst_kvbackupfiles.moc"
