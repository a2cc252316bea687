#include "FAppLaunchTest.h"

#include "FChildProcess.h"
#include "FLaunchTestDialog.h"
#include "FLaunchTestRules.h"
#include "FOpenClDeviceList.h"
#include "IKvAppInfo.h"
#include "IKvBaseLog.h"
#include "KvAppInfoId.h"
#include "KvAppSettings.h"
#include "KvConfig.h"
#include "KvPaths.h"
#include "KvUtility.h"
#include "StartupTimingTracker.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtConcurrent>

using namespace FLaunchTestRules;

FAppLaunchTest::FAppLaunchTest(const QString &appDir, QObject *parent)
    : QObject(parent)
    , m_appDir(appDir)
    , m_stateDir(KvPaths::installStateDir(appDir))
{
    FOpenClDeviceList::installAsDeviceSource(m_appDir);
}

FAppLaunchTest::~FAppLaunchTest()
{
    if (m_job.isRunning()) {
        m_stopping = true;
        m_cancel = true;
        m_job.waitForFinished();
    }
}

FPerformanceSettings &FAppLaunchTest::performanceSettings() const
{
    return KvAppSettings::GetInstance()->GetSettings().GetPerformanceSettings();
}

QString FAppLaunchTest::programPath(const QString &program) const
{
    return QDir::toNativeSeparators(m_appDir + QLatin1Char('/') + program);
}

bool FAppLaunchTest::needTest() const
{
    if (QFileInfo::exists(m_stateDir + kCheckedMarker)) {
        KV_LOG_INFO("skip launch test");
        return false;
    }
    return true;
}

AppTestResult FAppLaunchTest::start()
{
    KV_LOG_INFO("App launch test started");
    FLaunchTestDialog dialog;
    m_job = QtConcurrent::run([this] { return appLaunchTest(); });
    dialog.acceptWhenFinished(m_job);
    if (!dialog.runUntilFinished()) {
        // The job may still work; its programs are ended and the marker is
        // not written, so the test runs again at the next start.
        m_stopping = true;
        KV_LOG_ERROR("Launch Test Failed");
        m_result = AppTestResult();
        return m_result;
    }

    const QString marker = m_stateDir + kCheckedMarker;
    QDir().mkpath(QFileInfo(marker).absolutePath());
    QFile file(marker);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.close();
    else
        KV_LOG_ERROR("cannot create %s (%s): the launch test will run again at the next start", KV_CSTR(marker),
                     KV_CSTR(file.errorString()));
    KV_LOG_INFO("set checked flag in %s", KV_CSTR(marker));
    KV_LOG_INFO("App launch test finished");
    m_result = m_job.result();
    return m_result;
}

AppTestResult FAppLaunchTest::appLaunchTest()
{
    StartupTimingSection section(QStringLiteral("StartUp_AppLaunchTest"));
    AppTestResult result;

    KV_LOG_INFO("1.system required check");
    result.hardwareBelowRequirement = isBelowRequirement();

    KV_LOG_INFO("2.algorithm test");
    runAlgorithmTests();

    KV_LOG_INFO("3.WMPcheck");
    mediaPlaybackCheck();

    KV_LOG_INFO("4.ocl & gpu test");
    for (int index = 0; index < kFirstRunGpuCount && !m_stopping; ++index) {
        const int code = openClCheckProcess(index);
        if (isWorthPressureTest(code))
            runPressureTest(index);
        if (wantsDriverUpdate(code))
            result.driverUpdateNoticeWanted = true;
    }

    KV_LOG_INFO("5.appLaunchTest finished");
    return result;
}

QString FAppLaunchTest::systemMemorySizeText()
{
    return KvUtility::GetSysRamSize();
}

bool FAppLaunchTest::isBelowRequirement() const
{
    if (QFileInfo::exists(m_stateDir + kRequirementsMarker))
        return false;
    const QString text = m_memorySizeSource ? m_memorySizeSource() : systemMemorySizeText();
    const bool below = isMemoryBelowRequirement(text);
    KV_LOG_INFO("memory \"%s\", below requirement %d", KV_CSTR(text), below);
    return below;
}

void FAppLaunchTest::runAlgorithmTests()
{
    KvConfig *config = KvConfig::Instance();
    config->setAlgorithmEnabled(kAlgorithmBase, true);
    QFuture<AlgorithmTestResult> typeA = QtConcurrent::run([this] { return algorithmTest(kAlgorithmTypeA); });
    QFuture<AlgorithmTestResult> typeB = QtConcurrent::run([this] { return algorithmTest(kAlgorithmTypeB); });
    typeA.waitForFinished();
    typeB.waitForFinished();
    // A test ended because the editor is closing says nothing about the machine.
    if (m_stopping)
        return;
    for (const AlgorithmTestResult &result : {typeA.result(), typeB.result()}) {
        KV_LOG_INFO("Algorithm test result : %d, %d", result.checkType, result.passed);
        config->setAlgorithmEnabled(result.checkType, result.passed);
    }
}

AlgorithmTestResult FAppLaunchTest::algorithmTest(int checkType)
{
    // Run from the application directory, where the program finds its resources.
    FChildProcess process(algorithmTestProgram(), algorithmTestArguments(checkType));
    process.setWorkingDirectory(m_appDir);
    process.setStopFlag(&m_stopping);
    const FChildProcess::Result result = process.run(kAlgorithmTestTimeoutMs);
    if (result.error != QProcess::UnknownError)
        KV_LOG_INFO("algorithum test error code = %d", int(result.error));
    // A crash of the self-test takes the base algorithm down with it.
    if (result.outcome == FChildProcess::Outcome::Crashed)
        return {kAlgorithmBase, false};
    return {checkType, result.finishedWith(1)};
}

void FAppLaunchTest::mediaPlaybackCheck()
{
    FChildProcess process(programPath(kPlaybackCheck), {QStringLiteral("check")});
    process.setStopFlag(&m_stopping);
    const FChildProcess::Result result = process.run(kPlaybackCheckTimeoutMs);
    if (result.outcome == FChildProcess::Outcome::TimedOut)
        KV_LOG_INFO("kill wmpTest process");
    const int exitStatus = result.outcome == FChildProcess::Outcome::Finished ? QProcess::NormalExit : QProcess::CrashExit;
    KV_LOG_INFO("wmpTest exit status %d (%s, exit code %d)", exitStatus, FChildProcess::outcomeName(result.outcome),
                result.exitCode);
}

QStringList FAppLaunchTest::defaultOpenClCheckArguments(int index, int recheck) const
{
    return openClCheckArguments(m_appDir + kBlackList, m_appDir + kWhiteList, index,
                                IKvAppInfo::getInstance()->getString(KvAppInfoId::GPUConfigDir), recheck);
}

int FAppLaunchTest::openClCheckProcess(int index, const QStringList &arguments)
{
    FChildProcess process(programPath(kOpenClCheck),
                          arguments.isEmpty() ? defaultOpenClCheckArguments(index) : arguments);
    process.setStopFlag(&m_stopping);
    const FChildProcess::Result result = process.run(kOpenClCheckTimeoutMs);
    if (!result.finished()) {
        KV_LOG_INFO("OpenCL check of GPU %d %s", index, FChildProcess::outcomeName(result.outcome));
        return kOpenClNoAnswer;
    }
    return result.exitCode;
}

bool FAppLaunchTest::runPressureTest(int index, const QStringList &arguments)
{
    FChildProcess process(programPath(kPressureTest),
                          arguments.isEmpty() ? pressureTestArguments(m_appDir, m_stateDir, index) : arguments);
    process.setStopFlag(&m_stopping);
    KV_LOG_INFO("wait for gpu pressure test ..., gpu index: %d", index);
    const FChildProcess::Result result = process.run(kPressureTestTimeoutMs);
    // The program exits 0 once it has written the GPU's entry; any other
    // end is a failed test.
    const bool passed = result.finishedWith(0);
    KV_LOG_INFO("gpu pressure test of gpu %d %s, exit code %d: %s", index, FChildProcess::outcomeName(result.outcome),
                result.exitCode, passed ? "passed" : "failed");
    return passed;
}
