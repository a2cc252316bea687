#include "KvProjectFile.h"
#include "KvTestLog.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

Q_DECLARE_METATYPE(KvProjectFile::ReadResult)

namespace {

KvProjectData sampleData()
{
    KvProjectData data;
    data.name = QStringLiteral("Holiday ä");
    data.type = KvProjectType::InstantMode;
    data.settings = {1080, 1920, 29.97};
    data.mediaPaths = QStringList{QStringLiteral("/media/a b.mp4"), QStringLiteral("/media/c.wav")};
    data.clips = {{0, 0, 0, 500, 4500}, {1, 1, 1000, 0, 2000}, {0, 0, 4000, 0, 1}};
    data.requiredEffects = QStringList{QStringLiteral("Glow")};
    return data;
}

QByteArray validJson()
{
    return KvProjectFile::serialize(sampleData());
}

QByteArray withField(const QString &key, const QJsonValue &value)
{
    QJsonObject root = QJsonDocument::fromJson(validJson()).object();
    root.insert(key, value);
    return QJsonDocument(root).toJson();
}

QByteArray withClipField(const QString &key, const QJsonValue &value)
{
    QJsonObject root = QJsonDocument::fromJson(validJson()).object();
    QJsonArray clips = root.value("clips").toArray();
    QJsonObject clip = clips.at(0).toObject();
    clip.insert(key, value);
    clips[0] = clip;
    root.insert("clips", clips);
    return QJsonDocument(root).toJson();
}

} // namespace

class TestKvProjectFile : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("p.kvproj");
        QVERIFY(KvProjectFile::write(path, sampleData()));
        KvProjectData read;
        QCOMPARE(KvProjectFile::read(path, &read), KvProjectFile::ReadResult::Ok);
        QCOMPARE(read, sampleData());
    }

    // Archives and moved folders keep media next to the project file.
    void relativeMediaResolveAgainstTheFile()
    {
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath("proj/media"));
        KvProjectData data = sampleData();
        data.mediaPaths = QStringList{QStringLiteral("media/a.mp4"), QStringLiteral("../b.mp4")};
        const QString path = dir.filePath("proj/p.kvproj");
        QVERIFY(KvProjectFile::write(path, data));
        KvProjectData read;
        QCOMPARE(KvProjectFile::read(path, &read), KvProjectFile::ReadResult::Ok);
        QCOMPARE(read.mediaPaths, QStringList({dir.filePath("proj/media/a.mp4"), dir.filePath("b.mp4")}));
    }

    void badFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<KvProjectFile::ReadResult>("expected");
        using R = KvProjectFile::ReadResult;
        const QByteArray valid = validJson();
        QTest::newRow("missing") << "missing" << QByteArray() << R::Missing;
        QTest::newRow("directory") << "directory" << QByteArray() << R::NotAFile;
        QTest::newRow("oversized") << "oversized" << QByteArray() << R::TooLarge;
        QTest::newRow("unreadable") << "unreadable" << valid << R::Unreadable;
        QTest::newRow("empty") << "file" << QByteArray() << R::NotJson;
        QTest::newRow("blank") << "file" << QByteArray(" \n\t ") << R::NotJson;
        QTest::newRow("garbage") << "file" << QByteArray("\x89PNG\r\n\x1a\n\0\0garbage", 18) << R::NotJson;
        QTest::newRow("truncated") << "file" << valid.left(valid.size() / 2) << R::NotJson;
        QTest::newRow("array root") << "file" << QByteArray("[1,2]") << R::WrongShape;
        QTest::newRow("other json") << "file" << QByteArray(R"({"hello":"world"})") << R::WrongShape;
        QTest::newRow("version text") << "file" << withField("version", "1") << R::WrongShape;
        QTest::newRow("version fraction") << "file" << withField("version", 1.5) << R::WrongShape;
        QTest::newRow("version zero") << "file" << withField("version", 0) << R::WrongShape;
        QTest::newRow("newer version") << "file" << withField("version", KvProjectFile::kFormatVersion + 1)
                                       << R::NewerVersion;
        QTest::newRow("name number") << "file" << withField("name", 3) << R::WrongShape;
        QTest::newRow("unknown type") << "file" << withField("type", 7) << R::WrongShape;
        QTest::newRow("settings missing") << "file" << withField("settings", QJsonValue()) << R::WrongShape;
        QTest::newRow("width text") << "file"
                                    << withField("settings", QJsonObject{{"width", "1920"}, {"height", 1080}, {"frameRate", 30}})
                                    << R::WrongShape;
        QTest::newRow("zero height") << "file"
                                     << withField("settings", QJsonObject{{"width", 1920}, {"height", 0}, {"frameRate", 30}})
                                     << R::WrongShape;
        QTest::newRow("huge width") << "file"
                                    << withField("settings", QJsonObject{{"width", 1e12}, {"height", 1080}, {"frameRate", 30}})
                                    << R::WrongShape;
        QTest::newRow("negative rate") << "file"
                                       << withField("settings", QJsonObject{{"width", 1920}, {"height", 1080}, {"frameRate", -1}})
                                       << R::WrongShape;
        QTest::newRow("media object") << "file" << withField("media", QJsonObject{}) << R::WrongShape;
        QTest::newRow("media without path") << "file" << withField("media", QJsonArray{QJsonObject{{"p", "x"}}})
                                            << R::WrongShape;
        QTest::newRow("clip to missing media") << "file" << withClipField("media", 9) << R::WrongShape;
        QTest::newRow("clip out before in") << "file" << withClipField("out", 100) << R::WrongShape;
        QTest::newRow("clip negative start") << "file" << withClipField("start", -5) << R::WrongShape;
        QTest::newRow("clip start text") << "file" << withClipField("start", "0") << R::WrongShape;
        QTest::newRow("effects not strings") << "file" << withField("effects", QJsonArray{1}) << R::WrongShape;
    }

    void badFiles()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, content);
        QFETCH(KvProjectFile::ReadResult, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath("bad.kvproj");
        if (kind == "directory") {
            QVERIFY(QDir().mkpath(path));
        } else if (kind == "oversized") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(KvProjectFile::kMaxFileSize + 1)); // sparse
        } else if (kind != "missing") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
            file.close();
            if (kind == "unreadable") {
                if (geteuid() == 0)
                    QSKIP("permissions do not stop root");
                QVERIFY(file.setPermissions(QFileDevice::WriteOwner));
            }
        }
        KvProjectData data = sampleData();
        KvTestLog log;
        QCOMPARE(KvProjectFile::read(path, &data), expected);
        QCOMPARE(data, sampleData()); // untouched on failure
        QVERIFY2(log.hasError(QStringLiteral("cannot read project \"%1\"").arg(path)), qPrintable(log.errors().join('\n')));
    }

    // An invalid model is never written, and the file on disk survives.
    void invalidDataKeepsOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("p.kvproj");
        QVERIFY(KvProjectFile::write(path, sampleData()));
        KvProjectData broken = sampleData();
        broken.clips.append({5, 0, 0, 0, 10});
        KvTestLog log;
        QVERIFY(!KvProjectFile::write(path, broken));
        QVERIFY(log.hasError("cannot write project"));
        KvProjectData read;
        QCOMPARE(KvProjectFile::read(path, &read), KvProjectFile::ReadResult::Ok);
        QCOMPARE(read, sampleData());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"p.kvproj"}));
    }

    void writeIntoMissingFolderFails()
    {
        QTemporaryDir dir;
        KvTestLog log;
        QVERIFY(!KvProjectFile::write(dir.filePath("no/such/p.kvproj"), sampleData()));
        QVERIFY(log.hasError("cannot write project"));
    }
};

QTEST_GUILESS_MAIN(TestKvProjectFile)
#include "tst_kvprojectfile.moc"
