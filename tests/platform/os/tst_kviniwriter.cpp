#include "KvIniWriter.h"

#include <QTemporaryDir>
#include <QtTest>

class TestKvIniWriter : public QObject
{
    Q_OBJECT

private slots:
    void setValue_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("empty file") << QByteArray() << QByteArray("[Launcher]\nwait=1\n");
        QTest::newRow("replace, keep comments and order")
            << QByteArray("; top\n[Launcher]\na=2\n; note\nWAIT = 0\nb=3\n")
            << QByteArray("; top\n[Launcher]\na=2\n; note\nwait=1\nb=3\n");
        QTest::newRow("append to the section, not the file")
            << QByteArray("[launcher]\na=2\n\n[Other]\nwait=9\n")
            << QByteArray("[launcher]\na=2\nwait=1\n\n[Other]\nwait=9\n");
        QTest::newRow("new section after the rest") << QByteArray("[Other]\nx=1")
                                                    << QByteArray("[Other]\nx=1\n\n[Launcher]\nwait=1\n");
        QTest::newRow("commented key is not the key") << QByteArray("[Launcher]\n;wait=0\n")
                                                      << QByteArray("[Launcher]\n;wait=0\nwait=1\n");
        QTest::newRow("CRLF kept") << QByteArray("[Launcher]\r\nwait=0\r\nz=1\r\n")
                                   << QByteArray("[Launcher]\r\nwait=1\r\nz=1\r\n");
        QTest::newRow("odd lines kept") << QByteArray("garbage line\n[Launcher\n=x\n")
                                        << QByteArray("garbage line\n[Launcher\n=x\n\n[Launcher]\nwait=1\n");
    }
    void setValue()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QCOMPARE(KvIniWriter::setValue(before, "Launcher", "wait", "1"), after);
    }

    void writesFileAtomically()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("sub/Configure.ini");
        QVERIFY(KvIniWriter::writePrivateProfileString("Launcher", "wait_for_last_program_exit", "1", path));
        QVERIFY(KvIniWriter::writePrivateProfileString("Launcher", "wait_for_last_program_exit", "1", path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("[Launcher]\nwait_for_last_program_exit=1\n"));
        QString error;
        QVERIFY(!KvIniWriter::writePrivateProfileString("A", "b", "c", "/proc/nope/x.ini", &error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestKvIniWriter)
#include "tst_kviniwriter.moc"
