// The algorithm self-test and the media playback check, run as the editor
// runs them, and the test media the build generates for them.
#include "CheckProgramRun.h"
#include "FJpegProbe.h"
#include "FMp4Probe.h"
#include "KvTestFiles.h"

#include <QImageReader>
#include <QTemporaryDir>

namespace {

const QString kBin = QStringLiteral(KORVANE_BIN_DIR);
const QString kVideo = QStringLiteral("4KvideoforGPUtest1.mp4");
const QString kPicture = QStringLiteral("6KpictureforGPUtest1.jpg");

enum class Damage { None, Missing, Empty, CutInHeader, CutInMovie, CutLastByte, NotFirstFtyp, Picture };

} // namespace

class TestCheckMedia : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        for (const QString &name : {QStringLiteral("Carvoth.exe"), QStringLiteral("Pelmonde.exe"), kVideo, kPicture})
            QVERIFY2(QFileInfo::exists(kBin + '/' + name), qPrintable(name));
    }

    // The picture's structure as our reader sees it agrees with Qt's decoder,
    // and the video has the 4K track the pressure test is named after.
    void generatedMediaAreWhole()
    {
        const FMp4Info video = FMp4Probe::probe(kBin + '/' + kVideo);
        QVERIFY2(video.ok, qPrintable(video.error));
        QCOMPARE(video.width, 3840u);
        QCOMPARE(video.height, 2160u);
        QCOMPARE(video.tracks, 1);
        QCOMPARE(video.majorBrand, QStringLiteral("isom"));
        QCOMPARE(video.timescale, 25u);

        const FJpegInfo picture = FJpegProbe::probe(kBin + '/' + kPicture);
        QVERIFY2(picture.ok, qPrintable(picture.error));
        QImageReader decoder(kBin + '/' + kPicture);
        QCOMPARE(QSize(int(picture.width), int(picture.height)), decoder.size());
        QCOMPARE(decoder.size(), QSize(6144, 3456));
        QVERIFY(!decoder.read().isNull());
    }

    void carvoth_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");

        const QStringList head{QStringLiteral("./"), QStringLiteral(".\\resources\\")};
        QTest::newRow("colour transform") << head + QStringList{"0"} << 1;
        QTest::newRow("filter") << head + QStringList{"1"} << 1;
        QTest::newRow("unknown test") << head + QStringList{"2"} << 0;
        QTest::newRow("no test named") << head << 0;
    }
    // Exit status 1 is a pass, 0 a failure, which is what a wrong call must
    // look like too.
    void carvoth()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        const CheckProgramRun run = runCheckProgram(QStringLiteral("./Carvoth.exe"), args,
                                                    QProcessEnvironment::systemEnvironment(), kBin);
        QVERIFY(run.exitedNormally);
        QCOMPARE(run.status, status);
    }

    void pelmonde_data()
    {
        QTest::addColumn<int>("damage");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");

        const QStringList check{QStringLiteral("check")};
        QTest::newRow("whole video") << int(Damage::None) << check << 0;
        QTest::newRow("no argument") << int(Damage::None) << QStringList() << 1;
        QTest::newRow("missing video") << int(Damage::Missing) << check << 1;
        QTest::newRow("empty file") << int(Damage::Empty) << check << 1;
        QTest::newRow("cut in the first header") << int(Damage::CutInHeader) << check << 1;
        QTest::newRow("cut inside moov") << int(Damage::CutInMovie) << check << 1;
        QTest::newRow("last byte missing") << int(Damage::CutLastByte) << check << 1;
        QTest::newRow("ftyp not first") << int(Damage::NotFirstFtyp) << check << 1;
        QTest::newRow("a picture named .mp4") << int(Damage::Picture) << check << 1;
    }
    // Pelmonde reads the video beside itself, so each case gets its own copy
    // of the program with the video as the case leaves it.
    void pelmonde()
    {
        QFETCH(int, damage);
        QFETCH(QStringList, args);
        QFETCH(int, status);

        QTemporaryDir installation;
        QVERIFY(installation.isValid());
        const QString program = installation.filePath(QStringLiteral("Pelmonde.exe"));
        QVERIFY(QFile::copy(kBin + "/Pelmonde.exe", program));
        const QByteArray video = readAll(kBin + '/' + kVideo);
        const int moov = video.indexOf("moov");
        QVERIFY(moov > 0);

        QByteArray laid = video;
        switch (Damage(damage)) {
        case Damage::None: break;
        case Damage::Missing: break;
        case Damage::Empty: laid.clear(); break;
        case Damage::CutInHeader: laid = video.left(6); break;
        case Damage::CutInMovie: laid = video.left(moov + 40); break;
        case Damage::CutLastByte: laid.chop(1); break;
        case Damage::NotFirstFtyp: laid = QByteArray::fromHex("0000000866726565") + video; break;
        case Damage::Picture: laid = readAll(kBin + '/' + kPicture); break;
        }
        if (Damage(damage) != Damage::Missing)
            writeAll(installation.filePath(kVideo), laid);

        const CheckProgramRun run = runCheckProgram(program, args, QProcessEnvironment::systemEnvironment());
        QVERIFY(run.exitedNormally);
        QVERIFY2(run.status == status, qPrintable(describe(run)));
    }
};

QTEST_GUILESS_MAIN(TestCheckMedia)
#include "tst_checkmedia.moc"
