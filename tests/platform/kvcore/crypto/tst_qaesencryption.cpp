#include "QAESEncryption.h"

#include "KvTestLog.h"

#include <QRandomGenerator>
#include <QtTest>

Q_DECLARE_METATYPE(QAESEncryption::Aes)
Q_DECLARE_METATYPE(QAESEncryption::Mode)
Q_DECLARE_METATYPE(QAESEncryption::Padding)

namespace {
QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}
const QByteArray kKey256 = hex("000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f");
} // namespace

class TestQAESEncryption : public QObject
{
    Q_OBJECT

private slots:
    // Ciphertexts checked against `openssl enc -nopad` with the padding applied by hand.
    void knownAnswers_data()
    {
        QTest::addColumn<QAESEncryption::Aes>("level");
        QTest::addColumn<QAESEncryption::Mode>("mode");
        QTest::addColumn<QAESEncryption::Padding>("padding");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("iv");
        QTest::addColumn<QByteArray>("plain");
        QTest::addColumn<QByteArray>("cipher");

        QTest::newRow("FIPS-197 AES-256 block") << QAESEncryption::AES_256 << QAESEncryption::ECB << QAESEncryption::ZERO
                                                << kKey256 << QByteArray() << hex("00112233445566778899aabbccddeeff")
                                                << hex("8ea2b7ca516745bfeafc49904b496089");
        QTest::newRow("SP800-38A AES-256 CBC")
            << QAESEncryption::AES_256 << QAESEncryption::CBC << QAESEncryption::ZERO
            << hex("603deb1015ca71be2b73aef0857d77811f352c073b6108d72d9810a30914dff4")
            << hex("000102030405060708090a0b0c0d0e0f") << hex("6bc1bee22e409f96e93d7e117393172a")
            << hex("f58c4c04d6e5f1ba779eabfb5f7bfbd6");
        QTest::newRow("AES-128 ISO-padded") << QAESEncryption::AES_128 << QAESEncryption::ECB << QAESEncryption::ISO
                                            << hex("2b7e151628aed2a6abf7158809cf4f3c") << QByteArray()
                                            << QByteArray("Korvane") << hex("ea4b02769b4a587e48ba3f5d25755ef2");
        QTest::newRow("AES-192 PKCS7-padded")
            << QAESEncryption::AES_192 << QAESEncryption::ECB << QAESEncryption::PKCS7
            << hex("8e73b0f7da0e6452c810f32b809079e562f8ead2522c6b7b") << QByteArray() << QByteArray("Korvane")
            << hex("4f7b5523ac800e659fa3ad8de6a9a14d");
        // A whole block ending in 00: a second block carries the padding.
        QTest::newRow("AES-256 ISO, whole block ending in 00")
            << QAESEncryption::AES_256 << QAESEncryption::ECB << QAESEncryption::ISO << kKey256 << QByteArray()
            << hex("01080f161d242b323940474e555c6300")
            << hex("eadf9da2ae521ec49016a5cd20cd3d13e620f52fe75bbe87ab758c0624943d8b");
    }

    void knownAnswers()
    {
        QFETCH(QAESEncryption::Aes, level);
        QFETCH(QAESEncryption::Mode, mode);
        QFETCH(QAESEncryption::Padding, padding);
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, iv);
        QFETCH(QByteArray, plain);
        QFETCH(QByteArray, cipher);

        QCOMPARE(QAESEncryption::Crypt(level, mode, plain, key, iv, padding).toHex(), cipher.toHex());
        const QByteArray decoded = QAESEncryption::Decrypt(level, mode, cipher, key, iv, padding);
        bool ok = false;
        QCOMPARE(QAESEncryption::RemovePadding(decoded, padding, &ok), plain);
        QVERIFY(ok);
    }

    void isoPadding_data()
    {
        QTest::addColumn<QByteArray>("plain");
        QTest::addColumn<QByteArray>("padded");

        QTest::newRow("empty") << QByteArray() << QByteArray("\x80").append(15, '\0');
        QTest::newRow("1 byte") << QByteArray("a") << QByteArray("a\x80").append(14, '\0');
        QTest::newRow("15 bytes") << QByteArray(15, 'b') << QByteArray(15, 'b').append('\x80');
        QTest::newRow("16 bytes") << QByteArray(16, 'c') << QByteArray(16, 'c').append('\x80').append(15, '\0');
        QTest::newRow("17 bytes") << QByteArray(17, 'd') << QByteArray(17, 'd').append('\x80').append(14, '\0');
        // Plaintext that itself looks like padding stays whole.
        QTest::newRow("whole block ending in 80 00 00")
            << QByteArray(13, 'x').append("\x80\0\0", 3)
            << QByteArray(13, 'x').append("\x80\0\0", 3).append('\x80').append(15, '\0');
    }

    void isoPadding()
    {
        QFETCH(QByteArray, plain);
        QFETCH(QByteArray, padded);

        QAESEncryption aes(QAESEncryption::AES_256, QAESEncryption::ECB);
        const QByteArray cipher = aes.encode(plain, kKey256);
        QCOMPARE(cipher.size(), padded.size());
        const QByteArray decoded = aes.decode(cipher, kKey256);
        QCOMPARE(decoded.toHex(), padded.toHex());
        QCOMPARE(QAESEncryption::RemovePadding(decoded, QAESEncryption::ISO).toHex(), plain.toHex());
    }

    // Every length from empty to past two blocks, random bytes with the
    // endings that padding could be confused with, both modes, both
    // reversible paddings: what goes in comes out.
    void roundTrip_data()
    {
        QTest::addColumn<QAESEncryption::Mode>("mode");
        QTest::addColumn<QAESEncryption::Padding>("padding");
        QTest::addColumn<QByteArray>("plain");

        QRandomGenerator random(20240229);
        const QList<QByteArray> endings = {QByteArray(), QByteArray(1, '\0'), QByteArray(1, '\x80'),
                                           QByteArray("\x80\0", 2), QByteArray("\0\0\0", 3)};
        for (int length = 0; length <= 33; ++length) {
            for (const QByteArray &ending : endings) {
                if (ending.size() > length)
                    continue;
                QByteArray plain(length, Qt::Uninitialized);
                for (char &c : plain)
                    c = char(random.bounded(256));
                plain.replace(length - ending.size(), ending.size(), ending);
                for (auto mode : {QAESEncryption::ECB, QAESEncryption::CBC}) {
                    for (auto padding : {QAESEncryption::ISO, QAESEncryption::PKCS7}) {
                        QTest::addRow("%d bytes ending %s, %s, %s", length, ending.toHex().constData(),
                                      mode == QAESEncryption::ECB ? "ECB" : "CBC",
                                      padding == QAESEncryption::ISO ? "ISO" : "PKCS7")
                            << mode << padding << plain;
                    }
                }
            }
        }
    }

    void roundTrip()
    {
        QFETCH(QAESEncryption::Mode, mode);
        QFETCH(QAESEncryption::Padding, padding);
        QFETCH(QByteArray, plain);

        KvTestLog log;
        const QByteArray iv = hex("000102030405060708090a0b0c0d0e0f");
        const QByteArray cipher = QAESEncryption::Crypt(QAESEncryption::AES_256, mode, plain, kKey256, iv, padding);
        QCOMPARE(cipher.size(), (plain.size() / 16 + 1) * 16);
        const QByteArray decoded = QAESEncryption::Decrypt(QAESEncryption::AES_256, mode, cipher, kKey256, iv, padding);
        bool ok = false;
        QCOMPARE(QAESEncryption::RemovePadding(decoded, padding, &ok).toHex(), plain.toHex());
        QVERIFY(ok);
        QVERIFY2(log.errors().isEmpty(), qPrintable(log.errors().join('\n')));
    }

    // Padding that is not there is corrupt data: no result, one error line.
    void corruptPadding_data()
    {
        QTest::addColumn<QAESEncryption::Padding>("padding");
        QTest::addColumn<QByteArray>("raw");

        QTest::newRow("ISO, zeros without a marker") << QAESEncryption::ISO << hex("410000");
        QTest::newRow("ISO, nothing") << QAESEncryption::ISO << QByteArray();
        QTest::newRow("ISO, a block of zeros") << QAESEncryption::ISO << QByteArray(16, '\0');
        QTest::newRow("ISO, no zeros and no marker") << QAESEncryption::ISO << QByteArray(16, 'p');
        QTest::newRow("ISO, marker before the final block")
            << QAESEncryption::ISO << QByteArray("a\x80").append(16, '\0');
        QTest::newRow("PKCS7, count over a block") << QAESEncryption::PKCS7 << QByteArray(15, 'a').append('\x20');
        QTest::newRow("PKCS7, zero count") << QAESEncryption::PKCS7 << QByteArray(15, 'a').append('\0');
        QTest::newRow("PKCS7, mixed tail") << QAESEncryption::PKCS7 << QByteArray(14, 'a').append("\x01\x02");
        QTest::newRow("PKCS7, nothing") << QAESEncryption::PKCS7 << QByteArray();
    }

    void corruptPadding()
    {
        QFETCH(QAESEncryption::Padding, padding);
        QFETCH(QByteArray, raw);

        KvTestLog log;
        bool ok = true;
        QCOMPARE(QAESEncryption::RemovePadding(raw, padding, &ok), QByteArray());
        QVERIFY(!ok);
        QCOMPARE(log.errors().size(), 1);
        QVERIFY2(log.hasError("padding"), qPrintable(log.errors().join('\n')));
    }

    void badInput_data()
    {
        QTest::addColumn<QAESEncryption::Mode>("mode");
        QTest::addColumn<bool>("encrypt");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("iv");
        QTest::addColumn<QString>("error");

        const QByteArray iv(16, 'i');
        QTest::newRow("empty cipher") << QAESEncryption::ECB << false << QByteArray() << kKey256 << QByteArray()
                                      << "not whole";
        QTest::newRow("15 bytes") << QAESEncryption::ECB << false << QByteArray(15, 'g') << kKey256 << QByteArray()
                                  << "not whole";
        QTest::newRow("33 bytes") << QAESEncryption::CBC << false << QByteArray(33, 'g') << kKey256 << iv
                                  << "not whole";
        QTest::newRow("short key, encode") << QAESEncryption::ECB << true << QByteArray("text") << kKey256.left(16)
                                           << QByteArray() << "key of 16 bytes";
        QTest::newRow("long key, decode") << QAESEncryption::ECB << false << QByteArray(32, 'g') << kKey256 + "x"
                                          << QByteArray() << "key of 33 bytes";
        QTest::newRow("CBC without IV") << QAESEncryption::CBC << true << QByteArray("text") << kKey256
                                        << QByteArray() << "IV";
    }

    void badInput()
    {
        QFETCH(QAESEncryption::Mode, mode);
        QFETCH(bool, encrypt);
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, iv);
        QFETCH(QString, error);

        KvTestLog log;
        QAESEncryption aes(QAESEncryption::AES_256, mode);
        const QByteArray out = encrypt ? aes.encode(input, key, iv) : aes.decode(input, key, iv);
        QVERIFY(out.isEmpty());
        QVERIFY2(log.hasError(error), qPrintable(log.lines().join('\n')));
    }

    // Garbage decodes to garbage of the same size; its padding check fails
    // instead of cutting at a guess.
    void garbageCipher()
    {
        KvTestLog log;
        const QByteArray garbage = QByteArray(31, '\x5a').append('\x40');
        const QByteArray decoded = QAESEncryption::Decrypt(QAESEncryption::AES_256, QAESEncryption::CBC, garbage,
                                                           kKey256, QByteArray(16, '\0'), QAESEncryption::PKCS7);
        QCOMPARE(decoded.size(), 32);
        QVERIFY(log.errors().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestQAESEncryption)
#include "tst_qaesencryption.moc"
