#include "KvProjectArchiver.h"
#include "KvProjectFile.h"
#include "KvTestLog.h"

#include <quazip.h>
#include <quazipfile.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray readEntry(const QString &zipPath, const QString &name)
{
    QuaZip zip(zipPath);
    if (!zip.open(QuaZip::mdUnzip) || !zip.setCurrentFile(name))
        return QByteArray();
    QuaZipFile file(&zip);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestKvProjectArchiver : public QObject
{
    Q_OBJECT

private slots:
    // Two media of the same file name, one medium missing: the archive keeps
    // both present files apart and lists the missing one by reference.
    void archiveAndReadBack()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath("one/clip.mp4"), QByteArray(3 * 1024 * 1024 + 7, 'a'));
        writeFile(dir.filePath("two/clip.mp4"), "second");
        KvProjectData data;
        data.name = "My: Project?";
        data.mediaPaths = QStringList{dir.filePath("one/clip.mp4"), dir.filePath("two/clip.mp4"), dir.filePath("gone.wav")};
        data.clips = {{0, 0, 0, 0, 1000}, {2, 1, 0, 0, 500}};

        const QString zip = dir.filePath("out/p.kvarc");
        QDir().mkpath(dir.filePath("out"));
        QVERIFY(KvProjectArchiver::archive(data, zip));
        QCOMPARE(KvProjectArchiver::projectEntryName(data), QStringLiteral("My_ Project_.kvproj"));
        QCOMPARE(QDir(dir.filePath("out")).entryList(QDir::Files), QStringList({"p.kvarc"}));

        const QJsonArray list =
            QJsonDocument::fromJson(readEntry(zip, KvProjectArchiver::mediaListEntryName())).object().value("media").toArray();
        QCOMPARE(list.size(), 3);
        QCOMPARE(list.at(0).toObject().value("archivedPath").toString(), QStringLiteral("media/000_clip.mp4"));
        QCOMPARE(list.at(1).toObject().value("archivedPath").toString(), QStringLiteral("media/001_clip.mp4"));
        QVERIFY(list.at(2).toObject().value("archivedPath").isNull());
        QCOMPARE(list.at(2).toObject().value("originalPath").toString(), dir.filePath("gone.wav"));
        QCOMPARE(readEntry(zip, "media/001_clip.mp4"), QByteArray("second"));

        const QString project = KvProjectArchiver::extract(zip, dir.filePath("unpacked"));
        QCOMPARE(project, dir.filePath("unpacked/My_ Project_.kvproj"));
        KvProjectData read;
        QCOMPARE(KvProjectFile::read(project, &read), KvProjectFile::ReadResult::Ok);
        QCOMPARE(read.clips, data.clips);
        QCOMPARE(read.mediaPaths, QStringList({dir.filePath("unpacked/media/000_clip.mp4"),
                                               dir.filePath("unpacked/media/001_clip.mp4"), dir.filePath("gone.wav")}));
        QCOMPARE(QFileInfo(read.mediaPaths.first()).size(), 3 * 1024 * 1024 + 7);
    }

    // A failed archive leaves the earlier file alone.
    void failureKeepsExistingArchive()
    {
        QTemporaryDir dir;
        const QString zip = dir.filePath("p.kvarc");
        writeFile(zip, "earlier");
        KvProjectData broken;
        broken.clips = {{3, 0, 0, 0, 10}};
        KvTestLog log;
        QVERIFY(!KvProjectArchiver::archive(broken, zip));
        QVERIFY(!KvProjectArchiver::archive(KvProjectData(), dir.path()));
        QCOMPARE(log.errors().size(), 2);
        QFile file(zip);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("earlier"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"p.kvarc"}));
    }

    void badArchives_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("error");
        QTest::newRow("escapes upwards") << QStringList({"p.kvproj", "../evil.txt"}) << "leaves the target folder";
        QTest::newRow("escapes via media") << QStringList({"p.kvproj", "media/../../evil.txt"}) << "leaves the target folder";
        QTest::newRow("absolute") << QStringList({"p.kvproj", "/tmp/evil.txt"}) << "leaves the target folder";
        QTest::newRow("no project") << QStringList({"media/a.mp4"}) << "holds no project";
        QTest::newRow("project only in a folder") << QStringList({"sub/p.kvproj"}) << "holds no project";
    }

    void badArchives()
    {
        QFETCH(QStringList, entries);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString zipPath = dir.filePath("bad.kvarc");
        {
            QuaZip zip(zipPath);
            QVERIFY(zip.open(QuaZip::mdCreate));
            for (const QString &name : entries) {
                QuaZipFile file(&zip);
                QVERIFY(file.open(QIODevice::WriteOnly, QuaZipNewInfo(name)));
                file.write("x");
                file.close();
            }
            zip.close();
        }
        KvTestLog log;
        QVERIFY(KvProjectArchiver::extract(zipPath, dir.filePath("out")).isEmpty());
        QVERIFY2(log.hasError(error), qPrintable(log.errors().join('\n')));
        // Nothing was written, inside or beside the target.
        QVERIFY(QDir(dir.filePath("out")).isEmpty());
        QVERIFY(!QFileInfo::exists(dir.filePath("evil.txt")));
    }

    void notAZip()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath("x.kvarc"), "plain text");
        KvTestLog log;
        QVERIFY(KvProjectArchiver::extract(dir.filePath("x.kvarc"), dir.filePath("out")).isEmpty());
        QVERIFY(KvProjectArchiver::extract(dir.filePath("none.kvarc"), dir.filePath("out")).isEmpty());
        QCOMPARE(log.errors().size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestKvProjectArchiver)
#include "tst_kvprojectarchiver.moc"
