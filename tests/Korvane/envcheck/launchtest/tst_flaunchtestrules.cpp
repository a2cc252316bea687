#include "FChildProcess.h"
#include "FGpuTestCache.h"
#include "FLaunchTestRules.h"
#include "FOpenClDeviceList.h"
#include "KvTestFiles.h"
#include "KvTestLog.h"
#include "KvUtility.h"

#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

using namespace FLaunchTestRules;

Q_DECLARE_METATYPE(FGpuTestCache::Entry)

// The launch test's fixed rules: how texts, codes and files read.
class TestFLaunchTestRules : public QObject
{
    Q_OBJECT

private slots:
    void memoryText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("below");
        QTest::newRow("3 GB") << "3 GB" << true;
        QTest::newRow("3.0 GB") << "3.0 GB" << true;
        QTest::newRow("as lists show it") << "3.00 GB" << true;
        QTest::newRow("2.5GB, no blank") << "2.5GB" << true;
        QTest::newRow("3.5 GB") << "3.5 GB" << false;
        QTest::newRow("16 GB") << "15.61 GB" << false;
        QTest::newRow("MB is never below") << "2048 MB" << false;
        QTest::newRow("empty (unreadable memory)") << "" << false;
        QTest::newRow("GB without a number") << "GB" << false;
    }
    void memoryText()
    {
        QFETCH(QString, text);
        QFETCH(bool, below);
        QCOMPARE(isMemoryBelowRequirement(text), below);
    }
    // This machine's own text is one the rule reads: 24 GiB is not below.
    void memoryTextOfThisMachine()
    {
        const QString text = KvUtility::GetSysRamSize();
        QVERIFY2(text.endsWith(" GB"), qPrintable(text));
        QVERIFY(text.chopped(3).toDouble() > 3.0);
        QVERIFY(!isMemoryBelowRequirement(text));
    }

    // Exit codes as the programs deliver them (a byte) and as they read.
    void exitCodes_data()
    {
        QTest::addColumn<int>("delivered");
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("unusable");
        QTest::addColumn<bool>("driver");
        QTest::addColumn<bool>("pressure");
        QTest::newRow("-11") << 245 << -11 << true << false << false;
        QTest::newRow("-10") << 246 << -10 << true << false << false;
        QTest::newRow("0") << 0 << 0 << false << false << true;
        QTest::newRow("11") << 11 << 11 << false << false << true;
        QTest::newRow("12") << 12 << 12 << false << true << true;
        QTest::newRow("13") << 13 << 13 << false << true << true;
        QTest::newRow("1") << 1 << 1 << false << false << false;
        QTest::newRow("-1") << 255 << -1 << false << false << false;
        QTest::newRow("127 stays") << 127 << 127 << false << false << false;
    }
    void exitCodes()
    {
        QFETCH(int, delivered);
        QFETCH(int, code);
        QCOMPARE(FChildProcess::signedExitCode(delivered), code);
        QTEST(isUnusableGpu(code), "unusable");
        QTEST(wantsDriverUpdate(code), "driver");
        QTEST(isWorthPressureTest(code), "pressure");
        QVERIFY(!isUnusableGpu(kOpenClNoAnswer) && !isWorthPressureTest(kOpenClNoAnswer));
    }

    void crashClass_data()
    {
        QTest::addColumn<QByteArray>("log");
        QTest::addColumn<int>("crashClass");
        QTest::newRow("work started") << QByteArray("x\nGPU work started\n") << 1;
        QTest::newRow("work started wins over a callback")
            << QByteArray("UHP fatal callback level 3\nGPU work started") << 1;
        QTest::newRow("error callback") << QByteArray("UHP error callback level 2") << 2;
        QTest::newRow("fatal callback") << QByteArray("..UHP fatal callback level..") << 2;
        QTest::newRow("case counts") << QByteArray("gpu work started; uhp error callback level") << -1;
        QTest::newRow("nothing known") << QByteArray("all fine") << -1;
        QTest::newRow("empty") << QByteArray() << -1;
        // Far into a large log, across the boundary of the reads.
        QTest::newRow("across a read boundary")
            << QByteArray((1 << 20) - 5, 'x').append("GPU work started").append(QByteArray(3 << 20, 'y')) << 1;
        QTest::newRow("callback after the first read")
            << QByteArray(3 << 20, 'y').append("UHP error callback level") << 2;
    }
    void crashClass()
    {
        QFETCH(QByteArray, log);
        QTemporaryDir dir;
        const QString path = dir.filePath("Log/gpu_exception.log");
        QCOMPARE(gpuCrashClass(path), 0);
        writeAll(path, log);
        QTEST(gpuCrashClass(path), "crashClass");
    }
    void crashClassOfAnUnreadableLog()
    {
        QTemporaryDir dir;
        // Root reads any file; a directory in its place cannot be read by anyone.
        QVERIFY(QDir().mkpath(dir.filePath("Log/gpu_exception.log")));
        QCOMPARE(gpuCrashClass(dir.filePath("Log/gpu_exception.log")), -1);
    }

    void argumentLists()
    {
        QCOMPARE(openClCheckArguments("/k/opencl_black_list.xml", "/k/opencl_white_list.xml", 2, "/cfg/gpu", 1),
                 QStringList({"--blacklist", "/k/opencl_black_list.xml", "--whitelist", "/k/opencl_white_list.xml",
                              "--gpu", "2", "--result", "/cfg/gpu", "--recheck", "1"}));
        // Results and the encoded file go to the state folder, media come from the installation.
        QCOMPARE(pressureTestArguments("/opt/k", "/st", 1),
                 QStringList({"--gpu", "1", "--result", "20", "/st/out.json", "1", "--memio", "3840", "2160",
                              "--decode", "file://opt/k/4KvideoforGPUtest1.mp4", "0", "3840", "2160", "25.0",
                              "--encode", "/st/output.mp4", "1920", "1080", "MP4 ", "H264", "24", "1", "15000",
                              "--transform", "3840", "2160", "0.25", "0.25", "50", "50", "45", "--image",
                              "file://opt/k/6KpictureforGPUtest1.jpg", "--resize", "3840", "2160", "1", "2"}));
        QCOMPARE(algorithmTestProgram(), QString("./Carvoth.exe"));
        QCOMPARE(algorithmTestArguments(kAlgorithmTypeA), QStringList({"./", ".\\resources\\", "0"}));
        QCOMPARE(algorithmTestArguments(kAlgorithmTypeB), QStringList({"./", ".\\resources\\", "1"}));
        QCOMPARE(cacheKey("GeForce GTX 1060", "10de5a1c03e4"), QString("GeForce GTX 1060-10de5a1c03e4-opencl"));
    }

    void cacheEntry_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<FGpuTestCache::Entry>("entry");
        QTest::addColumn<bool>("logged");
        const auto NotTested = FGpuTestCache::Entry::NotTested;
        QTest::newRow("no file") << QByteArray() << NotTested << false;
        QTest::newRow("passed") << QByteArray("{\"G-1-opencl\": {\"score\": 3}}") << FGpuTestCache::Entry::Passed
                                << false;
        QTest::newRow("failed") << QByteArray("{\"G-1-opencl\": {}}") << FGpuTestCache::Entry::Failed << false;
        QTest::newRow("another GPU only") << QByteArray("{\"H-2-opencl\": {\"score\": 3}}") << NotTested << false;
        QTest::newRow("entry not an object") << QByteArray("{\"G-1-opencl\": true}") << NotTested << false;
        QTest::newRow("entry a string") << QByteArray("{\"G-1-opencl\": \"ok\"}") << NotTested << false;
        QTest::newRow("not JSON") << QByteArray("{\"G-1-opencl\": {\"score\"") << NotTested << true;
        QTest::newRow("an array") << QByteArray("[{\"G-1-opencl\": {\"score\": 3}}]") << NotTested << true;
    }
    void cacheEntry()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, logged);
        QTemporaryDir dir;
        const QString path = dir.filePath("out.json");
        if (!file.isEmpty())
            writeAll(path, file);
        KvTestLog log;
        const FGpuTestCache cache(path);
        QTEST(cache.entry("G-1-opencl"), "entry");
        QCOMPARE(!log.errors().isEmpty(), logged);

        // A failure is recorded whatever was there, and other GPUs stay.
        QVERIFY(cache.markFailed("G-1-opencl"));
        QCOMPARE(cache.entry("G-1-opencl"), FGpuTestCache::Entry::Failed);
        const QJsonObject stored = QJsonDocument::fromJson(readAll(path)).object();
        QCOMPARE(stored.value("G-1-opencl"), QJsonValue(QJsonObject()));
        if (QTest::currentDataTag() == QByteArray("another GPU only"))
            QCOMPARE(stored.value("H-2-opencl").toObject().value("score").toInt(), 3);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList("out.json"));
    }
    void cacheTooLargeIsNotRead()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("out.json");
        QByteArray huge = "{\"G-1-opencl\": {\"score\": 3}, \"pad\": \"";
        huge.append(QByteArray(FGpuTestCache::kMaxFileSize, 'p')).append("\"}");
        writeAll(path, huge);
        KvTestLog log;
        QCOMPARE(FGpuTestCache(path).entry("G-1-opencl"), FGpuTestCache::Entry::NotTested);
        QVERIFY(!log.errors().isEmpty());
    }
    void deviceList_data()
    {
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QList<int>>("ids");
        QTest::addColumn<QStringList>("keyIds");
        QTest::addColumn<bool>("logged");
        QTest::newRow("none") << QByteArray() << QStringList() << QList<int>() << QStringList() << false;
        QTest::newRow("two") << QByteArray("0\tGeForce GTX 1060\t7171\n1\tIntel UHD 630\t0x3e92\n")
                             << QStringList({"GeForce GTX 1060", "Intel UHD 630"}) << QList<int>({7171, 0x3e92})
                             << QStringList({"7171", "0x3e92"}) << false;
        QTest::newRow("out of order, no final newline")
            << QByteArray("1\tB\t2\n0\tA\t1") << QStringList({"A", "B"}) << QList<int>({1, 2})
            << QStringList({"1", "2"}) << false;
        // Vendor id and a name hash, as the check programs print it.
        QTest::newRow("bare hex digits") << QByteArray("0\tpthread-cpu\t10061a2b3c4d\n") << QStringList({"pthread-cpu"})
                                         << QList<int>({0x1a2b3c4d}) << QStringList({"10061a2b3c4d"}) << false;
        QTest::newRow("malformed lines skipped")
            << QByteArray("0\tA\t1\nnot a device\n1\t\t5\nx\tB\t2\n1\tC\tid!\n1\tD\t4\n")
            << QStringList({"A", "D"}) << QList<int>({1, 4}) << QStringList({"1", "4"}) << true;
        QTest::newRow("a gap ends the list") << QByteArray("0\tA\t1\n2\tC\t3\n") << QStringList({"A"})
                                             << QList<int>({1}) << QStringList({"1"}) << true;
    }
    void deviceList()
    {
        QFETCH(QByteArray, output);
        QFETCH(QStringList, names);
        QFETCH(QList<int>, ids);
        KvTestLog log;
        const QVector<FPerformanceSettings::GpuDevice> devices = FOpenClDeviceList::parse(output);
        QStringList gotNames;
        QList<int> gotIds;
        QStringList gotKeyIds;
        for (const auto &device : devices) {
            gotNames << device.name;
            gotIds << device.deviceId;
            gotKeyIds << device.idText();
        }
        QCOMPARE(gotNames, names);
        QCOMPARE(gotIds, ids);
        QTEST(gotKeyIds, "keyIds");
        QTEST(!log.errors().isEmpty(), "logged");
    }
};

QTEST_GUILESS_MAIN(TestFLaunchTestRules)
#include "tst_flaunchtestrules.moc"
