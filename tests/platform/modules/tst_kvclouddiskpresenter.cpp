#include "KvCloudDiskViewPresenter.h"

#include "KvConfig.h"
#include "KvTestHttpServer.h"
#include "KvTestLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// The cloud storage presenter's share downloads against a loopback share
// server: where the file lands, what the editor is told, what is left.
class TestKvCloudDiskPresenter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        KvCloudDiskViewPresenter::setDownloadTimeout(600);
    }
    void cleanup() { setServer(QString()); }

    void download_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("taken"); // a file of the target's name exists
        QTest::addColumn<QString>("landed"); // file name in the folder; empty: failure
        QTest::newRow("project") << "project" << "ok" << false << "Trip.kvproj";
        QTest::newRow("project, name taken") << "project" << "ok" << true << "Trip (1).kvproj";
        QTest::newRow("archive") << "archive" << "ok" << false << "Trip.kvarc";
        QTest::newRow("template") << "template" << "ok" << false << "Trip.tkpt";
        QTest::newRow("template replaces its old package") << "template" << "ok" << true << "Trip.tkpt";
        QTest::newRow("not found") << "project" << "missing" << false << "";
        QTest::newRow("server error") << "archive" << "error" << false << "";
        QTest::newRow("body stalls") << "template" << "stall" << false << "";
        QTest::newRow("no answer") << "project" << "silent" << false << "";
    }
    void download()
    {
        QFETCH(QString, kind);
        QFETCH(QString, mode);
        QFETCH(bool, taken);
        QFETCH(QString, landed);
        KvTestHttpServer server;
        server.mode = mode;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        setServer(server.address() + "/api");
        QTemporaryDir folder;
        const QString suffix = kind == "project" ? ".kvproj" : kind == "archive" ? ".kvarc" : ".tkpt";
        const QString target = folder.filePath("Trip" + suffix);
        if (taken)
            writeFile(target, "the user's own");

        KvTestLog log;
        KvCloudDiskViewPresenter presenter;
        QSignalSpy open(&presenter, &KvCloudDiskViewPresenter::sigOpenProject);
        QSignalSpy locate(&presenter, &KvCloudDiskViewPresenter::sigLocationProjectTemplate);
        QSignalSpy failed(&presenter, &KvCloudDiskViewPresenter::sigShareDownloadFailed);
        QSignalSpy done(&presenter, &KvCloudDiskViewPresenter::downloadShareFinished);
        const bool started = kind == "project"   ? presenter.downloadShareProject("ab c/1", target)
                             : kind == "archive" ? presenter.downloadShareProjectArchive("ab c/1", target)
                                                 : presenter.downloadShareProjectTemplate("ab c/1", "Trip.tkpt",
                                                                                          folder.path());
        QVERIFY(started);
        QVERIFY(presenter.downloadShareTask());
        // One share at a time.
        QVERIFY(!presenter.downloadShareProject("other", folder.filePath("Other.kvproj")));
        QTRY_VERIFY_WITH_TIMEOUT(!presenter.downloadShareTask(), 10000);

        QCOMPARE(server.requests, QStringList{"/api/share/ab%20c%2F1"});
        QVERIFY2(!QFile::exists(target + ".part"), "a partial file stayed behind");
        if (landed.isEmpty()) {
            QCOMPARE(failed.count(), 1);
            QCOMPARE(open.count() + locate.count() + done.count(), 0);
            QVERIFY(!log.errors().isEmpty());
            return;
        }
        QCOMPARE(failed.count(), 0);
        QCOMPARE(done.count(), 1);
        const QString path = folder.filePath(landed);
        QCOMPARE(readFile(path), server.body);
        if (kind == "template") {
            QCOMPARE(locate.count(), 1);
            QCOMPARE(locate.first().first().toString(), QString("Trip"));
        } else {
            QCOMPARE(open.count(), 1);
            QCOMPARE(open.first().first().toString(), path);
        }
        if (taken && kind != "template")
            QCOMPARE(readFile(target), QByteArray("the user's own"));
        QVERIFY(log.errors().isEmpty());
    }

    // Nothing goes on the network without a usable share server or name.
    void refused_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("shareId");
        QTest::addColumn<QString>("templateName"); // empty: a project download
        QTest::newRow("no server configured") << "" << "1" << "";
        QTest::newRow("server not a web address") << "ftp://127.0.0.1" << "1" << "";
        QTest::newRow("empty share id") << "SERVER" << " " << "";
        QTest::newRow("template name leads out") << "SERVER" << "1" << "../x.tkpt";
        QTest::newRow("template name hidden") << "SERVER" << "1" << ".tkpt";
    }
    void refused()
    {
        QFETCH(QString, server);
        QFETCH(QString, shareId);
        QFETCH(QString, templateName);
        KvTestHttpServer http;
        QVERIFY(http.listen(QHostAddress::LocalHost));
        setServer(server == "SERVER" ? http.address() : server);
        QTemporaryDir folder;

        KvCloudDiskViewPresenter presenter;
        QSignalSpy failed(&presenter, &KvCloudDiskViewPresenter::sigShareDownloadFailed);
        const bool started = templateName.isEmpty()
                                 ? presenter.downloadShareProject(shareId, folder.filePath("A.kvproj"))
                                 : presenter.downloadShareProjectTemplate(shareId, templateName, folder.path());
        QVERIFY(!started);
        QVERIFY(!presenter.downloadShareTask());
        QCOMPARE(failed.count(), 1);
        QVERIFY(!failed.first().first().toString().isEmpty());
        QTest::qWait(50);
        QVERIFY(http.requests.isEmpty());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList());
    }

private:
    void setServer(const QString &address)
    {
        // The user's own address list beside the configuration store.
        const QString file = QFileInfo(KvConfig::Instance()->storeFile()).dir().filePath("CBSUrls.ini");
        QSettings ini(file, QSettings::IniFormat);
        if (address.isEmpty())
            ini.remove("CBSUrl/ShareServer");
        else
            ini.setValue("CBSUrl/ShareServer", address);
        ini.sync();
    }
    static void writeFile(const QString &path, const QByteArray &data)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(data);
    }
    static QByteArray readFile(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestKvCloudDiskPresenter)
#include "tst_kvclouddiskpresenter.moc"
