#include "FSafeZipExtractor.h"
#include "FStartTipLoader.h"

#include "KvTestLog.h"
#include "TestZip.h"

#include <QDirIterator>
#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

Q_DECLARE_METATYPE(TestZipEntry)
Q_DECLARE_METATYPE(FSafeZipExtractor::Result)

namespace {

const QByteArray kXml = tipXml(QStringLiteral("en"), {QStringLiteral("new")});

QByteArray billionLaughs()
{
    QByteArray dtd = "<!ENTITY lol0 \"lol\">";
    for (int i = 1; i < 10; ++i) {
        dtd += "<!ENTITY lol" + QByteArray::number(i) + " \"";
        for (int j = 0; j < 10; ++j)
            dtd += "&lol" + QByteArray::number(i - 1) + ";";
        dtd += "\">";
    }
    return "<?xml version=\"1.0\"?><!DOCTYPE startTips [" + dtd
           + "]><startTips><lan lan=\"en\"><Tips value=\"&lol9;\"/></lan></startTips>";
}

} // namespace

class TestFStartTips : public QObject
{
    Q_OBJECT

private slots:
    void extract_data()
    {
        QTest::addColumn<QList<TestZipEntry>>("entries");
        QTest::addColumn<QString>("damage");
        QTest::addColumn<FSafeZipExtractor::Result>("result");
        QTest::addColumn<QString>("logged");

        using R = FSafeZipExtractor::Result;
        const TestZipEntry xml{"StartTips/startTips.xml", kXml};
        const quint32 link = quint32(S_IFLNK | 0777) << 16;
        // "@" stands for the test's temporary folder.
        QTest::newRow("intact") << QList<TestZipEntry>{xml, {"StartTips/icons/a.png", "png"}} << "" << R::Ok << "";
        QTest::newRow("dot-dot") << QList<TestZipEntry>{{"StartTips/../escape.txt", "x"}, {"../escape.txt", "x"}, xml}
                                 << "" << R::Ok << "name contains \"..\"";
        QTest::newRow("absolute") << QList<TestZipEntry>{{"@/outside/escape.txt", "x"}, xml} << "" << R::Ok
                                  << "absolute name";
        QTest::newRow("beside the folder") << QList<TestZipEntry>{{"escape.txt", "x"}, xml} << "" << R::Ok
                                           << "outside \"StartTips\"";
        QTest::newRow("write through a link")
            << QList<TestZipEntry>{{"StartTips/link", "@/outside", link}, {"StartTips/link/escape.txt", "x"}, xml}
            << "" << R::Ok << "symbolic link";
        QTest::newRow("only refused entries") << QList<TestZipEntry>{{"../escape.txt", "x"}} << "" << R::Empty
                                              << "refused";
        QTest::newRow("truncated") << QList<TestZipEntry>{xml, {"StartTips/b.txt", QByteArray(600, 'b')}}
                                   << "truncate" << R::NotAZip << "not a readable zip";
        // The second entry breaks after the first is already unpacked.
        QTest::newRow("crc error") << QList<TestZipEntry>{xml, {"StartTips/b.txt", "payload-payload"}} << "flip"
                                   << R::Damaged << "is damaged";
        QTest::newRow("not a zip") << QList<TestZipEntry>{} << "text" << R::NotAZip << "not a readable zip";
        QTest::newRow("too many entries") << QList<TestZipEntry>{xml, {"StartTips/1", ""}, {"StartTips/2", ""},
                                                                 {"StartTips/3", ""}, {"StartTips/4", ""}}
                                          << "" << R::TooLarge << "entries";
        QTest::newRow("entry too large") << QList<TestZipEntry>{xml, {"StartTips/big", QByteArray(1001, 'z')}} << ""
                                         << R::TooLarge << "would pass the limit";
        QTest::newRow("total too large") << QList<TestZipEntry>{{"StartTips/a", QByteArray(800, 'a')},
                                                                {"StartTips/b", QByteArray(800, 'b')}}
                                         << "" << R::TooLarge << "would pass the limit";
    }

    void extract()
    {
        QFETCH(QList<TestZipEntry>, entries);
        QFETCH(QString, damage);
        QFETCH(FSafeZipExtractor::Result, result);
        QFETCH(QString, logged);

        QTemporaryDir tmp;
        const QString data = tmp.filePath("data");
        const QString zipFile = tmp.filePath("package.zip");
        QVERIFY(QDir().mkpath(data + "/StartTips") && QDir().mkpath(tmp.filePath("outside")));
        QFile old(data + "/StartTips/old.txt");
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();

        for (TestZipEntry &entry : entries) {
            entry.name.replace("@", tmp.path());
            entry.data.replace("@", tmp.path().toUtf8());
        }
        QVERIFY(writeTestZip(zipFile, entries, damage == "flip"));
        QFile zip(zipFile);
        QVERIFY(zip.open(QIODevice::ReadWrite));
        QByteArray bytes = zip.readAll();
        if (damage == "truncate")
            bytes.truncate(bytes.size() / 2);
        else if (damage == "flip")
            bytes[bytes.indexOf("payload-payload") + 3] = 'X';
        else if (damage == "text")
            bytes = "<html>a proxy's error page</html>";
        QVERIFY(zip.resize(0) && zip.write(bytes) == bytes.size());
        zip.close();

        KvTestLog log;
        const FSafeZipExtractor::Limits limits{4, 1000, 1500};
        QCOMPARE(FSafeZipExtractor::extract(zipFile, data, "StartTips", limits), result);

        // Nothing lands anywhere but in the tip folder, and no link is made.
        QDirIterator it(tmp.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = QDir(tmp.path()).relativeFilePath(it.next());
            QVERIFY2(!it.fileInfo().isSymLink(), qPrintable(path));
            QVERIFY2(!path.contains(".unpack-"), qPrintable(path));
            if (it.fileInfo().isFile())
                QVERIFY2(path == "package.zip" || path.startsWith("data/StartTips/"), qPrintable(path));
        }
        // Whole or not at all.
        const bool replaced = result == FSafeZipExtractor::Result::Ok;
        QCOMPARE(QFile::exists(data + "/StartTips/old.txt"), !replaced);
        QCOMPARE(QFile::exists(data + "/StartTips/startTips.xml"), replaced);
        if (logged.isEmpty())
            QVERIFY2(log.errors().isEmpty(), qPrintable(log.errors().join('\n')));
        else
            QVERIFY2(log.hasError(logged), qPrintable(log.errors().join('\n')));
    }

    void readTips_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("tips");
        QTest::addColumn<QString>("logged");

        QTest::newRow("first matching element only")
            << QByteArray("<startTips><lan lan=\"de\"><Tips value=\"de\"/></lan>"
                          "<lan lan=\"en\"><Tips value=\"a\" preicon=\"p.png\"/><Other value=\"x\"/>"
                          "<Tips value=\"b\" lasticon=\"l.png\"/></lan>"
                          "<lan lan=\"en\"><Tips value=\"c\"/></lan></startTips>")
            << "en" << QStringList{"a|p.png|", "b||l.png"} << "";
        QTest::newRow("matching element without tips")
            << QByteArray("<startTips><lan lan=\"en\"/><lan lan=\"en\"><Tips value=\"c\"/></lan></startTips>") << "en"
            << QStringList() << "";
        QTest::newRow("key in any case") << tipXml("zh_CN", {"zh"}) << "zh_cn" << QStringList{"zh||"} << "";
        QTest::newRow("wrong root") << QByteArray("<tips><lan lan=\"en\"><Tips value=\"a\"/></lan></tips>") << "en"
                                    << QStringList() << "startTips xml file is invalia";
        QTest::newRow("malformed") << QByteArray("<startTips><lan lan=\"en\"><Tips value=\"a\"") << "en"
                                   << QStringList() << "is not XML";
        QTest::newRow("entity expansion") << billionLaughs() << "en" << QStringList() << "document type";
        QTest::newRow("oversized") << QByteArray(1024 * 1024 + 1, ' ') << "en" << QStringList() << "larger than";
    }

    void readTips()
    {
        QFETCH(QByteArray, xml);
        QFETCH(QString, key);
        QFETCH(QStringList, tips);
        QFETCH(QString, logged);

        QTemporaryDir tmp;
        QFile file(tmp.filePath("startTips.xml"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(xml) == xml.size());
        file.close();
        KvTestLog log;
        QStringList read;
        for (const FStartTip &tip : FStartTipLoader::readTips(file.fileName(), key))
            read << tip.value + '|' + tip.preicon + '|' + tip.lasticon;
        QCOMPARE(read, tips);
        if (!logged.isEmpty())
            QVERIFY2(log.hasError(logged), qPrintable(log.errors().join('\n')));
    }

    void languageKey_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("type");

        QTest::newRow("English") << "en_US" << "en" << int(FStartTipLoader::LanguageOther);
        QTest::newRow("no language set") << "C" << "en" << int(FStartTipLoader::LanguageOther);
        QTest::newRow("Chinese simplified") << "zh_CN" << "zh_cn" << int(FStartTipLoader::LanguageChineseSimplified);
        QTest::newRow("Chinese, Taiwan") << "zh_TW" << "zh_tw" << int(FStartTipLoader::LanguageChineseTraditional);
        QTest::newRow("Portuguese, Brazil") << "pt_BR" << "pt_br" << int(FStartTipLoader::LanguagePortugueseBrazil);
        QTest::newRow("Portuguese, Portugal") << "pt_PT" << "pt" << int(FStartTipLoader::LanguageOther);
        QTest::newRow("Arabic") << "ar_EG" << "ar" << int(FStartTipLoader::LanguageArabic);
    }

    void languageKey()
    {
        QFETCH(QString, locale);
        QFETCH(QString, key);
        QFETCH(int, type);
        QCOMPARE(FStartTipLoader::languageKey(QLocale(locale)), key);
        QCOMPARE(FStartTipLoader::languageType(QLocale(locale)), type);
    }
};

QTEST_GUILESS_MAIN(TestFStartTips)
#include "tst_fstarttips.moc"
