#include "CreativeHelper.h"

#include "KvTestHttpServer.h"
#include "KvTestLog.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// The template download: what ends up in the download folder, what the
// progress reports say, and that nothing half-written stays behind.
class TestCreativeHelper : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        CreativeHelper::setDownloadFolder(m_dir.filePath("templates"));
        CreativeHelper::setStallTimeout(400);
    }
    void cleanup() { QDir(m_dir.filePath("templates")).removeRecursively(); }

    void targetPath_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("file"); // empty: no usable file
        QTest::newRow("suffix from the link") << "http://x.test/t/123.kvarc" << "Travel" << "Travel.kvarc";
        QTest::newRow("suffix already in the name") << "http://x.test/t/1.kvarc" << "Travel.kvarc" << "Travel.kvarc";
        QTest::newRow("no suffix in the link") << "http://x.test/t/123" << "Travel" << "Travel";
        QTest::newRow("query is not a suffix") << "http://x.test/get?id=1.kvarc" << "Travel" << "Travel";
        QTest::newRow("separators replaced") << "http://x.test/a.kvarc" << "../../etc/passwd" << "_.._etc_passwd.kvarc";
        QTest::newRow("hidden name") << "http://x.test/a.kvarc" << "..." << "";
        QTest::newRow("blank name") << "http://x.test/a.kvarc" << "  " << "";
    }
    void targetPath()
    {
        QFETCH(QString, url);
        QFETCH(QString, name);
        QFETCH(QString, file);
        const QString path = CreativeHelper::targetPath("/folder", QUrl(url), name);
        QCOMPARE(path, file.isEmpty() ? QString() : "/folder/" + file);
    }

    void download_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("success");
        QTest::addColumn<bool>("errorLogged");
        QTest::newRow("whole body") << "ok" << true << false;
        QTest::newRow("not found") << "missing" << false << true;
        QTest::newRow("server error") << "error" << false << true;
        QTest::newRow("body stalls half-way") << "stall" << false << true;
        QTest::newRow("no answer at all") << "silent" << false << true;
    }
    void download()
    {
        QFETCH(QString, mode);
        QFETCH(bool, success);
        QFETCH(bool, errorLogged);
        KvTestHttpServer server;
        server.mode = mode;
        QVERIFY(server.listen(QHostAddress::LocalHost));

        KvTestLog log;
        CreativeHelper helper;
        QSignalSpy progress(&helper, &CreativeHelper::sigProgress);
        QSignalSpy finished(&helper, &CreativeHelper::DownloadFinished);
        helper.download(QUrl(server.address() + "/t/77.kvarc"), "Beach Trip");
        QVERIFY(helper.isRunning());
        QVERIFY(finished.wait(10000));
        QCOMPARE(finished.count(), 1);
        QVERIFY(!helper.isRunning());

        const QString target = m_dir.filePath("templates/Beach Trip.kvarc");
        QCOMPARE(helper.downloadedFile(), success ? target : QString());
        QCOMPARE(QFile::exists(target), success);
        QVERIFY2(!QFile::exists(target + ".part"), "a partial file stayed behind");
        QCOMPARE(log.errors().isEmpty(), !errorLogged);
        if (success) {
            QFile file(target);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), server.body);
            const QList<QVariant> last = progress.last();
            QCOMPARE(last.at(0).toLongLong(), qint64(server.body.size()));
            QCOMPARE(last.at(1).toLongLong(), qint64(server.body.size()));
        }
        if (mode == "stall") {
            // The first half arrived and was reported before the stall.
            QVERIFY(!progress.isEmpty());
            QVERIFY(progress.last().at(0).toLongLong() < server.body.size());
        }
    }

    // An earlier download of the same template is replaced only by a
    // complete one.
    void failedDownloadKeepsEarlierCopy()
    {
        const QString target = m_dir.filePath("templates/Kept.kvarc");
        QVERIFY(QDir().mkpath(m_dir.filePath("templates")));
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("earlier");
        old.close();

        KvTestHttpServer server;
        server.mode = "stall";
        QVERIFY(server.listen(QHostAddress::LocalHost));
        KvTestLog log;
        CreativeHelper helper;
        QSignalSpy finished(&helper, &CreativeHelper::DownloadFinished);
        helper.download(QUrl(server.address() + "/k.kvarc"), "Kept");
        QVERIFY(finished.wait(10000));
        QVERIFY(helper.downloadedFile().isEmpty());
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("earlier"));
    }

    // Links that need no transfer, or cannot have one; each still ends with
    // DownloadFinished, never from inside download().
    void withoutTransfer_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<bool>("success");
        QTest::newRow("file URL") << "file:" + m_dir.filePath("local.kvarc") << true;
        QTest::newRow("plain path") << m_dir.filePath("local.kvarc") << true;
        QTest::newRow("missing file") << "file:" + m_dir.filePath("gone.kvarc") << false;
        QTest::newRow("folder") << "file:" + m_dir.path() << false;
        QTest::newRow("not a web address") << "ftp://x.test/a.kvarc" << false;
        QTest::newRow("empty") << "" << false;
    }
    void withoutTransfer()
    {
        QFETCH(QString, link);
        QFETCH(bool, success);
        QFile local(m_dir.filePath("local.kvarc"));
        QVERIFY(local.open(QIODevice::WriteOnly));
        local.close();

        KvTestLog log;
        CreativeHelper helper;
        QSignalSpy finished(&helper, &CreativeHelper::DownloadFinished);
        helper.download(QUrl(link), "Local");
        QCOMPARE(finished.count(), 0);
        QVERIFY(finished.wait(2000));
        QCOMPARE(helper.downloadedFile(), success ? m_dir.filePath("local.kvarc") : QString());
        QCOMPARE(log.errors().isEmpty(), success);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestCreativeHelper)
#include "tst_creativehelper.moc"
