#include "FSafeZipExtractor.h"
#include "FStartTipLoader.h"

#include "KvTestLog.h"
#include "TestZip.h"

#include <QDirIterator>
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
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("rightToLeft");

        QTest::newRow("English") << 1 << "en" << false;
        QTest::newRow("German") << 2 << "de" << false;
        QTest::newRow("Portuguese, Portugal: language only") << 7 << "pt" << false;
        QTest::newRow("Chinese simplified") << 8 << "zh_cn" << false;
        QTest::newRow("Chinese traditional") << 9 << "zh_tw" << false;
        QTest::newRow("Arabic, right to left") << 12 << "ar" << true;
        QTest::newRow("last of the preferences' list") << 22 << "hi" << false;
        QTest::newRow("Portuguese, Brazil") << 23 << "pt_br" << false;
        QTest::newRow("unknown type reads English") << 99 << "en" << false;
        QTest::newRow("no type") << 0 << "en" << false;
    }

    void languageKey()
    {
        QFETCH(int, type);
        QFETCH(QString, key);
        QFETCH(bool, rightToLeft);
        QCOMPARE(FStartTipLoader::languageKey(type), key);
        QCOMPARE(FStartTipLoader::isRightToLeft(type), rightToLeft);
    }

    // Leftovers of an interrupted unpack are cleared before the next one; a
    // link of that name must go without touching what it points to.
    void leftoversNeverFollowLinks_data()
    {
        QTest::addColumn<QString>("leftover");
        QTest::addColumn<bool>("packageIntact");

        QTest::newRow("link to a folder, good package") << "dirlink" << true;
        QTest::newRow("link to a folder, broken package") << "dirlink" << false;
        QTest::newRow("link to a file") << "filelink" << true;
        QTest::newRow("dangling link") << "dangling" << true;
        QTest::newRow("real leftover folder") << "folder" << true;
        QTest::newRow("tip folder is a link, broken package") << "tiplink" << false;
        QTest::newRow("tip folder is a link, good package") << "tiplink" << true;
    }

    void leftoversNeverFollowLinks()
    {
        QFETCH(QString, leftover);
        QFETCH(bool, packageIntact);

        QTemporaryDir tmp;
        const QString data = tmp.filePath("data");
        const QString victim = tmp.filePath("victim");
        QVERIFY(QDir().mkpath(data) && QDir().mkpath(victim + "/sub"));
        for (const QString &name : {QStringLiteral("/keep.txt"), QStringLiteral("/sub/keep.txt")}) {
            QFile file(victim + name);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("keep") == 4);
        }
        const QString planted = leftover == "tiplink" ? data + "/StartTips" : data + "/StartTips.unpack-abc123";
        if (leftover == "dirlink" || leftover == "tiplink")
            QVERIFY(QFile::link(victim, planted));
        else if (leftover == "filelink")
            QVERIFY(QFile::link(victim + "/keep.txt", planted));
        else if (leftover == "dangling")
            QVERIFY(QFile::link(tmp.filePath("nowhere"), planted));
        else
            QVERIFY(QDir().mkpath(planted + "/StartTips"));

        QByteArray bytes = "not a zip";
        if (packageIntact) {
            QVERIFY(writeTestZip(tmp.filePath("p.zip"), {{"StartTips/startTips.xml", kXml}}));
            QFile zip(tmp.filePath("p.zip"));
            QVERIFY(zip.open(QIODevice::ReadOnly));
            bytes = zip.readAll();
        }
        QFile package(FStartTipLoader::packageFile(data));
        QVERIFY(package.open(QIODevice::WriteOnly) && package.write(bytes) == bytes.size());
        package.close();

        KvTestLog log;
        const QList<FStartTip> tips = FStartTipLoader::load(data, "en");

        QVERIFY(QFile::exists(victim + "/keep.txt"));
        QVERIFY(QFile::exists(victim + "/sub/keep.txt"));
        QVERIFY(!QFileInfo(planted).isSymLink());
        if (leftover != "tiplink")
            QVERIFY(!QFileInfo::exists(planted));
        QVERIFY(!QFileInfo::exists(FStartTipLoader::packageFile(data)));
        QCOMPARE(tips.size(), packageIntact ? 1 : 0);
        QCOMPARE(QDir(data).entryList({"StartTips.unpack-*"}, QDir::AllEntries | QDir::System | QDir::Hidden),
                 QStringList());
    }
};

QTEST_GUILESS_MAIN(TestFStartTips)
#include "tst_fstarttips.moc"
