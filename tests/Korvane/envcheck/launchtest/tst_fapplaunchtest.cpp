#include "FAppLaunchTest.h"
#include "FLaunchTestDialog.h"
#include "FLaunchTestRules.h"
#include "FLoadingAnimation.h"
#include "FOpenClDeviceList.h"
#include "KvAppSettings.h"
#include "KvConfig.h"
#include "KvTestLog.h"
#include "LaunchTestInstallation.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QLabel>
#include <QScopeGuard>
#include <QTimer>
#include <QToolButton>
#include <QtConcurrent>
#include <QtTest>
#include <QtTest/qtestspontaneevent.h>

#include <memory>
#include <unistd.h>

namespace {

// An OpenCL check that crashes instead of answering.
constexpr int kCrash = 1000;

const QByteArray kTwoGpus("0\\tGPU A\\t100\\n1\\tGPU B\\t200\\n");
const QByteArray kOneGpu("0\\tGPU A\\t100\\n");

FPerformanceSettings &performance()
{
    return KvAppSettings::GetInstance()->GetSettings().GetPerformanceSettings();
}

QStringList gpuChecks(const LaunchTestInstallation &install)
{
    return install.calls("Faldric.exe").filter("--gpu");
}

} // namespace

// The launch test against check programs that pass, fail, crash, hang or
// are missing, in an application directory of its own.
class TestFAppLaunchTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        qunsetenv(FPerformanceSettings::GpuDevicesVariable);
        const QString settingsFile = KvAppSettings::GetInstance()->filePath();
        KvAppSettings::Release();
        QFile::remove(settingsFile);
        KvConfig::Instance()->SetAppCrashed(false);
        KvConfig::Instance()->SetUpdataDriverShowed(false);
        m_install = std::make_unique<LaunchTestInstallation>();
    }

    void cachedCheck_data()
    {
        QTest::addColumn<QByteArray>("devices");
        QTest::addColumn<QList<int>>("codes");
        QTest::addColumn<QList<int>>("passing");
        QTest::addColumn<QByteArray>("cache");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QStringList>("gpusLeft");
        QTest::addColumn<int>("pressureTests");
        QTest::addColumn<bool>("driverNotice");
        const QStringList none;
        const QStringList both{"GPU A", "GPU B"};
        QTest::newRow("no OpenCL GPU at all") << QByteArray() << QList<int>() << QList<int>() << QByteArray() << false
                                              << none << 0 << false;
        QTest::newRow("one unusable, one passing")
            << kTwoGpus << QList<int>{-11, 0} << QList<int>{1} << QByteArray() << true << QStringList{"GPU B"} << 1
            << false;
        QTest::newRow("both pass") << kTwoGpus << QList<int>{0, 11} << QList<int>{0, 1} << QByteArray() << true
                                   << both << 2 << false;
        QTest::newRow("one of two fails the pressure test")
            << kTwoGpus << QList<int>{0, 0} << QList<int>{1} << QByteArray() << true << both << 2 << false;
        QTest::newRow("every GPU unusable")
            << kTwoGpus << QList<int>{-10, -11} << QList<int>() << QByteArray() << false << both << 0 << false;
        QTest::newRow("the only GPU fails the pressure test")
            << kOneGpu << QList<int>{0} << QList<int>() << QByteArray() << false << QStringList{"GPU A"} << 1 << false;
        QTest::newRow("a check that crashes ends the checks")
            << kTwoGpus << QList<int>{kCrash, 0} << QList<int>{1} << QByteArray() << false << both << 0 << false;
        QTest::newRow("driver wants an update") << kOneGpu << QList<int>{13} << QList<int>{0} << QByteArray() << true
                                                << QStringList{"GPU A"} << 1 << true;
        QTest::newRow("cached pass, no test")
            << kOneGpu << QList<int>{0} << QList<int>() << QByteArray("{\"GPU A-100-opencl\": {\"score\": 9}}") << true
            << QStringList{"GPU A"} << 0 << false;
        QTest::newRow("cached pass under the id as printed")
            << QByteArray("0\\tGPU A\\t10de00aa\\n") << QList<int>{0} << QList<int>()
            << QByteArray("{\"GPU A-10de00aa-opencl\": {\"score\": 9}}") << true << QStringList{"GPU A"} << 0 << false;
        QTest::newRow("cached failure, no test")
            << kOneGpu << QList<int>{0} << QList<int>{0} << QByteArray("{\"GPU A-100-opencl\": {}}") << false
            << QStringList{"GPU A"} << 0 << false;
        QTest::newRow("another GPU's entry is no answer")
            << kOneGpu << QList<int>{0} << QList<int>{0} << QByteArray("{\"GPU A-101-opencl\": {\"score\": 9}}")
            << true << QStringList{"GPU A"} << 1 << false;
        QTest::newRow("corrupt cache, tested again") << kOneGpu << QList<int>{0} << QList<int>() << QByteArray("{\"GPU A")
                                                     << false << QStringList{"GPU A"} << 1 << false;
        QTest::newRow("entry of the wrong type, tested again")
            << kOneGpu << QList<int>{0} << QList<int>{0} << QByteArray("{\"GPU A-100-opencl\": true}") << true
            << QStringList{"GPU A"} << 1 << false;
    }
    void cachedCheck()
    {
        QFETCH(QByteArray, devices);
        QFETCH(QList<int>, codes);
        QFETCH(QList<int>, passing);
        QFETCH(QByteArray, cache);
        QFETCH(bool, ok);
        m_install->openClCheck(devices, codes);
        if (codes.value(0) == kCrash)
            m_install->script("Faldric.exe", "[ \"$1\" = --list ] && printf '" + devices + "' && exit 0\n"
                                             "kill -SEGV $$");
        m_install->pressureTest(passing);
        if (!cache.isEmpty())
            writeAll(m_install->path("/out.json"), cache);
        writeAll(m_install->path("/App_Crash.ini"), "[x]\n");

        FAppLaunchTest test(m_install->dir());
        const AppTestResult result = test.loadCache();
        QTEST(performance().GetAllOpenCLGPUDevice(), "gpusLeft");
        QTEST(m_install->calls("Dunsker.exe").size(), "pressureTests");
        QTEST(result.driverUpdateNoticeWanted, "driverNotice");
        QCOMPARE(performance().IsSafeMode(), !ok);
        QCOMPARE(performance().GetNextTimeEnableOpenCL(), ok);
        QCOMPARE(performance().GetThisTimeEnableGPUDeCode(), ok);
        QCOMPARE(performance().GetOpenCLCanBeChanged(), ok);
        QCOMPARE(result.gpuCrashClass, -1);
        QVERIFY(KvConfig::Instance()->IsAppCrashed());
        QVERIFY(!QFile::exists(m_install->path("/App_Crash.ini")));

        // A failed pressure test is remembered as a failure, never as a pass.
        const QJsonObject stored = QJsonDocument::fromJson(readAll(m_install->path("/out.json"))).object();
        for (int index = 0; index < codes.size(); ++index) {
            if (FLaunchTestRules::isWorthPressureTest(codes.at(index)) && !passing.contains(index)
                && codes.value(0) != kCrash && cache.isEmpty())
                QCOMPARE(stored.value(QString("GPU %1-%2-opencl").arg(QChar('A' + index)).arg(100 * (index + 1))),
                         QJsonValue(QJsonObject()));
        }
        if (ok)
            QCOMPARE(performance().GetGpuTestInfos(), stored);
    }

    void cachedCheckArguments()
    {
        m_install->openClCheck(kOneGpu, {0});
        m_install->pressureTest({0});
        FAppLaunchTest test(m_install->dir());
        // Lists that do not exist give way to the application directory's.
        QCOMPARE(test.checkOcl("/nonexistent/black.xml", QString(), 0, 1), 0);
        const QString dir = m_install->dir();
        QCOMPARE(gpuChecks(*m_install),
                 QStringList(QStringList{"--blacklist", dir + "/opencl_black_list.xml", "--whitelist",
                                         dir + "/opencl_white_list.xml", "--gpu", "0", "--result", "", "--recheck", "1"}
                                 .join('|')));
        QVERIFY(test.gpuPressureTest(dir + "/out.json", 0, false));
        QCOMPARE(m_install->calls("Dunsker.exe"),
                 QStringList(FLaunchTestRules::pressureTestArguments(dir, dir, 0).join('|')));
    }

    // The list is taken again only when what it depends on changed.
    void deviceListKept_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("listings");
        QTest::newRow("nothing changed") << "" << 1;
        QTest::newRow("installation copied elsewhere") << "copied" << 1;
        QTest::newRow("check program replaced") << "program" << 2;
        QTest::newRow("driver variable set") << "variable" << 2;
        QTest::newRow("kept list corrupt") << "corrupt" << 2;
        QTest::newRow("listing failed, nothing kept") << "fails" << 2;
    }
    void deviceListKept()
    {
        QFETCH(QString, change);
        if (change == "fails")
            m_install->exitWith("Faldric.exe", 1);
        else
            m_install->openClCheck(kTwoGpus, {});
        const QString dir = m_install->dir();
        const auto names = [](const QVector<FPerformanceSettings::GpuDevice> &devices) {
            QStringList list;
            for (const auto &device : devices)
                list << device.name + "=" + device.idText();
            return list;
        };
        const QStringList first = names(FOpenClDeviceList::query(dir));
        if (change == "program")
            m_install->openClCheck(kTwoGpus + QByteArray(""), {0});
        else if (change == "variable")
            qputenv("KORVANE_CHECK_ACCEPT_CPU_DEVICE", "1");
        else if (change == "corrupt")
            writeAll(dir + FOpenClDeviceList::kCacheFile, "{\"fingerprint\": ");
        QTemporaryDir copy;
        if (change == "copied") {
            // The same program (a hard link keeps its time) and the kept list.
            QVERIFY(::link(QFile::encodeName(dir + "/Faldric.exe").constData(),
                           QFile::encodeName(copy.path() + "/Faldric.exe").constData()) == 0);
            writeAll(copy.path() + FOpenClDeviceList::kCacheFile, readAll(dir + FOpenClDeviceList::kCacheFile));
        }
        const QStringList second = names(FOpenClDeviceList::query(change == "copied" ? copy.path() : dir));
        qunsetenv("KORVANE_CHECK_ACCEPT_CPU_DEVICE");
        QCOMPARE(second, first);
        QCOMPARE(first, change == "fails" ? QStringList() : QStringList({"GPU A=100", "GPU B=200"}));
        QTEST(m_install->calls("Faldric.exe").filter("--list").size(), "listings");
    }

    void userChoiceAndServiceSwitch_data()
    {
        QTest::addColumn<bool>("userChanged");
        QTest::addColumn<bool>("serviceSwitch");
        QTest::addColumn<bool>("safeMode");
        QTest::newRow("service says GPU") << false << true << false;
        QTest::newRow("service says no GPU") << false << false << true;
        QTest::newRow("the user's choice stays") << true << false << false;
    }
    void userChoiceAndServiceSwitch()
    {
        QFETCH(bool, userChanged);
        QFETCH(bool, serviceSwitch);
        m_install->openClCheck(kOneGpu, {0});
        m_install->pressureTest({0});
        performance().SetUserChangedGPUState(userChanged);
        performance().SetCBSGpuSwitch(serviceSwitch);
        FAppLaunchTest(m_install->dir()).loadCache();
        QTEST(performance().IsSafeMode(), "safeMode");
    }

    void crashOfThePreviousRun_data()
    {
        QTest::addColumn<bool>("crashed");
        QTest::addColumn<QByteArray>("log");
        QTest::addColumn<int>("crashClass");
        QTest::addColumn<bool>("checked");
        QTest::newRow("orderly shutdown") << false << QByteArray("UHP fatal callback level") << -1 << true;
        QTest::newRow("crash, no GPU log") << true << QByteArray() << 0 << true;
        QTest::newRow("crash during GPU work") << true << QByteArray("GPU work started\nUHP error callback level") << 1
                                               << true;
        QTest::newRow("crash in the GPU driver") << true << QByteArray("UHP error callback level") << 2 << false;
    }
    void crashOfThePreviousRun()
    {
        QFETCH(bool, crashed);
        QFETCH(QByteArray, log);
        QFETCH(bool, checked);
        m_install->openClCheck(kOneGpu, {0});
        m_install->pressureTest({0});
        if (!log.isEmpty())
            writeAll(m_install->path("/Log/gpu_exception.log"), log);
        KvConfig::Instance()->SetAppCrashed(crashed);
        performance().SetUserChangedGPUState(true);

        const AppTestResult result = FAppLaunchTest(m_install->dir()).loadCache();
        QTEST(result.gpuCrashClass, "crashClass");
        QCOMPARE(gpuChecks(*m_install).size(), checked ? 1 : 0);
        QCOMPARE(performance().IsSafeMode(), !checked);
        QCOMPARE(performance().GetUserChangedGPUState(), checked);
        QVERIFY(KvConfig::Instance()->IsAppCrashed());
    }

    // With the real check programs and a CPU OpenCL driver standing in for a
    // GPU: the check passes, the pressure test writes the entry the next
    // start finds under the same key.
    void realCheckPrograms()
    {
        const QString bin = QStringLiteral(KORVANE_BIN_DIR);
        const QStringList files{"Faldric.exe", "Dunsker.exe", "opencl_black_list.xml", "opencl_white_list.xml",
                                "4KvideoforGPUtest1.mp4", "6KpictureforGPUtest1.jpg"};
        for (const QString &file : files) {
            if (!QFile::exists(bin + "/" + file))
                QSKIP(qPrintable(file + " is not built"));
            QVERIFY(QFile::copy(bin + "/" + file, m_install->path("/" + file)));
        }
        qputenv("KORVANE_CHECK_ACCEPT_CPU_DEVICE", "1");
        const auto restore = qScopeGuard([] { qunsetenv("KORVANE_CHECK_ACCEPT_CPU_DEVICE"); });
        if (FOpenClDeviceList::list(m_install->dir()).isEmpty())
            QSKIP("no OpenCL device (the CPU driver pocl-opencl-icd is not installed)");

        KvTestLog log;
        FAppLaunchTest(m_install->dir()).loadCache();
        QVERIFY(!performance().IsSafeMode());
        const QString key = FLaunchTestRules::cacheKey(performance().GetGPUDeviceByIndex(0),
                                                       performance().GetGPUDeviceIdTextByIndex(0));
        QVERIFY(!performance().GetGpuTestInfos().value(key).toObject().isEmpty());
        QCOMPARE(log.count("cache exsited"), 0);

        FAppLaunchTest(m_install->dir()).loadCache();
        QCOMPARE(log.count("cache exsited"), 1);
        QVERIFY(!performance().IsSafeMode());
        QVERIFY(log.errors().isEmpty());
    }

    void firstRun_data()
    {
        QTest::addColumn<QString>("memory");
        QTest::addColumn<bool>("marker");
        QTest::addColumn<bool>("below");
        QTest::newRow("3.0 GB") << "3.0 GB" << false << true;
        QTest::newRow("3.0 GB, told not to ask") << "3.0 GB" << true << false;
        QTest::newRow("8 GB") << "8.00 GB" << false << false;
    }
    void firstRun()
    {
        QFETCH(QString, memory);
        QFETCH(bool, marker);
        // Three GPU indices whatever the machine has; only the list is empty.
        m_install->openClCheck(QByteArray(), {0, 12, -11});
        m_install->pressureTest({0, 1});
        m_install->script("Carvoth.exe", "[ \"$3\" = 0 ] && exit 1\nexit 0");
        m_install->exitWith("Pelmonde.exe", 0);
        if (marker)
            writeAll(m_install->path("/SysRequirementsChecked.ini"), "");

        FAppLaunchTest test(m_install->dir());
        test.setMemorySizeSource([memory] { return memory; });
        const AppTestResult result = test.appLaunchTest();
        QTEST(result.hardwareBelowRequirement, "below");
        QVERIFY(result.driverUpdateNoticeWanted);
        QCOMPARE(result.gpuCrashClass, -1);
        QCOMPARE(gpuChecks(*m_install).size(), 3);
        QCOMPARE(m_install->calls("Dunsker.exe"),
                 QStringList({FLaunchTestRules::pressureTestArguments(m_install->dir(), m_install->dir(), 0).join('|'),
                              FLaunchTestRules::pressureTestArguments(m_install->dir(), m_install->dir(), 1).join('|')}));
        QCOMPARE(m_install->calls("Pelmonde.exe"), QStringList("check"));
        QCOMPARE(m_install->calls("Carvoth.exe").size(), 2);
        KvConfig *config = KvConfig::Instance();
        QVERIFY(config->isAlgorithmEnabled(1));
        QVERIFY(config->isAlgorithmEnabled(2));
        QVERIFY(!config->isAlgorithmEnabled(4));
    }

    void algorithmTests_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("base");
        QTest::addColumn<bool>("typeB");
        QTest::newRow("both pass") << QByteArray("exit 1") << true << true;
        QTest::newRow("both fail") << QByteArray("exit 0") << true << false;
        QTest::newRow("a crash disables the base") << QByteArray("[ \"$3\" = 0 ] && kill -SEGV $$\nexit 1") << false
                                                   << true;
        QTest::newRow("missing program") << QByteArray() << true << false;
    }
    void algorithmTests()
    {
        QFETCH(QByteArray, body);
        if (!body.isEmpty())
            m_install->script("Carvoth.exe", body);
        KvConfig::Instance()->setAlgorithmEnabled(4, true);
        FAppLaunchTest(m_install->dir()).runAlgorithmTests();
        QTEST(KvConfig::Instance()->isAlgorithmEnabled(1), "base");
        QTEST(KvConfig::Instance()->isAlgorithmEnabled(4), "typeB");
    }

    void startWritesTheMarker()
    {
        m_install->openClCheck(QByteArray(), {});
        m_install->exitWith("Carvoth.exe", 1);
        FAppLaunchTest test(m_install->dir());
        QVERIFY(test.needTest());
        KvTestLog log;
        const AppTestResult result = test.start();
        QVERIFY(!result.driverUpdateNoticeWanted);
        QVERIFY(QFile::exists(m_install->path("/configs/launchTest.ini")));
        QVERIFY(log.count("App launch test finished") == 1);
        QVERIFY(log.errors().isEmpty());
        QVERIFY(!test.needTest());
        QCOMPARE(log.count("skip launch test"), 1);
    }

    // A dialog closed from outside (a termination signal) is a failed test:
    // no marker, and the hung program does not hold the editor.
    void startInterrupted()
    {
        m_install->script("Carvoth.exe", "sleep 60");
        KvTestLog log;
        QElapsedTimer timer;
        timer.start();
        {
            auto test = std::make_unique<FAppLaunchTest>(m_install->dir());
            QTimer::singleShot(300, [] {
                if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                    dialog->reject();
            });
            const AppTestResult result = test->start();
            QVERIFY(!result.hardwareBelowRequirement && !result.driverUpdateNoticeWanted);
            QCOMPARE(result.gpuCrashClass, -1);
        }
        QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
        QVERIFY(log.hasError("Launch Test Failed"));
        QVERIFY(!QFile::exists(m_install->path("/configs/launchTest.ini")));
        QCOMPARE(log.count("Algorithm test result"), 0);
    }

    void dialog()
    {
        FLaunchTestDialog dialog;
        QCOMPARE(dialog.size(), QSize(480, 304));
        QCOMPARE(dialog.label()->text(), QString("Environment testing"));
        QCOMPARE(dialog.label()->size(), QSize(480, 16));
        QCOMPARE(dialog.label()->alignment(), Qt::AlignCenter);
        QCOMPARE(dialog.animation()->size(), QSize(56, 56));
        QVERIFY(dialog.closeButton()->isHidden());
        QVERIFY(!dialog.accessibleName().isEmpty());

        std::atomic<bool> release{false};
        QFuture<void> job = QtConcurrent::run([&release] {
            while (!release)
                QThread::msleep(5);
        });
        dialog.acceptWhenFinished(job);
        QTimer::singleShot(50, &dialog, [&] {
            // The window system and Escape cannot end it; the job can.
            QCloseEvent close;
            QSpontaneKeyEvent::setSpontaneous(&close);
            // Delivered as the window system does (sendEvent would clear the mark).
            static_cast<QObject *>(&dialog)->event(&close);
            QTest::keyClick(&dialog, Qt::Key_Escape);
            QVERIFY(dialog.isVisible());
            QVERIFY(dialog.animation()->isTurning());
            release = true;
        });
        QVERIFY(dialog.runUntilFinished());
        QVERIFY(!dialog.animation()->isTurning());
        const QString shot = QDir::temp().filePath("launchtestdialog.png");
        dialog.grab().save(shot);
    }

private:
    std::unique_ptr<LaunchTestInstallation> m_install;
};

QTEST_MAIN(TestFAppLaunchTest)
#include "tst_fapplaunchtest.moc"
