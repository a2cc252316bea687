#include "KvFrameDecoder.h"

#include <QtEndian>
#include <QtTest>

namespace {

QByteArray header(const char *magic, quint32 length)
{
    char size[4];
    qToBigEndian(length, size);
    return QByteArray(magic, 4) + QByteArray(size, 4);
}

// Feeds `stream` in chunks of `chunkSize` bytes and collects the texts.
QStringList feedInChunks(KvFrameDecoder &decoder, const QByteArray &stream, int chunkSize)
{
    QStringList texts;
    for (int at = 0; at < stream.size(); at += chunkSize) {
        texts << decoder.feed(stream.mid(at, chunkSize));
        if (decoder.bufferedBytes() > KvFrameDecoder::kHeaderSize + decoder.maxPayload())
            qFatal("decoder holds %lld bytes", decoder.bufferedBytes());
    }
    return texts;
}

} // namespace

class TestKvFrameDecoder : public QObject
{
    Q_OBJECT

private slots:
    void splitAnywhere_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("message") << R"([{"cmd":"CMD_OPEN_PROJECT","contents":["/a.kvproj"]}])";
        QTest::newRow("multi-byte characters") << QString::fromUtf8("é项🎬é项🎬");
    }
    // One frame in two reads, cut at every byte, the header's included.
    void splitAnywhere()
    {
        QFETCH(QString, text);
        const QByteArray frame = KvFrameDecoder::encode(text);
        QCOMPARE(frame.size(), KvFrameDecoder::kHeaderSize + text.toUtf8().size());
        for (int cut = 0; cut <= frame.size(); ++cut) {
            KvFrameDecoder decoder;
            const QStringList first = decoder.feed(frame.left(cut));
            QCOMPARE(first.isEmpty(), cut < frame.size());
            QCOMPARE(decoder.isMidFrame(), cut > 0 && cut < frame.size());
            const QStringList all = first + decoder.feed(frame.mid(cut));
            QCOMPARE(all, QStringList{text});
            QVERIFY(!decoder.hasError());
            QVERIFY(!decoder.isMidFrame());
            QCOMPARE(decoder.bufferedBytes(), 0);
        }
    }

    void severalFramesInOneRead()
    {
        const QStringList texts{"[1]", "", QString::fromUtf8("[\"ü\"]"), "fourth"};
        QByteArray stream;
        for (const QString &text : texts)
            stream += KvFrameDecoder::encode(text);
        const QByteArray last = KvFrameDecoder::encode("fifth");

        KvFrameDecoder decoder;
        QCOMPARE(decoder.feed(stream + last.left(5)), texts);
        QVERIFY(decoder.isMidFrame());
        QCOMPARE(decoder.bufferedBytes(), 5);
        QCOMPARE(decoder.feed(last.mid(5)), QStringList{"fifth"});

        KvFrameDecoder byteByByte;
        QCOMPARE(feedInChunks(byteByByte, stream, 1), texts);
    }

    void largeText_data()
    {
        QTest::addColumn<int>("chunkSize");
        QTest::newRow("one read") << (4 << 20);
        QTest::newRow("64 KiB reads") << 65536;
        QTest::newRow("odd reads") << 4093;
    }
    void largeText()
    {
        QFETCH(int, chunkSize);
        const QString big = QString(1 << 20, QChar('x')) + QString::fromUtf8("项") + QString(1000, QChar('y'));
        const QByteArray stream =
            KvFrameDecoder::encode(big) + KvFrameDecoder::encode("after") + KvFrameDecoder::encode(big);
        KvFrameDecoder decoder;
        const QStringList texts = feedInChunks(decoder, stream, chunkSize);
        QCOMPARE(texts.size(), 3);
        QVERIFY(texts.at(0) == big);
        QCOMPARE(texts.at(1), QStringLiteral("after"));
        QVERIFY(texts.at(2) == big);
    }

    void limit()
    {
        const QString exact(1024, QChar('a'));
        QCOMPARE(KvFrameDecoder::encode(exact, 1024).size(), KvFrameDecoder::kHeaderSize + 1024);
        QVERIFY(KvFrameDecoder::encode(exact + "a", 1024).isEmpty());
        // Characters over one byte count as their UTF-8 size.
        QVERIFY(KvFrameDecoder::encode(QString(600, QChar(0xE9)), 1024).isEmpty());

        KvFrameDecoder decoder(1024);
        QCOMPARE(decoder.feed(KvFrameDecoder::encode(exact, 1024)), QStringList{exact});
        QVERIFY(!decoder.hasError());
    }

    // Whatever breaks the framing ends the stream for good: texts completed
    // before it are handed out, nothing after, and nothing is held.
    void brokenStream_data()
    {
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<int>("maxPayload");
        QTest::addColumn<QStringList>("textsBefore");
        QTest::addColumn<QString>("error");
        const int cap = KvCommunicator::kMaxPayload;
        QTest::newRow("garbage") << QByteArray("GET / HTTP/1.1\r\nHost: x\r\n\r\n") << cap << QStringList()
                                 << "magic";
        QTest::newRow("other protocol version") << header("KVC2", 3) + "[1]" << cap << QStringList() << "magic";
        QTest::newRow("4 GiB declared") << header("KVC1", 0xFFFFFFFFu) + QByteArray(100, 'z') << cap
                                        << QStringList() << "limit";
        QTest::newRow("one over a small limit") << header("KVC1", 1025) + QByteArray(1025, 'z') << 1024
                                                << QStringList() << "limit";
        QTest::newRow("not UTF-8") << header("KVC1", 3) + "a\xff\xfe" << cap << QStringList() << "UTF-8";
        QTest::newRow("cut UTF-8 sequence") << header("KVC1", 3) + "a\xe9\xa1" << cap << QStringList() << "UTF-8";
        QTest::newRow("good frames, then garbage")
            << KvFrameDecoder::encode("one") + KvFrameDecoder::encode("two") + "KVX1" + KvFrameDecoder::encode("three")
            << cap << QStringList{"one", "two"} << "magic";
    }
    void brokenStream()
    {
        QFETCH(QByteArray, stream);
        QFETCH(int, maxPayload);
        QFETCH(QStringList, textsBefore);
        QFETCH(QString, error);
        for (int chunkSize : {int(stream.size()), 1}) {
            KvFrameDecoder decoder(maxPayload);
            QCOMPARE(feedInChunks(decoder, stream, chunkSize), textsBefore);
            QVERIFY(decoder.hasError());
            QVERIFY2(decoder.errorString().contains(error), qPrintable(decoder.errorString()));
            QCOMPARE(decoder.bufferedBytes(), 0);
            QVERIFY(decoder.feed(KvFrameDecoder::encode("later")).isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(TestKvFrameDecoder)
#include "tst_kvframedecoder.moc"
