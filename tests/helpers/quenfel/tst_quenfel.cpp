// The screen recorder helper, driven through a real communicator server as
// the editor drives it.
#include "KvCommunicatorMsg.h"
#include "KvCommunicatorServer.h"

#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kQuenfel = QStringLiteral(KORVANE_BIN_DIR "/Quenfel.exe");

} // namespace

class TestQuenfel : public QObject
{
    Q_OBJECT

private:
    QList<KvCommunicatorMsg> m_received;

    KvCommunicatorServer *server() { return KvCommunicatorServer::GetInstance(); }

    QList<KvCommunicatorMsg> received(const QString &command) const
    {
        QList<KvCommunicatorMsg> found;
        for (const KvCommunicatorMsg &message : m_received) {
            if (message.contains(command))
                found << message;
        }
        return found;
    }

    void startRecorder()
    {
        QVERIFY(server()->StartProcess(kQuenfel, {"1"}, true, true));
        connect(server(), &KvCommunicatorServer::sigReceveMsgFrom, this, [this](const QString &text) {
            m_received += KvCommunicatorMsg::buildListFromString(text);
        });
        QTRY_COMPARE(received("CMD_RECORDER_CAPTUREDIR_NOTIFIY").size(), 1);
    }

    void exitRecorder()
    {
        server()->SendMsgToProcess("CMD_RECORDER_EIXT_REQUEST", {}, kQuenfel);
        QTRY_COMPARE(received("CMD_RECORDER_EIXT_NOTIFIY").size(), 1);
        QTRY_VERIFY(!server()->IsProcessStarted(kQuenfel));
    }

private slots:
    void initTestCase() { QVERIFY2(QFileInfo(kQuenfel).isExecutable(), qPrintable(kQuenfel)); }

    void init()
    {
        m_received.clear();
        qunsetenv("KV_QUENFEL_AUTO_RECORD");
        qunsetenv("KV_QUENFEL_CAPTURE_DIR");
    }
    void cleanup() { KvCommunicatorServer::Release(); }

    // Start, a recording at once and one per activation, exit: every file
    // is a whole image in the announced folder, reported with its facts.
    void recordsIntoAnnouncedFolder_data()
    {
        QTest::addColumn<bool>("autoRecord");
        QTest::addColumn<int>("activations");
        QTest::addColumn<int>("files");

        QTest::newRow("no auto recording") << false << 1 << 0;
        QTest::newRow("auto, start only") << true << 0 << 1;
        QTest::newRow("auto, two activations") << true << 2 << 3;
    }
    void recordsIntoAnnouncedFolder()
    {
        QFETCH(bool, autoRecord);
        QFETCH(int, activations);
        QFETCH(int, files);
        QTemporaryDir dir;
        const QString folder = dir.filePath("capture/nested");
        qputenv("KV_QUENFEL_CAPTURE_DIR", folder.toUtf8());
        if (autoRecord)
            qputenv("KV_QUENFEL_AUTO_RECORD", "1");

        startRecorder();
        QCOMPARE(received("CMD_RECORDER_CAPTUREDIR_NOTIFIY").first().firstContent(), folder);
        for (int i = 0; i < activations; ++i)
            QVERIFY(server()->SendMsgToProcess("CMD_RECORDER_ACTIVE_REQUEST", {}, kQuenfel) > 0);
        QTRY_COMPARE(received("CMD_RECORDER_FILEPATH_NOTIFIY").size(), files);
        exitRecorder();
        QCOMPARE(received("CMD_RECORDER_FILEPATH_NOTIFIY").size(), files);

        QSet<QString> paths;
        for (const KvCommunicatorMsg &message : received("CMD_RECORDER_FILEPATH_NOTIFIY")) {
            const QStringList contents = message.contents();
            QCOMPARE(contents.size(), 3);
            const QString path = contents.at(0);
            QCOMPARE(QFileInfo(path).absolutePath(), folder);
            const QImage image(path);
            QVERIFY2(!image.isNull(), qPrintable(path));
            paths << path;

            const QJsonObject recording = QJsonDocument::fromJson(contents.at(1).toUtf8()).object();
            QCOMPARE(recording.value("video_resolution").toString(),
                     QStringLiteral("%1*%2").arg(image.width()).arg(image.height()));
            QVERIFY(!recording.value("frame_rate").toString().isEmpty());
            const QJsonObject file = QJsonDocument::fromJson(contents.at(2).toUtf8()).object();
            for (const char *key : {"file_type", "file_format", "video_codec", "video_muxer"})
                QVERIFY2(!file.value(key).toString().isEmpty(), key);
            QCOMPARE(file.value("file_format").toString(), QStringLiteral("png"));
        }
        QCOMPARE(paths.size(), files);
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), files);
    }

    // A capture folder that cannot be made: nothing is reported as recorded
    // and the recorder still answers.
    void unwritableFolderReportsNothing()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath("file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        qputenv("KV_QUENFEL_CAPTURE_DIR", dir.filePath("file/capture").toUtf8());
        qputenv("KV_QUENFEL_AUTO_RECORD", "1");

        startRecorder();
        QVERIFY(server()->SendMsgToProcess("CMD_RECORDER_ACTIVE_REQUEST", {}, kQuenfel) > 0);
        exitRecorder();
        QVERIFY(received("CMD_RECORDER_FILEPATH_NOTIFIY").isEmpty());
    }

    // Started by hand, without an editor to report to, it ends at once.
    void withoutEditorEnds()
    {
        QProcess process;
        process.start(kQuenfel, {"0"});
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitCode(), 2);
    }
};

QTEST_MAIN(TestQuenfel)
#include "tst_quenfel.moc"
