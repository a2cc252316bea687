#pragma once

#include <QString>
#include <QStringList>

// The fixed facts of the launch test: the files it reads and writes below
// the application directory, the check programs and their argument lists,
// how their exit codes read, and the rules applied to what the machine
// reports. Pure functions, any thread.
namespace FLaunchTestRules {

// Files below the application directory; the markers, the crash file, the
// GPU exception log and the results may live below the installation's state
// folder instead (KvPaths::installStateDir).
inline const QString kCheckedMarker = QStringLiteral("/configs/launchTest.ini");
inline const QString kRequirementsMarker = QStringLiteral("/SysRequirementsChecked.ini");
inline const QString kAppCrashFile = QStringLiteral("/App_Crash.ini");
inline const QString kGpuExceptionLog = QStringLiteral("/Log/gpu_exception.log");
inline const QString kBlackList = QStringLiteral("/opencl_black_list.xml");
inline const QString kWhiteList = QStringLiteral("/opencl_white_list.xml");
inline const QString kResultCache = QStringLiteral("/out.json");
inline const QString kTestVideo = QStringLiteral("/4KvideoforGPUtest1.mp4");
inline const QString kTestPicture = QStringLiteral("/6KpictureforGPUtest1.jpg");
inline const QString kEncodeTarget = QStringLiteral("/output.mp4");

// The check programs, in the application directory.
inline const QString kAlgorithmTest = QStringLiteral("Carvoth.exe");
inline const QString kPlaybackCheck = QStringLiteral("Pelmonde.exe");
inline const QString kOpenClCheck = QStringLiteral("Faldric.exe");
inline const QString kPressureTest = QStringLiteral("Dunsker.exe");

// Time-outs of the programs, milliseconds.
constexpr int kAlgorithmTestTimeoutMs = 30000;
constexpr int kPlaybackCheckTimeoutMs = 10000;
constexpr int kOpenClCheckTimeoutMs = 5000;
constexpr int kPressureTestTimeoutMs = 60000;

// The OpenCL check's answer when it did not start, did not finish or did
// not exit by itself.
constexpr int kOpenClNoAnswer = -100;

// The GPUs the first-run test checks, whatever the machine has.
constexpr int kFirstRunGpuCount = 3;

// Algorithm check types of the configuration store.
constexpr int kAlgorithmBase = 1;
constexpr int kAlgorithmTypeA = 2;
constexpr int kAlgorithmTypeB = 4;

// -11, -10: this GPU cannot be used.
bool isUnusableGpu(int code);
// 12, 13: the GPU works, its driver wants an update.
bool wantsDriverUpdate(int code);
// 0, 11, 12, 13: the first-run test goes on to the pressure test.
bool isWorthPressureTest(int code);

// "<GPU name>-<device id>-opencl", the GPU's key in the result cache; the
// id as the check programs print it.
QString cacheKey(const QString &gpuName, const QString &deviceId);

// A memory size text such as "3.00 GB": at most 3 GB is below the
// requirement; a text without "GB" never is.
bool isMemoryBelowRequirement(const QString &memorySizeText);

// 0 no log; 1 the GPU work had started; 2 only the engine's error or fatal
// callback; -1 unreadable or none of these.
int gpuCrashClass(const QString &logPath);

// The OpenCL check of GPU `index`.
QStringList openClCheckArguments(const QString &blackList, const QString &whiteList, int index,
                                 const QString &resultDir, int recheck);
// The pressure test of GPU `index` with the test media of `appDir`.
// `appDir` holds the test media, the results and the encoded file go to `stateDir`.
QStringList pressureTestArguments(const QString &appDir, const QString &stateDir, int index);
// The algorithm self-test of one check type, run in the application directory.
QString algorithmTestProgram();
QStringList algorithmTestArguments(int checkType);

} // namespace FLaunchTestRules
