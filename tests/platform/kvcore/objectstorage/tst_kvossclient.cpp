#include "KvOssClient.h"
#include "KvOssSdk.h"
#include "KvOssSigner.h"

#include "KvTestStorageServer.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

using Headers = KvOssSigner::HeaderList;
Q_DECLARE_METATYPE(Headers)

namespace {

// The secret and key id the test server's bucket verifies with.
const QString kKeyId = QStringLiteral("STS.kvTestKeyId");
const QString kSecret = QStringLiteral("kvTestKeySecret0123456789");
const QString kToken = QStringLiteral("kvTestSecurityToken/+=");
const QByteArray kContent = QByteArray(200000, 'z') + "end";

QJsonObject decodeHeader(const QByteArray &value)
{
    return QJsonDocument::fromJson(QByteArray::fromBase64(value)).object();
}

} // namespace

class TestKvOssClient : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_server.reset(new KvTestStorageServer); }
    void cleanupTestCase() { m_server.reset(); }

    // The service's published example.
    void knownAnswer()
    {
        const QByteArray toSign = "PUT\nODBGOERFMDMzQTczRUY3NUE3NzA5QzdFNUYzMDQxNEM=\ntext/html\n"
                                  "Thu, 17 Nov 2005 18:49:58 GMT\nx-oss-magic:abracadabra\n"
                                  "x-oss-meta-author:foo@bar.com\n/oss-example/nelson";
        QCOMPARE(KvOssSigner::signature("OtxrzxIsfpFjA7SwPzILwy8Bw21TLhquhboDYROV", toSign),
                 QByteArray("26NBxoKdsyly4EDv6inkoDft/yA="));
        // The same string built from headers as a client would hold them.
        const Headers headers = {{"X-OSS-Meta-Author", "  foo@bar.com "},
                                 {"Content-Type", "text/html"},
                                 {"x-oss-Magic", "abracadabra"}};
        QCOMPARE(KvOssSigner::stringToSign("PUT", "ODBGOERFMDMzQTczRUY3NUE3NzA5QzdFNUYzMDQxNEM=", "text/html",
                                           KvOssSigner::httpDate(QDateTime(QDate(2005, 11, 17), QTime(18, 49, 58), Qt::UTC)),
                                           headers, "/oss-example/nelson"),
                 toSign);
    }

    void stringToSign_data()
    {
        QTest::addColumn<QByteArray>("md5");
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<Headers>("headers");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("no digest, no type: both newlines kept")
            << QByteArray() << QByteArray() << Headers{} << QByteArray("PUT\n\n\nD\n/b/k");
        QTest::newRow("other headers are not signed")
            << QByteArray("M") << QByteArray("T") << Headers{{"Content-Length", "3"}, {"x-ossy", "1"}}
            << QByteArray("PUT\nM\nT\nD\n/b/k");
        QTest::newRow("sorted by lower-case name")
            << QByteArray() << QByteArray("T")
            << Headers{{"x-oss-security-token", "tok"}, {"X-OSS-Callback-Var", "dmFy"}, {"x-oss-callback", "Y2I="}}
            << QByteArray("PUT\n\nT\nD\nx-oss-callback:Y2I=\nx-oss-callback-var:dmFy\nx-oss-security-token:tok\n/b/k");
        QTest::newRow("blanks around the value dropped, inner ones kept")
            << QByteArray() << QByteArray() << Headers{{" x-oss-meta-a ", "  one two  "}}
            << QByteArray("PUT\n\n\nD\nx-oss-meta-a:one two\n/b/k");
    }
    void stringToSign()
    {
        QFETCH(QByteArray, md5);
        QFETCH(QByteArray, type);
        QFETCH(Headers, headers);
        QFETCH(QByteArray, expected);
        QCOMPARE(KvOssSigner::stringToSign("PUT", md5, type, "D", headers, "/b/k"), expected);
    }

    void httpDateIsGmt()
    {
        // 20:49:58 at UTC+2 is 18:49:58 GMT, whatever the locale says.
        QLocale::setDefault(QLocale(QLocale::German));
        const QDateTime time(QDate(2005, 11, 17), QTime(20, 49, 58), Qt::OffsetFromUTC, 2 * 3600);
        QCOMPARE(KvOssSigner::httpDate(time), QByteArray("Thu, 17 Nov 2005 18:49:58 GMT"));
        QLocale::setDefault(QLocale::c());
    }

    void contentMd5_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("start");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("empty") << QByteArray() << 0 << QByteArray("1B2M2Y8AsgTpgAmY7PhCfg==");
        QTest::newRow("abc") << QByteArray("abc") << 0 << QByteArray("kAFQmDzST7DWlj99KOF/cg==");
        QTest::newRow("from the position on") << QByteArray("xxabc") << 2 << QByteArray("kAFQmDzST7DWlj99KOF/cg==");
    }
    void contentMd5()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, start);
        QFETCH(QByteArray, expected);
        QBuffer buffer(&content);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        buffer.seek(start);
        QCOMPARE(KvOssSigner::contentMd5(&buffer), expected);
        QCOMPARE(buffer.pos(), qint64(start));
    }

    void callbackHeaders()
    {
        KvOssCallback callback{"http://cb.example/notify", "cb.example", "object=${object}", "application/json"};
        const QJsonObject decoded = decodeHeader(callback.headerValue());
        QCOMPARE(decoded.value("callbackUrl").toString(), callback.callbackUrl);
        QCOMPARE(decoded.value("callbackHost").toString(), callback.callbackHost);
        QCOMPARE(decoded.value("callbackBody").toString(), callback.callbackBody);
        QCOMPARE(decoded.value("callbackBodyType").toString(), callback.callbackBodyType);

        KvOssCallbackVariables variables;
        QVERIFY(variables.addCallbackVariable("x:file_name", "Log_1.zip"));
        QVERIFY(!variables.addCallbackVariable("x:File", "upper case"));
        QVERIFY(!variables.addCallbackVariable("user_id", "no prefix"));
        QVERIFY(!variables.addCallbackVariable("x:", "no name"));
        QCOMPARE(decodeHeader(variables.headerValue()), QJsonObject({{"x:file_name", "Log_1.zip"}}));
    }

    void errorBody_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QByteArray>("requestIdHeader");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("requestId");

        QTest::newRow("service error")
            << QByteArray("<?xml version=\"1.0\"?><Error><Code>AccessDenied</Code><Message>No &amp; never</Message>"
                          "<RequestId>5C3D9</RequestId></Error>")
            << QByteArray("OTHER") << "AccessDenied" << "No & never" << "5C3D9";
        QTest::newRow("gateway page") << QByteArray("<html>Bad gateway</html>") << QByteArray("77A")
                                      << "HttpStatus502" << "<html>Bad gateway</html>" << "77A";
        // A document type declaration ends the reading: nothing it defines is used.
        QTest::newRow("doctype")
            << QByteArray("<!DOCTYPE Error [<!ENTITY x \"boom\">]><Error><Code>&x;</Code></Error>") << QByteArray()
            << "HttpStatus502" << "<!DOCTYPE Error [<!ENTITY x \"boom\">]><Error><Code>&x;</Code></Error>" << "";
    }
    void errorBody()
    {
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, requestIdHeader);
        const KvOssError error = KvOssError::fromResponse(502, body, requestIdHeader);
        QTEST(error.code, "code");
        QTEST(error.message, "message");
        QTEST(error.requestId, "requestId");
    }

    void objectUrl_data()
    {
        QTest::addColumn<QString>("endpoint");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("url");
        QTest::newRow("host name: bucket in the host") << "oss-eu-1.example.com" << "logs/a.zip"
                                                       << "https://kv-logs.oss-eu-1.example.com/logs/a.zip";
        QTest::newRow("address: bucket in the path") << "http://127.0.0.1:8080" << "logs/a.zip"
                                                     << "http://127.0.0.1:8080/kv-logs/logs/a.zip";
        QTest::newRow("key with blanks") << "http://localhost" << "a b#c.zip" << "http://localhost/kv-logs/a%20b%23c.zip";
    }
    void objectUrl()
    {
        QFETCH(QString, endpoint);
        QFETCH(QString, key);
        QFETCH(QString, url);
        QCOMPARE(KvOssClient(endpoint, {}).objectUrl("kv-logs", key).toString(QUrl::FullyEncoded), url);
    }

    // Uploads checked by the loopback bucket, which rebuilds the signature
    // from what it received.
    void putObject_data()
    {
        QTest::addColumn<QString>("secret");
        QTest::addColumn<QString>("token");
        QTest::addColumn<int>("clockSkewS");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("initialised");
        QTest::addColumn<QByteArray>("givenMd5");
        QTest::addColumn<QString>("code");

        const QByteArray right = QCryptographicHash::hash(kContent, QCryptographicHash::Md5);
        const QByteArray wrong = QCryptographicHash::hash("other", QCryptographicHash::Md5);

        QTest::newRow("stored") << kSecret << kToken << 0 << "logs/c7/a.zip" << true << QByteArray() << QString();
        QTest::newRow("key with blanks and plus") << kSecret << kToken << 0 << "logs/c 7/a+b ü.zip" << true << QByteArray() << QString();
        QTest::newRow("clock 10 minutes behind") << kSecret << kToken << -600 << "k.zip" << true << QByteArray() << QString();
        QTest::newRow("wrong secret") << "not-the-secret" << kToken << 0 << "k.zip" << true << QByteArray() << "SignatureDoesNotMatch";
        QTest::newRow("wrong token") << kSecret << "stale" << 0 << "k.zip" << true << QByteArray() << "InvalidSecurityToken";
        QTest::newRow("clock 20 minutes behind") << kSecret << kToken << -1200 << "k.zip" << true << QByteArray()
                                                 << "RequestTimeTooSkewed";
        QTest::newRow("not initialised") << kSecret << kToken << 0 << "k.zip" << false << QByteArray() << "SdkNotInitialized";
        QTest::newRow("digest given") << kSecret << kToken << 0 << "k.zip" << true << right << QString();
        QTest::newRow("wrong digest given") << kSecret << kToken << 0 << "k.zip" << true << wrong << "InvalidDigest";
    }
    void putObject()
    {
        QFETCH(QString, secret);
        QFETCH(QString, token);
        QFETCH(int, clockSkewS);
        QFETCH(QString, key);
        QFETCH(bool, initialised);
        QFETCH(QByteArray, givenMd5);
        QFETCH(QString, code);

        KvTestStorageServer &server = *m_server;
        QVERIFY(server.isRunning());
        QVERIFY(server.reset());
        QTemporaryDir dir;
        auto file = std::make_shared<QFile>(dir.filePath("Log_1.zip"));
        QVERIFY(file->open(QIODevice::ReadWrite));
        const QByteArray content = kContent;
        file->write(content);
        file->seek(0);

        KvOssPutObjectRequest request("kv-logs", key, file);
        request.setContentMd5(givenMd5);
        request.setCallback({server.address("/callback"), "127.0.0.1", "file=${x:file_name}&size=${size}",
                             "application/x-www-form-urlencoded"});
        KvOssCallbackVariables variables;
        variables.addCallbackVariable("x:file_name", "Log_1.zip");
        request.setCallbackVariables(variables);

        KvOssPutObjectOutcome outcome;
        QScopedPointer<QThread> worker(QThread::create([&] {
            if (initialised)
                KvOssSdk::InitializeSdk();
            KvOssClient client(server.address(), {kKeyId, secret, token});
            client.enableRequests(true);
            client.setClock([clockSkewS] { return QDateTime::currentDateTimeUtc().addSecs(clockSkewS); });
            outcome = client.PutObject(request);
            if (initialised)
                KvOssSdk::ShutdownSdk();
        }));
        worker->start();
        QVERIFY(worker->wait(20000));

        const QJsonObject state = server.state();
        QCOMPARE(outcome.error.code, code);
        QCOMPARE(outcome.success, code.isEmpty());
        if (!code.isEmpty()) {
            QVERIFY(state.value("uploads").toArray().isEmpty());
            if (initialised)
                QVERIFY(!outcome.error.requestId.isEmpty());
            return;
        }
        const QJsonObject upload = state.value("uploads").toArray().first().toObject();
        QCOMPARE(upload.value("key").toString(), key);
        QCOMPARE(upload.value("md5").toString().toLatin1(), QCryptographicHash::hash(content, QCryptographicHash::Md5).toHex());
        const QJsonObject callback = state.value("callbacks").toArray().first().toObject();
        QCOMPARE(callback.value("body").toString(), QStringLiteral("file=Log_1.zip&size=%1").arg(content.size()));
        QVERIFY(outcome.callbackResponse.contains("OK"));
    }

private:
    std::unique_ptr<KvTestStorageServer> m_server;
};

QTEST_MAIN(TestKvOssClient)
#include "tst_kvossclient.moc"
