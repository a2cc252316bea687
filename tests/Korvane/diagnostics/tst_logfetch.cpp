#include "FLogFileFetcher.h"

#include "KvTestFiles.h"
#include "KvTestLog.h"

#include <QCryptographicHash>
#include <QTemporaryDir>
#include <QtTest>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

#include <unistd.h>

namespace {

const QDate kToday(2026, 3, 10);

void touch(const QString &path, const QDateTime &modified, const QByteArray &content = "log line\n")
{
    writeAll(path, content);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
}

// A file of `size` bytes that takes no room on disk.
void sparse(const QString &path, qint64 size)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QVERIFY(file.resize(size));
}

} // namespace

class TestLogFetch : public QObject
{
    Q_OBJECT

private slots:
    void candidates_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QDateTime>("modified");
        QTest::addColumn<bool>("taken");

        const QDateTime noon(kToday, QTime(12, 0));
        QTest::newRow("today") << "app_log.log" << noon << true;
        QTest::newRow("7 days ago") << "app_log.1.log" << noon.addDays(-7) << true;
        // Calendar days, not 24-hour periods: late on day -8 is 8 days ago.
        QTest::newRow("8 days ago, one minute before midnight")
            << "app_log.2.log" << QDateTime(kToday.addDays(-8), QTime(23, 59)) << false;
        QTest::newRow("7 days ago, just after midnight")
            << "app_log.3.log" << QDateTime(kToday.addDays(-7), QTime(0, 1)) << true;
        QTest::newRow("a zip") << "crash.zip" << noon << false;
        QTest::newRow("zip inside the name") << "report.zip.txt" << noon << true;
        QTest::newRow("no dot") << "LOCK" << noon << false;
    }
    void candidates()
    {
        QFETCH(QString, name);
        QFETCH(QDateTime, modified);
        QFETCH(bool, taken);
        QTemporaryDir dir;
        touch(dir.filePath(name), modified);
        const QStringList files = FLogFileFetcher(dir.path(), 1).candidateFiles(kToday);
        QCOMPARE(files, taken ? QStringList{dir.filePath(name)} : QStringList());
    }

    void unreadableFileLeftOut()
    {
        if (geteuid() == 0)
            QSKIP("root reads every file");
        QTemporaryDir dir;
        touch(dir.filePath("secret.log"), QDateTime::currentDateTime());
        QVERIFY(QFile::setPermissions(dir.filePath("secret.log"), QFileDevice::WriteOwner));
        QVERIFY(FLogFileFetcher(dir.path(), 1).candidateFiles().isEmpty());
    }

    void compressesRecentLogs()
    {
        QTemporaryDir dir;
        const QByteArray big(700000, 'x');
        touch(dir.filePath("app_log.log"), QDateTime::currentDateTime(), big);
        touch(dir.filePath("tracking.jsonl"), QDateTime::currentDateTime(), "{}\n");
        touch(dir.filePath("old.log"), QDateTime::currentDateTime().addDays(-30));
        FLogFileFetcher fetcher(dir.path(), 2);
        QCOMPARE(fetcher.fetch(), QStringList{dir.filePath("Log_2.zip")});
        // The digest taken while writing is the archive's.
        QCOMPARE(fetcher.archiveMd5(), QCryptographicHash::hash(readAll(dir.filePath("Log_2.zip")), QCryptographicHash::Md5));

        QuaZip zip(dir.filePath("Log_2.zip"));
        QVERIFY(zip.open(QuaZip::mdUnzip));
        QStringList names = zip.getFileNameList();
        names.sort();
        QCOMPARE(names, QStringList({"app_log.log", "tracking.jsonl"}));
        QVERIFY(zip.setCurrentFile("app_log.log"));
        QuaZipFile entry(&zip);
        QVERIFY(entry.open(QIODevice::ReadOnly));
        QCOMPARE(entry.readAll(), big);
        entry.close();
        zip.close();

        fetcher.clear();
        QVERIFY(!QFile::exists(dir.filePath("Log_2.zip")));
    }

    void nothingToFetch()
    {
        QTemporaryDir dir;
        touch(dir.filePath("old.log"), QDateTime::currentDateTime().addDays(-9));
        KvTestLog log;
        FLogFileFetcher fetcher(dir.path(), 1);
        QVERIFY(fetcher.fetch().isEmpty());
        QVERIFY(!QFile::exists(fetcher.archivePath()));
        fetcher.clear();
        QVERIFY(log.count("Log files zip is no exsit") == 1);
        QVERIFY(log.errors().isEmpty());
    }

    void archiveSizeLimit_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<bool>("uploaded");
        QTest::newRow("exactly the limit") << qint64(104857600) << true;
        QTest::newRow("one byte more") << qint64(104857601) << false;
    }
    void archiveSizeLimit()
    {
        QFETCH(qint64, size);
        QFETCH(bool, uploaded);
        QTemporaryDir dir;
        touch(dir.filePath("app_log.log"), QDateTime::currentDateTime());
        // A leftover archive is taken as it is, whatever else is there.
        sparse(dir.filePath("Log_1.zip"), size);
        KvTestLog log;
        FLogFileFetcher fetcher(dir.path(), 1);
        QCOMPARE(fetcher.fetch(), uploaded ? QStringList{dir.filePath("Log_1.zip")} : QStringList());
        QCOMPARE(QFile::exists(dir.filePath("Log_1.zip")), uploaded);
        QCOMPARE(log.count("Log File is large than 100M, do not upload and delete direct."), uploaded ? 0 : 1);
        if (uploaded)
            QCOMPARE(QFileInfo(dir.filePath("Log_1.zip")).size(), size);
        // Not written here: its digest is not known.
        QVERIFY(fetcher.archiveMd5().isEmpty());
    }
};

QTEST_MAIN(TestLogFetch)
#include "tst_logfetch.moc"
