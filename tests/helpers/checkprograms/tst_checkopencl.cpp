// The OpenCL check and the pressure test, run as the editor runs them. The
// cases on a device need an OpenCL driver; on machines without a GPU the CPU
// driver stands in through KORVANE_CHECK_ACCEPT_CPU_DEVICE (CI installs one).
#include "CheckProgramRun.h"
#include "KvTestFiles.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

const QString kBin = QStringLiteral(KORVANE_BIN_DIR);
const QString kFaldric = kBin + QStringLiteral("/Faldric.exe");
const QString kDunsker = kBin + QStringLiteral("/Dunsker.exe");

enum class Env { NoPlatform, GpuOnly, AcceptCpu };

// QSKIP ends the test function it is written in, so this is a macro.
#define REQUIRE_DEVICE()                                                                             \
    if (m_device.name.isEmpty())                                                                     \
        QSKIP("no OpenCL driver on this machine (scripts/install-deps.sh installs the CPU driver)")

struct Device
{
    QString name;
    QString id;
};

} // namespace

class TestCheckOpenCl : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    Device m_device;

    QProcessEnvironment environment(Env env) const
    {
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        e.remove(QStringLiteral("KORVANE_CHECK_ACCEPT_CPU_DEVICE"));
        if (env == Env::AcceptCpu)
            e.insert(QStringLiteral("KORVANE_CHECK_ACCEPT_CPU_DEVICE"), QStringLiteral("1"));
        // The ICD loader finds no driver in an empty vendors folder.
        if (env == Env::NoPlatform)
            e.insert(QStringLiteral("OCL_ICD_VENDORS"), m_dir.filePath(QStringLiteral("no-vendors")));
        return e;
    }

    QStringList faldricArgs(int gpu, const QString &recheck = QStringLiteral("0")) const
    {
        return {"--blacklist", m_dir.filePath("black.xml"), "--whitelist", m_dir.filePath("white.xml"),
                "--gpu", QString::number(gpu), "--result", m_dir.filePath("gpu"), "--recheck", recheck};
    }

    static QByteArray list(const QStringList &names)
    {
        QByteArray xml = "<?xml version=\"1.0\"?>\n<list>\n";
        for (const QString &name : names)
            xml += "  <device name=\"" + name.toUtf8() + "\"/>\n";
        return xml + "</list>\n";
    }

    // The editor's argument list of the pressure test, with out.json and the
    // media of the given folder.
    static QStringList dunskerArgs(const QString &dir, int gpu = 0, const QString &write = QStringLiteral("1"))
    {
        return {"--gpu", QString::number(gpu), "--result", "20", dir + "/out.json", write,
                "--memio", "3840", "2160",
                "--decode", "file:/" + dir + "/4KvideoforGPUtest1.mp4", "0", "3840", "2160", "25.0",
                "--encode", dir + "/output.mp4", "1920", "1080", "MP4 ", "H264", "24", "1", "15000",
                "--transform", "3840", "2160", "0.25", "0.25", "50", "50", "45",
                "--image", "file:/" + dir + "/6KpictureforGPUtest1.jpg",
                "--resize", "3840", "2160", "1", "2"};
    }

    static void layMedia(const QTemporaryDir &installation)
    {
        QVERIFY(installation.isValid());
        for (const QString &name : {QStringLiteral("4KvideoforGPUtest1.mp4"), QStringLiteral("6KpictureforGPUtest1.jpg")})
            QVERIFY(QFile::copy(kBin + '/' + name, installation.filePath(name)));
    }


private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir().mkpath(m_dir.filePath("no-vendors")));
        QVERIFY(QFileInfo(kFaldric).isExecutable());
        QVERIFY(QFileInfo(kDunsker).isExecutable());

        const CheckProgramRun run = runCheckProgram(kFaldric, {"--list"}, environment(Env::AcceptCpu));
        QCOMPARE(run.status, 0);
        const QList<QByteArray> lines = run.out.split('\n');
        const QList<QByteArray> fields = lines.value(0).split('\t');
        if (fields.size() == 3)
            m_device = {QString::fromUtf8(fields[1]), QString::fromUtf8(fields[2])};
    }

    void init()
    {
        writeAll(m_dir.filePath("black.xml"), list({}));
        writeAll(m_dir.filePath("white.xml"), list({}));
        QDir(m_dir.filePath("gpu")).removeRecursively();
    }

    // Without a platform every index is "no such GPU", the list is empty and
    // the pressure test leaves out.json alone. The status arrives as one
    // byte: -10 is 246.
    void withoutPlatform()
    {
        const QProcessEnvironment env = environment(Env::NoPlatform);
        CheckProgramRun run = runCheckProgram(kFaldric, faldricArgs(0), env);
        QVERIFY(run.exitedNormally);
        QCOMPARE(run.status, 246);
        QCOMPARE(run.code(), -10);

        run = runCheckProgram(kFaldric, {"--list"}, env);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QByteArray());

        QTemporaryDir installation;
        layMedia(installation);
        run = runCheckProgram(kDunsker, dunskerArgs(installation.path(), 0), env);
        QCOMPARE(run.status, 3);
        QVERIFY(!QFile::exists(installation.filePath("out.json")));
    }

    void listFormat()
    {
        REQUIRE_DEVICE();
        // A CPU device is not a GPU unless the test setting says so.
        CheckProgramRun run = runCheckProgram(kFaldric, {"--list"}, environment(Env::GpuOnly));
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QByteArray());

        run = runCheckProgram(kFaldric, {"--list"}, environment(Env::AcceptCpu));
        QCOMPARE(run.status, 0);
        const QString first = QString::fromUtf8(run.out.split('\n').value(0));
        QVERIFY2(QRegularExpression("^0\t[^\t]+\t[0-9a-f]{12}$").match(first).hasMatch(), qPrintable(first));
        QVERIFY(run.out.endsWith('\n'));
        // The id is the cache key of the pressure test: it must not change.
        QCOMPARE(runCheckProgram(kFaldric, {"--list"}, environment(Env::AcceptCpu)).out, run.out);
    }

    void check_data()
    {
        QTest::addColumn<int>("env");
        QTest::addColumn<int>("gpu");
        QTest::addColumn<QStringList>("black");
        QTest::addColumn<QStringList>("white");
        QTest::addColumn<int>("code");

        const QStringList none;
        QTest::newRow("CPU device is no GPU") << int(Env::GpuOnly) << 0 << none << none << -10;
        QTest::newRow("usable") << int(Env::AcceptCpu) << 0 << none << none << 0;
        QTest::newRow("index past the last") << int(Env::AcceptCpu) << 7 << none << none << -10;
        QTest::newRow("black-listed, any case") << int(Env::AcceptCpu) << 0 << QStringList{"@UPPER"} << none << -11;
        QTest::newRow("white-listed") << int(Env::AcceptCpu) << 0 << none << QStringList{"@NAME"} << 11;
        QTest::newRow("on both lists") << int(Env::AcceptCpu) << 0 << QStringList{"@NAME"} << QStringList{"@NAME"} << -11;
        QTest::newRow("other devices listed") << int(Env::AcceptCpu) << 0 << QStringList{"no such card"} << QStringList{"nor this"} << 0;
    }
    void check()
    {
        REQUIRE_DEVICE();
        QFETCH(int, env);
        QFETCH(int, gpu);
        QFETCH(QStringList, black);
        QFETCH(QStringList, white);
        QFETCH(int, code);

        const auto resolve = [this](QStringList names) {
            for (QString &name : names) {
                if (name == "@NAME")
                    name = m_device.name.mid(2, 6);
                else if (name == "@UPPER")
                    name = m_device.name.left(8).toUpper();
            }
            return names;
        };
        writeAll(m_dir.filePath("black.xml"), list(resolve(black)));
        writeAll(m_dir.filePath("white.xml"), list(resolve(white)));
        const CheckProgramRun run = runCheckProgram(kFaldric, faldricArgs(gpu), environment(Env(env)));
        QVERIFY(run.exitedNormally);
        QVERIFY2(run.code() == code, qPrintable(describe(run)));
    }

    // Broken or missing lists and bad arguments never make a device usable
    // by accident, nor crash the check.
    void badInput_data()
    {
        QTest::addColumn<QByteArray>("black");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");

        QTest::newRow("malformed black list") << QByteArray("<list><device name=") << QStringList() << 0;
        QTest::newRow("no gpu value") << QByteArray() << QStringList{"--gpu"} << -10;
        QTest::newRow("negative gpu") << QByteArray() << QStringList{"--gpu", "-1"} << -10;
        QTest::newRow("unknown option") << QByteArray() << QStringList{"--gpu", "0", "--fast", "1"} << -10;
        QTest::newRow("bad recheck") << QByteArray() << QStringList{"--gpu", "0", "--recheck", "2"} << -10;
    }
    void badInput()
    {
        REQUIRE_DEVICE();
        QFETCH(QByteArray, black);
        QFETCH(QStringList, args);
        QFETCH(int, code);
        writeAll(m_dir.filePath("black.xml"), black);
        const CheckProgramRun run = runCheckProgram(kFaldric, args.isEmpty() ? faldricArgs(0) : args,
                                                    environment(Env::AcceptCpu));
        QVERIFY(run.exitedNormally);
        QVERIFY2(run.code() == code, qPrintable(describe(run)));
    }

    // The answer of an earlier probe is kept per device and driver; recheck
    // probes again and corrects it.
    void resultFolderRemembersProbe()
    {
        REQUIRE_DEVICE();
        const QProcessEnvironment env = environment(Env::AcceptCpu);
        QCOMPARE(runCheckProgram(kFaldric, faldricArgs(0), env).code(), 0);
        const QString cachePath = m_dir.filePath("gpu/opencl_check.json");
        QJsonObject cache = QJsonDocument::fromJson(readAll(cachePath)).object();
        const QString key = m_device.name + '-' + m_device.id;
        QVERIFY2(cache.value(key).toObject().value("usable").toBool(), readAll(cachePath).constData());

        QJsonObject entry = cache.value(key).toObject();
        entry.insert("usable", false);
        cache.insert(key, entry);
        writeAll(cachePath, QJsonDocument(cache).toJson());
        QCOMPARE(runCheckProgram(kFaldric, faldricArgs(0), env).code(), -11);
        QCOMPARE(runCheckProgram(kFaldric, faldricArgs(0, "1"), env).code(), 0);
        QCOMPARE(runCheckProgram(kFaldric, faldricArgs(0), env).code(), 0);
    }

    // Arguments are refused before any device or file is touched.
    void pressureTestArguments_data()
    {
        QTest::addColumn<int>("at");        // index of the argument to change
        QTest::addColumn<QString>("value"); // new value; empty: drop from there on
        QTest::newRow("no --resize") << 34 << QString();
        QTest::newRow("unknown group") << 34 << "--sharpen";
        QTest::newRow("memio frame too large") << 7 << "16384";
        QTest::newRow("iterations not a number") << 3 << "many";
        QTest::newRow("zero scale") << 27 << "0";
    }
    void pressureTestArguments()
    {
        QFETCH(int, at);
        QFETCH(QString, value);
        QTemporaryDir installation;
        layMedia(installation);
        QStringList args = dunskerArgs(installation.path());
        if (value.isEmpty())
            args = args.mid(0, at);
        else
            args[at] = value;
        const CheckProgramRun run = runCheckProgram(kDunsker, args, environment(Env::AcceptCpu));
        QVERIFY(run.exitedNormally);
        QVERIFY2(run.status == 1, qPrintable(describe(run)));
        QVERIFY(!QFile::exists(installation.filePath("out.json")));
    }

    void pressureTest_data()
    {
        QTest::addColumn<QByteArray>("before");   // out.json before; null: none
        QTest::addColumn<QString>("damage");      // file of the installation to damage
        QTest::addColumn<int>("gpu");
        QTest::addColumn<QString>("write");
        QTest::addColumn<int>("status");

        const QByteArray other = R"({"other card-10de00000000-opencl":{}})";
        QTest::newRow("new file") << QByteArray() << QString() << 0 << "1" << 0;
        QTest::newRow("other keys kept") << other << QString() << 0 << "1" << 0;
        QTest::newRow("corrupt file replaced") << QByteArray("{\"half") << QString() << 0 << "1" << 0;
        QTest::newRow("array replaced") << QByteArray("[1,2]") << QString() << 0 << "1" << 0;
        QTest::newRow("not recorded") << other << QString() << 0 << "0" << 0;
        QTest::newRow("missing video") << other << "4KvideoforGPUtest1.mp4" << 0 << "1" << 2;
        QTest::newRow("cut picture") << other << "6KpictureforGPUtest1.jpg" << 0 << "1" << 2;
        QTest::newRow("no such GPU") << other << QString() << 4 << "1" << 3;
    }
    void pressureTest()
    {
        REQUIRE_DEVICE();
        QFETCH(QByteArray, before);
        QFETCH(QString, damage);
        QFETCH(int, gpu);
        QFETCH(QString, write);
        QFETCH(int, status);

        QTemporaryDir installation;
        layMedia(installation);
        if (damage.endsWith(".mp4"))
            QVERIFY(QFile::remove(installation.filePath(damage)));
        else if (!damage.isEmpty())
            writeAll(installation.filePath(damage), readAll(installation.filePath(damage)).chopped(100));
        const QString outPath = installation.filePath("out.json");
        if (!before.isNull())
            writeAll(outPath, before);

        const CheckProgramRun run = runCheckProgram(kDunsker, dunskerArgs(installation.path(), gpu, write),
                                                    environment(Env::AcceptCpu));
        QVERIFY(run.exitedNormally);
        QVERIFY2(run.status == status, qPrintable(describe(run)));

        if (status != 0 || write == "0") {
            QCOMPARE(readAll(outPath), before.isNull() ? QByteArray() : before);
            return;
        }
        QJsonParseError error;
        const QJsonDocument written = QJsonDocument::fromJson(readAll(outPath), &error);
        QVERIFY2(written.isObject(), qPrintable(error.errorString()));
        const QJsonObject entry = written.object().value(m_device.name + '-' + m_device.id + "-opencl").toObject();
        QVERIFY(!entry.isEmpty());
        QCOMPARE(entry.value("deviceId").toString(), m_device.id);
        const QJsonObject previous = QJsonDocument::fromJson(before).object();
        for (auto it = previous.begin(); it != previous.end(); ++it)
            QCOMPARE(written.object().value(it.key()), it.value());
        QCOMPARE(written.object().size(), previous.size() + 1);
        // Written beside and renamed: nothing else is left in the folder.
        QCOMPARE(QDir(installation.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
    }
};

QTEST_GUILESS_MAIN(TestCheckOpenCl)
#include "tst_checkopencl.moc"
