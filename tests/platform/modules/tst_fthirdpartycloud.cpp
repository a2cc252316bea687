#include "FThirdPartyCloud.h"

#include "KvTestHttpServer.h"
#include "KvTestLog.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestFThirdPartyCloud : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { FThirdPartyCloud::release(); }

    void fileNameFor_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << "https://drive.example/s/clip.mp4" << "clip.mp4";
        QTest::newRow("escaped blank") << "https://drive.example/s/my%20clip.mp4" << "my clip.mp4";
        QTest::newRow("characters a name cannot hold") << "https://drive.example/s/a:b*c%3F.png" << "a_b_c_.png";
        QTest::newRow("hidden name") << "https://drive.example/s/.profile" << "profile";
        QTest::newRow("no name") << "https://drive.example/" << "download";
        QTest::newRow("query only") << "https://drive.example/?id=7" << "download";
    }
    void fileNameFor()
    {
        QFETCH(QString, url);
        QFETCH(QString, name);
        QCOMPARE(FThirdPartyCloud::fileNameFor(QUrl(url)), name);
    }

    // What a link leaves in the download folder and what the window is told.
    void download_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("link");
        QTest::addColumn<bool>("folderSet");
        QTest::addColumn<bool>("started");
        QTest::addColumn<QString>("file"); // empty: nothing arrives
        QTest::newRow("whole file") << "ok" << "/share/sea.mp4" << true << true << "sea.mp4";
        QTest::newRow("name taken") << "ok" << "/share/taken.mp4" << true << true << "taken (1).mp4";
        QTest::newRow("not found") << "missing" << "/share/sea.mp4" << true << true << "";
        QTest::newRow("not a web address") << "ok" << "ftp" << true << false << "";
        QTest::newRow("no download folder") << "ok" << "/share/sea.mp4" << false << false << "";
    }
    void download()
    {
        QFETCH(QString, mode);
        QFETCH(QString, link);
        QFETCH(bool, folderSet);
        QFETCH(bool, started);
        QFETCH(QString, file);
        QTemporaryDir dir;
        const QString folder = dir.filePath("cloud");
        QVERIFY(QDir().mkpath(folder));
        QFile taken(folder + "/taken.mp4");
        QVERIFY(taken.open(QIODevice::WriteOnly) && taken.write("mine") == 4);
        taken.close();

        KvTestHttpServer server;
        server.mode = mode;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        const QUrl url = link == "ftp" ? QUrl("ftp://127.0.0.1/sea.mp4")
                                       : QUrl(QString("http://127.0.0.1:%1%2").arg(server.serverPort()).arg(link));
        KvTestLog log;
        FThirdPartyCloud *cloud = FThirdPartyCloud::instance();
        cloud->setDownloadFolder(folderSet ? folder : QString());
        QSignalSpy arrived(cloud, &FThirdPartyCloud::sigDownloadFinished);
        QSignalSpy failed(cloud, &FThirdPartyCloud::sigDownloadFailed);
        QCOMPARE(cloud->download(url), started);
        if (started)
            QTRY_COMPARE_WITH_TIMEOUT(arrived.size() + failed.size(), 1, 20000);
        QCOMPARE(cloud->pendingCount(), 0);
        QCOMPARE(arrived.size(), file.isEmpty() ? 0 : 1);
        QCOMPARE(failed.size(), file.isEmpty() ? 1 : 0);
        if (!file.isEmpty()) {
            QCOMPARE(arrived.first().first().toString(), folder + '/' + file);
            QFile got(folder + '/' + file);
            QVERIFY(got.open(QIODevice::ReadOnly));
            QCOMPARE(got.readAll(), server.body);
        } else {
            QVERIFY(!failed.first().at(1).toString().isEmpty());
        }
        // Nothing half-written stays; what was there before is untouched.
        QStringList left = QDir(folder).entryList(QDir::Files, QDir::Name);
        QStringList expected{"taken.mp4"};
        if (!file.isEmpty() && file != "taken.mp4")
            expected << file;
        expected.sort();
        QCOMPARE(left, expected);
        QFile mine(folder + "/taken.mp4");
        QVERIFY(mine.open(QIODevice::ReadOnly));
        QCOMPARE(mine.readAll(), QByteArray("mine"));
    }
};

QTEST_MAIN(TestFThirdPartyCloud)
#include "tst_fthirdpartycloud.moc"
