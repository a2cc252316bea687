// Voice-over and webcam recording windows, the WAV files they write and the
// export record built from a recorder's facts.
#include "KvAppSettings.h"
#include "KvAudioRecordView.h"
#include "KvExportTrack.h"
#include "KvWavFile.h"
#include "KvWebcamRecordView.h"

#include <QCheckBox>
#include <QDataStream>
#include <QImage>
#include <QPushButton>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The signals of a voice-over view, in the order they came.
struct SignalLog
{
    QStringList events;
    QStringList finishedArgs;

    void watch(KvAudioRecordView &view)
    {
        QObject::connect(&view, &KvAudioRecordView::sigStartCaptureFailed, [this] { events << "failed"; });
        QObject::connect(&view, &KvAudioRecordView::sigStartCapture, [this] { events << "start"; });
        QObject::connect(&view, &KvAudioRecordView::sigCaptureDoing, [this](qint64 position) {
            // Progress ticks depend on the machine's speed: only the last one counts.
            if (!events.isEmpty() && events.last().startsWith("doing"))
                events.removeLast();
            events << QStringLiteral("doing %1").arg(position);
        });
        QObject::connect(&view, &KvAudioRecordView::sigFinished,
                         [this](const QString &path, const QString &info, const QString &extra) {
                             events << "finished";
                             finishedArgs = QStringList{path, info, extra};
                         });
        QObject::connect(&view, &KvAudioRecordView::sigClose, [this] { events << "close"; });
    }
};

QByteArray wavHeader(quint16 audioFormat, quint16 bits, quint32 dataBytes, const QByteArray &extraChunk = {})
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + extraChunk.size() + dataBytes);
    out.writeRawData("WAVE", 4);
    out.writeRawData("fmt ", 4);
    out << quint32(16) << audioFormat << quint16(1) << quint32(8000) << quint32(16000) << quint16(2) << bits;
    out.writeRawData(extraChunk.constData(), extraChunk.size());
    out.writeRawData("data", 4);
    out << dataBytes;
    return bytes;
}

} // namespace

class TestKvRecordViews : public QObject
{
    Q_OBJECT

private slots:
    void wavLengthAndHeader_data()
    {
        QTest::addColumn<qint64>("durationMs");
        QTest::addColumn<int>("sampleRate");
        QTest::addColumn<int>("channels");
        QTest::addColumn<quint32>("dataBytes");

        QTest::newRow("empty recording") << qint64(0) << 44100 << 1 << quint32(0);
        QTest::newRow("one millisecond rounds down to whole frames") << qint64(1) << 44100 << 1 << quint32(88);
        QTest::newRow("one and a half seconds") << qint64(1500) << 44100 << 1 << quint32(132300);
        QTest::newRow("stereo 48 kHz") << qint64(1000) << 48000 << 2 << quint32(192000);
        QTest::newRow("a minute at 8 kHz") << qint64(60000) << 8000 << 1 << quint32(960000);
    }
    void wavLengthAndHeader()
    {
        QFETCH(qint64, durationMs);
        QFETCH(int, sampleRate);
        QFETCH(int, channels);
        QFETCH(quint32, dataBytes);
        QTemporaryDir dir;
        const QString path = dir.filePath("a.wav");
        KvWavFile::Format format;
        format.sampleRate = sampleRate;
        format.channels = channels;
        QVERIFY(KvWavFile::writeSilence(path, durationMs, format));

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.size(), int(44 + dataBytes));
        QCOMPARE(bytes.left(4), QByteArray("RIFF"));
        QCOMPARE(qFromLittleEndian<quint32>(bytes.constData() + 4), quint32(36 + dataBytes));
        QCOMPARE(bytes.mid(8, 8), QByteArray("WAVEfmt "));
        QCOMPARE(qFromLittleEndian<quint32>(bytes.constData() + 28), quint32(sampleRate * channels * 2));
        QVERIFY(bytes.mid(44).count('\0') == int(dataBytes));

        KvWavFile::Format read;
        qint64 offset = 0;
        QVERIFY(KvWavFile::readFormat(path, &read, nullptr, &offset));
        QCOMPARE(offset, qint64(44));
        QCOMPARE(read.sampleRate, sampleRate);
        QCOMPARE(read.channels, channels);
        QCOMPARE(read.dataBytes, dataBytes);
        // Whole frames only: never longer than asked, short by less than one frame.
        QVERIFY(read.durationMs() <= durationMs && read.durationMs() >= durationMs - 1);
    }

    void wavRefusals()
    {
        QTemporaryDir dir;
        QString error;
        QVERIFY(!KvWavFile::writeSilence(dir.filePath("neg.wav"), -1, &error));
        QVERIFY(!error.isEmpty());
        // Past what a RIFF size field holds.
        QVERIFY(!KvWavFile::writeSilence(dir.filePath("long.wav"), qint64(7) * 24 * 3600 * 1000, &error));
        QVERIFY(!KvWavFile::writeSilence(dir.filePath("missing/dir/a.wav"), 10, &error));
        QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    }

    void wavReadFormat_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("ok");

        QTest::newRow("empty file") << QByteArray() << false;
        QTest::newRow("RIFF only") << QByteArray("RIFF") << false;
        QTest::newRow("not WAVE") << QByteArray("RIFF\x04\0\0\0AVI ", 12) << false;
        QTest::newRow("float samples") << wavHeader(3, 32, 0) << false;
        QTest::newRow("8-bit samples") << wavHeader(1, 8, 0) << false;
        QTest::newRow("data shorter than announced") << wavHeader(1, 16, 100) + QByteArray(10, '\0') << false;
        QTest::newRow("LIST chunk before data")
            << wavHeader(1, 16, 4, QByteArray("LIST\x02\0\0\0ab", 10)) + QByteArray(4, '\0') << true;
        QTest::newRow("odd-sized chunk is padded")
            << wavHeader(1, 16, 2, QByteArray("junk\x01\0\0\0x\0", 10)) + QByteArray(2, '\0') << true;
    }
    void wavReadFormat()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, ok);
        QTemporaryDir dir;
        QFile file(dir.filePath("in.wav"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        KvWavFile::Format format;
        QString error;
        QCOMPARE(KvWavFile::readFormat(file.fileName(), &format, &error), ok);
        QCOMPARE(error.isEmpty(), ok);
    }

    void voiceOverDefaultsToSettingsFolder()
    {
        KvAudioRecordView view;
        QCOMPARE(view.outputFolder(),
                 KvAppSettings::GetInstance()->GetSettings().GetFolderSettings().GetRecorderVoiceFolder());
    }

    // The presenter relies on the order of the signals and on the finish
    // carrying a WAV of the recorded length.
    void voiceOverSignalOrder_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("finished after 1.5 s") << "finish" << QStringList{"start", "doing 1500", "finished", "close"};
        QTest::newRow("record button twice") << "button" << QStringList{"start", "doing *", "finished", "close"};
        QTest::newRow("window closed while recording")
            << "close" << QStringList{"start", "doing *", "finished", "close"};
        QTest::newRow("closed without recording") << "idle" << QStringList{"close"};
        QTest::newRow("folder cannot be written") << "unwritable" << QStringList{"failed", "close"};
    }
    void voiceOverSignalOrder()
    {
        QFETCH(QString, how);
        QFETCH(QStringList, expected);
        QTemporaryDir dir;
        QWidget parent;
        auto *view = new KvAudioRecordView(&parent);
        SignalLog log;
        log.watch(*view);
        if (how == "unwritable") {
            QFile blocker(dir.filePath("file"));
            QVERIFY(blocker.open(QIODevice::WriteOnly));
            view->setOutputFolder(blocker.fileName() + "/voice");
        } else {
            view->setOutputFolder(dir.filePath("voice"));
        }

        if (how == "finish") {
            QVERIFY(view->startCapture());
            view->finishCapture(1500);
        } else if (how == "button") {
            QPushButton *record = view->findChild<QPushButton *>("KvAudioRecordView_RecordBtn");
            QTest::mouseClick(record, Qt::LeftButton);
            QVERIFY(view->isCapturing());
            QCOMPARE(record->accessibleName(), QStringLiteral("Stop"));
            QTest::mouseClick(record, Qt::LeftButton);
        } else if (how == "close") {
            QVERIFY(view->startCapture());
            view->reject();
        } else if (how == "unwritable") {
            QVERIFY(!view->startCapture());
            QVERIFY(!view->isCapturing());
            view->reject();
        } else {
            view->reject();
        }

        QStringList events = log.events;
        for (int i = 0; i < expected.size() && i < events.size(); ++i) {
            if (expected.at(i) == "doing *" && events.at(i).startsWith("doing "))
                events[i] = "doing *";
        }
        QCOMPARE(events, expected);
        if (!expected.contains("finished"))
            return;
        const QStringList finished = log.finishedArgs;
        const QString path = finished.value(0);
        QCOMPARE(QFileInfo(path).absolutePath(), dir.filePath("voice"));
        QCOMPARE(view->recordedPath(), path);
        KvWavFile::Format format;
        QVERIFY(KvWavFile::readFormat(path, &format));
        const QJsonObject info = QJsonDocument::fromJson(finished.value(1).toUtf8()).object();
        QCOMPARE(info.value("duration").toVariant().toLongLong(), qint64(format.durationMs()));
        if (how == "finish")
            QCOMPARE(format.durationMs(), qint64(1500));
        QCOMPARE(view->result(), int(QDialog::Accepted));
    }

    void voiceOverMuteFollowsCheckBox()
    {
        KvAudioRecordView view;
        QSignalSpy mute(&view, &KvAudioRecordView::sigMute);
        auto *box = view.findChild<QCheckBox *>("KvAudioRecordView_MuteBox");
        QVERIFY(box && !box->accessibleName().isEmpty());
        box->setChecked(true);
        box->setChecked(false);
        QCOMPARE(mute.size(), 2);
        QCOMPARE(mute.at(0).at(0).toBool(), true);
        QCOMPARE(mute.at(1).at(0).toBool(), false);
    }

    // Two recordings in the same second do not overwrite each other.
    void voiceOverNamesAreUnique()
    {
        QTemporaryDir dir;
        QSet<QString> paths;
        for (int i = 0; i < 3; ++i) {
            KvAudioRecordView view;
            view.setOutputFolder(dir.path());
            QVERIFY(view.startCapture());
            view.finishCapture(10);
            paths << view.recordedPath();
        }
        QCOMPARE(paths.size(), 3);
    }

    void webcamRecordsStillWithFacts()
    {
        QTemporaryDir dir;
        KvWebcamRecordView view;
        QCOMPARE(view.outputFolder(),
                 KvAppSettings::GetInstance()->GetSettings().GetFolderSettings().GetCaptureFileFolder());
        view.setOutputFolder(dir.filePath("cam"));
        QStringList order;
        QStringList args;
        connect(&view, &KvWebcamRecordView::sigFinished, this,
                [&](const QString &path, const QString &info, const QString &fileInfo) {
                    order << "finished";
                    args = QStringList{path, info, fileInfo};
                });
        connect(&view, &KvWebcamRecordView::sigClose, this, [&] { order << "close"; });
        QVERIFY(view.record());
        QCOMPARE(order, QStringList({"finished", "close"}));
        const QImage image(args.at(0));
        QCOMPARE(image.size(), KvWebcamRecordView::kFrameSize);

        const KvExportTrackRecord record = KvExportTrack::recordFromRecorder(args.at(0), args.at(1), args.at(2));
        QCOMPARE(record.videoResolution, QStringLiteral("1280*720"));
        QCOMPARE(record.frameRate, QStringLiteral("30"));
        QCOMPARE(record.fileFormat, QStringLiteral("png"));
        QVERIFY(!record.fileType.isEmpty() && !record.videoCodec.isEmpty() && !record.videoMuxer.isEmpty());
    }

    void webcamUnwritableKeepsWindow()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath("file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        KvWebcamRecordView view;
        view.setOutputFolder(blocker.fileName());
        QSignalSpy finished(&view, &KvWebcamRecordView::sigFinished);
        QSignalSpy closed(&view, &KvWebcamRecordView::sigClose);
        QVERIFY(!view.record());
        QCOMPARE(finished.size(), 1);
        QVERIFY(finished.at(0).at(0).toString().isEmpty());
        QCOMPARE(closed.size(), 0);
    }

    void exportRecordFromRecorderFacts_data()
    {
        QTest::addColumn<QString>("info");
        QTest::addColumn<QString>("fileInfo");
        QTest::addColumn<QStringList>("expected"); // resolution, rate, type, format, codec, muxer

        QTest::newRow("all facts") << R"({"frame_rate":"25","video_resolution":"640*360"})"
                                   << R"({"file_type":"video","file_format":"mp4","video_codec":"h264","video_muxer":"mp4"})"
                                   << QStringList{"640*360", "25", "video", "mp4", "h264", "mp4"};
        QTest::newRow("empty texts") << "" << "" << QStringList{"", "", "", "", "", ""};
        QTest::newRow("arrays are no objects") << "[1,2]" << "[]" << QStringList{"", "", "", "", "", ""};
        QTest::newRow("broken JSON") << "{\"frame_rate\":" << "nonsense" << QStringList{"", "", "", "", "", ""};
        QTest::newRow("facts swapped between the texts")
            << R"({"file_type":"video"})" << R"({"frame_rate":"25"})" << QStringList{"", "", "", "", "", ""};
    }
    void exportRecordFromRecorderFacts()
    {
        QFETCH(QString, info);
        QFETCH(QString, fileInfo);
        QFETCH(QStringList, expected);
        const KvExportTrackRecord record = KvExportTrack::recordFromRecorder("/r/a.mp4", info, fileInfo);
        QCOMPARE(QStringList({record.videoResolution, record.frameRate, record.fileType, record.fileFormat,
                              record.videoCodec, record.videoMuxer}),
                 expected);
        QCOMPARE(record.filePath, QStringLiteral("/r/a.mp4"));
        QCOMPARE(record.source, QStringLiteral("record"));
        QCOMPARE(record.duration, 0);
    }
};

QTEST_MAIN(TestKvRecordViews)
#include "tst_kvrecordviews.moc"
