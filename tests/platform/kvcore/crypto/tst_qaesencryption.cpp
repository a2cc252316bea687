#include "QAESEncryption.h"

#include "KvTestLog.h"

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

        QTest::newRow("FIPS-197 AES-256 block") << QAESEncryption::AES_256 << QAESEncryption::ECB << QAESEncryption::ISO
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
        QCOMPARE(QAESEncryption::RemovePadding(decoded, padding), plain);
    }

    void isoPadding_data()
    {
        QTest::addColumn<QByteArray>("plain");
        QTest::addColumn<QByteArray>("padded");

        QTest::newRow("empty") << QByteArray() << QByteArray();
        QTest::newRow("1 byte") << QByteArray("a") << QByteArray("a\x80").append(14, '\0');
        QTest::newRow("15 bytes") << QByteArray(15, 'b') << QByteArray(15, 'b').append('\x80');
        QTest::newRow("16 bytes: no padding") << QByteArray(16, 'c') << QByteArray(16, 'c');
        QTest::newRow("17 bytes") << QByteArray(17, 'd') << QByteArray(17, 'd').append('\x80').append(14, '\0');
        // The marker keeps short plaintexts that end in zeros intact.
        QTest::newRow("ends in zeros") << QByteArray("ab\0\0", 4) << QByteArray("ab\0\0\x80", 5).append(11, '\0');
    }

    void isoPadding()
    {
        QFETCH(QByteArray, plain);
        QFETCH(QByteArray, padded);

        QAESEncryption aes(QAESEncryption::AES_256, QAESEncryption::ECB);
        const QByteArray cipher = aes.encode(plain, kKey256);
        QCOMPARE(cipher.size(), padded.size());
        if (padded.isEmpty())
            return;
        const QByteArray decoded = aes.decode(cipher, kKey256);
        QCOMPARE(decoded.toHex(), padded.toHex());
        QCOMPARE(QAESEncryption::RemovePadding(decoded, QAESEncryption::ISO).toHex(), plain.toHex());
    }

    // Whole blocks get no padding, so their own trailing zeros (and a 0x80
    // before them) are taken for padding: the known limit of ISO padding.
    void isoPaddingAmbiguity()
    {
        const QByteArray plain = QByteArray(13, 'x').append("\x80\0\0", 3);
        QAESEncryption aes(QAESEncryption::AES_256, QAESEncryption::ECB);
        const QByteArray decoded = aes.decode(aes.encode(plain, kKey256), kKey256);
        QCOMPARE(decoded, plain);
        QCOMPARE(QAESEncryption::RemovePadding(decoded, QAESEncryption::ISO), QByteArray(13, 'x'));
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

    // Garbage decodes to garbage of the same size; unpadding it loses nothing.
    void garbageCipher()
    {
        KvTestLog log;
        const QByteArray garbage = QByteArray(31, '\x5a').append('\x40');
        const QByteArray decoded = QAESEncryption::Decrypt(QAESEncryption::AES_256, QAESEncryption::CBC, garbage,
                                                           kKey256, QByteArray(16, '\0'), QAESEncryption::PKCS7);
        QCOMPARE(decoded.size(), 32);
        QByteArray invalid = QByteArray(15, 'a').append('\x20');
        QCOMPARE(QAESEncryption::RemovePadding(invalid, QAESEncryption::PKCS7), invalid);
        QVERIFY(log.hasError("no valid PKCS7"));
        QCOMPARE(QAESEncryption::RemovePadding(QByteArray(), QAESEncryption::ISO), QByteArray());
    }
};

QTEST_GUILESS_MAIN(TestQAESEncryption)
#include "tst_qaesencryption.moc"
