#include "FLogRetrievalTask.h"

#include "IKvAppInfo.h"
#include "KvAppInfoId.h"
#include "KvConfig.h"
#include "KvTestFiles.h"
#include "KvTestLog.h"
#include "KvTestStorageServer.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

// The retrieval chain against the loopback web service and bucket, which
// check every request they receive.
class TestLogRetrieval : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_server.reset(new KvTestStorageServer);
        QVERIFY(m_server->isRunning());
        IKvAppInfo *info = IKvAppInfo::getInstance();
        info->setValue(KvAppInfoId::ClientId, "client-7");
        info->setValue(KvAppInfoId::AccountId, "42");
        info->setValue(KvAppInfoId::AppKey, "kv-app-key");
        info->setValue(KvAppInfoId::AppSecret, "kv-app-secret");
        info->setValue(KvAppInfoId::ProductVersion, "11.8.1");
        info->setValue(KvAppInfoId::ProductId, "3001");
        writeAddresses(m_server->address());
    }
    void cleanupTestCase() { m_server.reset(); }

    void init()
    {
        QVERIFY(m_server->reset());
        m_logs.reset(new QTemporaryDir);
        writeAll(m_logs->filePath("app_log.log"), QByteArray(5000, 'l'));
        writeAll(m_logs->filePath("app_log.1.log"), "older lines");
        setFlashback(false);
    }

    void uploadsInBothModes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("whitelistPath");
        QTest::newRow("check mode") << 1 << "/whitelist/check";
        QTest::newRow("flashback mode") << 2 << "/whitelist/add";
    }
    void uploadsInBothModes()
    {
        QFETCH(int, mode);
        QFETCH(QString, whitelistPath);
        QVERIFY(m_server->control({{"whitelisted", mode == 1}}));
        setFlashback(mode == 2);
        KvTestLog log;
        run(mode);

        QVERIFY2(log.errors().isEmpty(), qPrintable(log.errors().join('\n')));
        const QJsonObject state = m_server->state();
        QStringList paths;
        for (const QJsonValue &request : state.value("requests").toArray())
            paths << request.toObject().value("path").toString();
        QCOMPARE(paths.size(), 5);
        QVERIFY2(paths.value(3).startsWith("/kv-logs/logs/client-7/"), qPrintable(paths.value(3)));
        paths[3] = "PUT";
        QCOMPARE(paths, QStringList({"/auth/token", whitelistPath, "/upload/token", "PUT", "/report"}));

        const QJsonObject upload = state.value("uploads").toArray().first().toObject();
        const QJsonArray reports = state.value("reports").toArray();
        QCOMPARE(reports.size(), 1);
        const QJsonObject report = reports.first().toObject();
        QCOMPARE(report.value("client_sign"), QJsonValue("client-7"));
        QCOMPARE(report.value("pid"), QJsonValue(3001));
        QCOMPARE(report.value("version"), QJsonValue("11.8.1"));
        QCOMPARE(report.value("type"), QJsonValue(mode));
        QCOMPARE(report.value("tcid"), QJsonValue(42));
        const QJsonArray files = report.value("files").toArray();
        QCOMPARE(files.size(), 1);
        const QJsonObject file = files.first().toObject();
        const QString key = file.value("path").toString();
        QCOMPARE(key, upload.value("key").toString());
        QVERIFY(QRegularExpression("^logs/client-7/[0-9a-f]{8}-[0-9a-f-]{27}\\.zip$").match(key).hasMatch());
        QCOMPARE(file.value("file_name"), QJsonValue(QStringLiteral("Log_%1.zip").arg(mode)));
        QCOMPARE(file.value("file_size").toInt(), upload.value("size").toInt());
        QCOMPARE(file.value("file_type"), QJsonValue("zip"));
        QCOMPARE(file.value("region"), QJsonValue("kv-test-1"));
        QCOMPARE(file.value("bucket"), QJsonValue("kv-logs"));

        const QJsonObject callback = state.value("callbacks").toArray().first().toObject();
        QCOMPARE(callback.value("variables").toObject(),
                 QJsonObject({{"x:user_id", "0"}, {"x:region", "kv-test-1"},
                              {"x:file_name", QStringLiteral("Log_%1.zip").arg(mode)},
                              {"x:action", "PutObject"}, {"x:expire", "0"}}));
        QCOMPARE(callback.value("callback").toObject().value("callbackUrl").toString(), m_server->address("/callback"));

        QVERIFY(log.count("upload success!") == 1);
        QVERIFY(log.count("logDataReport Succeed") == 1);
        QVERIFY(!QFile::exists(m_logs->filePath(QStringLiteral("Log_%1.zip").arg(mode))));
        // A flashback upload happens once.
        QCOMPARE(flashback(), false);
    }

    void flashbackNoLongerRequested()
    {
        run(2);
        QVERIFY(m_server->state().value("requests").toArray().isEmpty());
    }

    // A step that fails ends the chain there: nothing after it is asked for.
    void stepFailures_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QJsonObject>("settings");
        QTest::addColumn<int>("requests");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("uploads");

        auto fault = [](const char *step, const char *kind) {
            return QJsonObject{{"whitelisted", true}, {"faults", QJsonObject{{step, kind}}}};
        };
        QTest::newRow("token: no code") << 1 << fault("token", "nocode") << 1 << "access token parse error" << 0;
        QTest::newRow("token: non-zero code") << 1 << fault("token", "badcode") << 1 << "Json code parse error:" << 0;
        QTest::newRow("token: not JSON") << 1 << fault("token", "notjson") << 1 << "Json parse error:" << 0;
        QTest::newRow("token: 500") << 1 << fault("token", "500") << 1 << "HTTP status 500" << 0;
        QTest::newRow("token: redirect to another host") << 1 << fault("token", "redirect") << 1
                                                         << "redirect to another host refused" << 0;
        QTest::newRow("check: not listed") << 1 << QJsonObject{{"whitelisted", false}} << 2
                                           << "user is not in whitelist" << 0;
        QTest::newRow("add: non-zero code") << 2 << fault("add", "badcode") << 2 << "whitelist addition refused" << 0;
        QTest::newRow("token expired") << 1 << QJsonObject{{"whitelisted", true}, {"expire_token", true}} << 2
                                       << "whitelist check failed: HTTP status 401" << 0;
        QTest::newRow("credential: not JSON") << 1 << fault("credential", "notjson") << 3 << "OssCredential failed" << 0;
        QTest::newRow("credential: stalls past 5 s") << 1 << fault("credential", "stall") << 3
                                                     << "no complete answer within 5000 ms" << 0;
        QTest::newRow("upload: wrong secret")
            << 1 << QJsonObject{{"whitelisted", true}, {"issued_secret", "handed-out-wrong"}} << 4
            << "fail, code: SignatureDoesNotMatch, message: The request signature" << 0;
        QTest::newRow("upload: 500") << 1 << fault("upload", "500") << 4 << "fail, code: HttpStatus500" << 0;
        QTest::newRow("report: non-zero code") << 1 << fault("report", "badcode") << 5 << "logDataReport failed" << 1;
    }
    void stepFailures()
    {
        QFETCH(int, mode);
        QFETCH(QJsonObject, settings);
        QFETCH(int, requests);
        QFETCH(QString, line);
        QFETCH(int, uploads);
        QVERIFY(m_server->control(settings));
        setFlashback(mode == 2);
        KvTestLog log;
        QElapsedTimer clock;
        clock.start();
        run(mode);
        QVERIFY2(clock.elapsed() < 8000, "a stalled request is given up at 5 s");

        QVERIFY2(log.count(line) == 1, qPrintable(log.lines().join('\n')));
        const QJsonObject state = m_server->state();
        QCOMPARE(state.value("requests").toArray().size(), requests);
        QCOMPARE(state.value("uploads").toArray().size(), uploads);
        if (requests >= 4) {
            // The archive goes whatever became of the upload.
            QVERIFY(!QFile::exists(m_logs->filePath(QStringLiteral("Log_%1.zip").arg(mode))));
            QVERIFY(log.count("Upload finished, and clear oss client.") == 1);
        }
        if (uploads == 0)
            QVERIFY(state.value("reports").toArray().isEmpty());
    }

    void leftoverArchiveUploadedUnchanged()
    {
        const QByteArray leftover = "PK-not-really-a-zip-but-uploaded-as-is";
        writeAll(m_logs->filePath("Log_1.zip"), leftover);
        QVERIFY(m_server->control({{"whitelisted", true}}));
        run(1);
        const QJsonObject upload = m_server->state().value("uploads").toArray().first().toObject();
        QCOMPARE(upload.value("md5").toString().toLatin1(), QCryptographicHash::hash(leftover, QCryptographicHash::Md5).toHex());
        QVERIFY(!QFile::exists(m_logs->filePath("Log_1.zip")));
    }

    // At its time limit the run abandons the request in progress and
    // reports nothing.
    void timeLimit()
    {
        QVERIFY(m_server->control({{"whitelisted", true}, {"faults", QJsonObject{{"credential", "stall"}}}}));
        KvTestLog log;
        QElapsedTimer clock;
        clock.start();
        run(1, 400);
        QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(log.hasError("log retrieval stopped at its 400 ms limit"));
        QVERIFY(m_server->state().value("uploads").toArray().isEmpty());
    }

    // Destroying the task while a request stalls ends its thread at once.
    void destroyedWhileStalled()
    {
        QVERIFY(m_server->control({{"faults", QJsonObject{{"token", "stall"}}}}));
        KvTestLog log;
        auto *task = new FLogRetrievalTask(nullptr, 1);
        task->setLogDirectory(m_logs->path());
        task->start();
        QTRY_VERIFY(m_server->state().value("requests").toArray().size() == 1);
        QElapsedTimer clock;
        clock.start();
        delete task;
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(log.count("destroy FLogRetrievalTask") == 1);
        QVERIFY(log.count("release m_logRetrieval") == 1);
        QVERIFY(log.count("destroy FLogRetrieval:1") == 1);
        QVERIFY(log.count("release FUserAccessTokenChain") == 1);
        QVERIFY(log.count("release: LogUpload") == 1);
        // Stopping is no failure.
        QVERIFY2(log.errors().isEmpty(), qPrintable(log.errors().join('\n')));
    }

    void missingAddressStopsQuietly()
    {
        writeAddresses(QString());
        KvTestLog log;
        run(1);
        writeAddresses(m_server->address());
        QVERIFY(log.errors().isEmpty());
        QVERIFY(log.count("no web address for LogRetrievalToken") == 1);
        QVERIFY(m_server->state().value("requests").toArray().isEmpty());
    }

private:
    void run(int mode, int limitMs = 0)
    {
        FLogRetrievalTask task(nullptr, mode);
        task.setLogDirectory(m_logs->path());
        if (limitMs > 0)
            task.setTimeLimitMs(limitMs);
        task.start();
        QVERIFY(task.wait(20000));
    }

    static void writeAddresses(const QString &base)
    {
        QByteArray ini = "[CBSUrl]\n";
        if (!base.isEmpty()) {
            ini += "LogRetrievalToken=" + base.toLatin1() + "/auth/token\n"
                   "LogRetrievalWhitelistCheck=" + base.toLatin1() + "/whitelist/check\n"
                   "LogRetrievalWhitelistAdd=" + base.toLatin1() + "/whitelist/add\n"
                   "LogRetrievalUploadToken=" + base.toLatin1() + "/upload/token\n"
                   "LogRetrievalReport=" + base.toLatin1() + "/report\n";
        }
        writeAll(QFileInfo(KvConfig::Instance()->storeFile()).dir().filePath("CBSUrls.ini"), ini);
    }

    static void setFlashback(bool on)
    {
        QSettings ini(KvConfig::Instance()->GetKorvaneConfigFile(), QSettings::IniFormat);
        ini.setValue("LogRetrieval/flashback", on);
    }
    static bool flashback()
    {
        QSettings ini(KvConfig::Instance()->GetKorvaneConfigFile(), QSettings::IniFormat);
        return ini.value("LogRetrieval/flashback").toBool();
    }

    std::unique_ptr<KvTestStorageServer> m_server;
    std::unique_ptr<QTemporaryDir> m_logs;
};

QTEST_MAIN(TestLogRetrieval)
#include "tst_logretrieval.moc"
