// The cached GPU check of FAppLaunchTest: what runs at every start.

#include "FAppLaunchTest.h"

#include "FGpuTestCache.h"
#include "FGpuTestResultEvent.h"
#include "FLaunchTestRules.h"
#include "FPerformanceSettings.h"
#include "IKvBaseLog.h"
#include "KvAppSettings.h"
#include "KvConfig.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace FLaunchTestRules;

void FAppLaunchTest::setSafeMode(bool on)
{
    FPerformanceSettings &performance = performanceSettings();
    performance.SetThisTimeEnableOpenCL(!on);
    performance.SetThisTimeEnableGPUDeCode(!on);
    performance.SetNextTimeEnableOpenCLSetting(!on);
    performance.SetNextTimeEnableGPUDeCodeSetting(!on);
    performance.SetSafeMode(on);
    if (on)
        performance.OpenAutoSelectGUP();
    KV_LOG_INFO("safe mode %d", on);
}

void FAppLaunchTest::switchToSafeModeForGood()
{
    FPerformanceSettings &performance = performanceSettings();
    setSafeMode(true);
    performance.SetUserChangedGPUState(false);
    performance.SetOpenCLCanBeChanged(false);
    KvAppSettings::Save();
}

int FAppLaunchTest::checkOcl(const QString &blackList, const QString &whiteList, int index, int recheck)
{
    const QString black = !blackList.isEmpty() && QFileInfo::exists(blackList) ? blackList : m_appDir + kBlackList;
    const QString white = !whiteList.isEmpty() && QFileInfo::exists(whiteList) ? whiteList : m_appDir + kWhiteList;
    QCoreApplication::processEvents();
    QStringList arguments = defaultOpenClCheckArguments(index, recheck);
    arguments.replace(1, QDir::toNativeSeparators(black));
    arguments.replace(3, QDir::toNativeSeparators(white));
    const int code = openClCheckProcess(index, arguments);
    const FPerformanceSettings &performance = performanceSettings();
    KV_LOG_INFO("sCheckOcl:%s, %d Code:%d, recheck: %d", KV_CSTR(performance.GetGPUDeviceByIndex(index)),
                performance.GetGPUDeviceIdByIndex(index), code, recheck);
    FGpuTestResultEvent(code).sendEvent();
    return code;
}

bool FAppLaunchTest::gpuPressureTest(const QString &resultFile, int index, bool useCache)
{
    const FPerformanceSettings &performance = performanceSettings();
    const QString key =
        cacheKey(performance.GetGPUDeviceByIndex(index), performance.GetGPUDeviceIdTextByIndex(index));
    const FGpuTestCache cache(resultFile);
    if (useCache) {
        const FGpuTestCache::Entry entry = cache.entry(key);
        if (entry != FGpuTestCache::Entry::NotTested) {
            KV_LOG_INFO("gpu:%d, cache exsited, skip test", index);
            return entry == FGpuTestCache::Entry::Passed;
        }
    }
    // A passing test writes its own entry.
    if (runPressureTest(index, pressureTestArguments(m_appDir, m_stateDir, index)))
        return true;
    cache.markFailed(key);
    return false;
}

bool FAppLaunchTest::pressureTestProcess(bool needCheckOcl, bool useCache, bool recheck, bool &driverNotice)
{
    m_cancel = false;
    FPerformanceSettings &performance = performanceSettings();
    if (!needCheckOcl) {
        performance.SetOpenCLCanBeChanged(true);
        return false;
    }

    const QStringList gpus = performance.GetAllOpenCLGPUDevice();
    QStringList unusable;
    int driverProblems = 0;
    QVector<int> pressureList;
    bool failed = false;
    for (int index = 0; index < gpus.size(); ++index) {
        if (m_cancel) {
            KV_LOG_INFO("user canceled PressureTest");
            return false;
        }
        const int code = checkOcl(QString(), QString(), index, recheck ? 1 : 0);
        if (code == kOpenClNoAnswer) {
            failed = true;
            break;
        }
        if (isUnusableGpu(code)) {
            unusable << gpus.at(index);
            continue;
        }
        if (wantsDriverUpdate(code))
            ++driverProblems;
        pressureList << index;
    }
    // No GPU at all counts as none usable.
    failed = failed || unusable.size() == gpus.size();

    if (!failed) {
        if (driverProblems > 0 && !KvConfig::Instance()->IsUpdataDriverShowed())
            driverNotice = true;
        int failures = 0;
        for (int index : pressureList) {
            if (m_cancel) {
                KV_LOG_INFO("user canceled PressureTest");
                return false;
            }
            if (!gpuPressureTest(m_stateDir + kResultCache, index, useCache))
                ++failures;
        }
        if (failures < pressureList.size()) {
            for (const QString &name : unusable)
                performance.RemoveUnavailableGPU(name);
            return true;
        }
    }

    KV_LOG_INFO("no GPU passed the checks: safe mode");
    switchToSafeModeForGood();
    return false;
}

AppTestResult FAppLaunchTest::loadCache()
{
    AppTestResult result;
    bool needCheckOcl = true;
    KvConfig *config = KvConfig::Instance();
    FPerformanceSettings &performance = performanceSettings();
    if (config->IsAppCrashed()) {
        result.gpuCrashClass = gpuCrashClass(m_stateDir + kGpuExceptionLog);
        KV_LOG_INFO("the previous run did not shut down in order, GPU crash class %d", result.gpuCrashClass);
        if (result.gpuCrashClass == 2) {
            // The GPU itself failed last time: no GPU this run.
            needCheckOcl = false;
            setSafeMode(true);
            performance.SetUserChangedGPUState(false);
            KvAppSettings::Save();
        }
    }
    // Cleared again by an orderly shutdown.
    config->SetAppCrashed(true);
    QFile::remove(m_stateDir + kAppCrashFile);

    performance.InitGpuDeviceList();
    KV_LOG_INFO("Load gpu pressure test cache, needCheckOcl = %d, forceCheckOcl = %d", needCheckOcl, 0);
    const bool ok = pressureTestProcess(needCheckOcl, true, false, result.driverUpdateNoticeWanted);
    FGpuTestResultEvent(ok).sendEvent();
    if (ok) {
        performance.InitGpuTestInfos(FGpuTestCache(m_stateDir + kResultCache).results());
        if (!performance.GetUserChangedGPUState()) {
            setSafeMode(!performance.GetCBSGpuSwitch());
            KvAppSettings::Save();
        }
    }
    m_result = result;
    return result;
}
