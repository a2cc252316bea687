#pragma once

#include "AppTestResult.h"

#include <QCoreApplication>
#include <QFuture>
#include <QObject>
#include <QStringList>

#include <atomic>
#include <functional>

class FPerformanceSettings;

// One algorithm self-test: its check type and whether it passed.
struct AlgorithmTestResult
{
    qint32 checkType = 0;
    bool passed = false;
};

// The launch test: whether this machine can run the editor's GPU and
// algorithm paths, checked by the sibling check programs of the application
// directory. Safe mode (no OpenCL, no GPU decoding) follows when it cannot.
//
// - The first-run test (start) runs once per installation behind a modal
//   "Environment testing" dialog; a marker file keeps it from running again.
// - The cached GPU check (loadCache) runs at every start on a worker thread:
//   it classifies a crash of the previous run, checks every OpenCL GPU again
//   and reuses earlier pressure-test results from "/out.json".
//
// Every program runs with a fixed time-out and is killed, with everything it
// started, when it hangs; a missing program counts as a failed check.
class FAppLaunchTest : public QObject
{
    Q_OBJECT

public:
    // `appDir` holds the check programs, their files and the markers; tests
    // give a directory of their own.
    explicit FAppLaunchTest(const QString &appDir = QCoreApplication::applicationDirPath(),
                            QObject *parent = nullptr);
    // Waits for a first-run job still working (a rejected dialog), stopping
    // its programs first.
    ~FAppLaunchTest() override;

    QString appDir() const { return m_appDir; }

    // False (logged) when the first-run test already ran here.
    bool needTest() const;
    // The first-run test with its dialog; GUI thread.
    AppTestResult start();
    // The first-run test itself; any thread but the GUI thread.
    AppTestResult appLaunchTest();
    // The cached GPU check; a worker thread.
    AppTestResult loadCache();
    // What the last start() or loadCache() found.
    AppTestResult result() const { return m_result; }

    // Safe mode on turns OpenCL and GPU decoding off for this run and the
    // next ones and lets the editor pick the GPU itself; off turns them on.
    // Does not save.
    void setSafeMode(bool on);
    // Ends the pressure tests before the next GPU.
    void cancel() { m_cancel = true; }

    // Checks every OpenCL GPU, pressure-tests the usable ones and switches
    // to safe mode when none passes; true when a GPU passed. `driverNotice`
    // is set when a driver wants an update that was not announced yet.
    bool pressureTestProcess(bool needCheckOcl, bool useCache, bool recheck, bool &driverNotice);
    // The OpenCL check of GPU `index` with the given lists, or the
    // application directory's when those do not exist; its exit code.
    int checkOcl(const QString &blackList, const QString &whiteList, int index, int recheck);
    // The pressure test of GPU `index`, answered from `resultFile` when
    // `useCache` and it holds the GPU's entry; a failure is recorded there.
    bool gpuPressureTest(const QString &resultFile, int index, bool useCache);

    // The programs. An empty argument list means the standard one.
    int openClCheckProcess(int index, const QStringList &arguments = {});
    bool runPressureTest(int index, const QStringList &arguments = {});
    AlgorithmTestResult algorithmTest(int checkType);
    // Both self-tests in parallel; their results go to the configuration store.
    void runAlgorithmTests();
    void mediaPlaybackCheck();

    bool isBelowRequirement() const;
    // The machine's memory as lists show sizes ("7.76 GB").
    static QString systemMemorySizeText();
    // Tests give the memory text of another machine.
    void setMemorySizeSource(std::function<QString()> source) { m_memorySizeSource = std::move(source); }

    QStringList defaultOpenClCheckArguments(int index, int recheck = 0) const;
    QString programPath(const QString &program) const;

private:
    FPerformanceSettings &performanceSettings() const;
    void switchToSafeModeForGood();

    const QString m_appDir;
    // Where the markers and results go: m_appDir unless it cannot be written.
    const QString m_stateDir;
    std::atomic<bool> m_cancel{false};
    // Raised when the object goes away: running programs are ended.
    std::atomic<bool> m_stopping{false};
    AppTestResult m_result;
    QFuture<AppTestResult> m_job;
    std::function<QString()> m_memorySizeSource;
};
