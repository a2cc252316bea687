#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <atomic>
#include <memory>

class FAppLaunchTest;
class KvProgressDialog;
class QWidget;

// The GPU check of the Performance page: the launch test's GPU checks and
// pressure tests run again on the global thread pool while a progress
// dialog waits for them. The test programs report no progress, so the bar
// moves by the clock and stops short of the end until the test is done.
// Cancelling tells the test to stop before its next program; the program
// that runs is left to finish on its own (killing it would record the GPU
// as failed). A check started while a cancelled one still runs waits for it
// on the pool, so two never run the programs at the same time.
class FSettingGpuCheck : public QObject
{
    Q_OBJECT

public:
    static constexpr int kTickMs = 1000;
    static constexpr int kStep = 5;
    // The bar never passes this before the test ends.
    static constexpr int kCeiling = 95;

    // `appDir` holds the check programs.
    explicit FSettingGpuCheck(const QString &appDir, QWidget *dialogParent);
    ~FSettingGpuCheck() override;

    // Runs the check behind its progress dialog, then says that it is done.
    // True when the test ran to its end, false when the user cancelled it.
    bool exec();

    // The progress after one tick of the clock.
    static int nextProgress(int progress);

    // While exec() runs: its dialog and clock.
    KvProgressDialog *progressDialog() const { return m_dialog; }
    QTimer *progressTimer() { return &m_timer; }

public slots:
    void slotProgressTick();

private:
    void onTestFinished();
    void onCanceled();

    const QString m_appDir;
    QPointer<QWidget> m_dialogParent;
    std::shared_ptr<FAppLaunchTest> m_test;
    std::shared_ptr<std::atomic<bool>> m_canceled;
    QFutureWatcher<bool> m_watcher;
    QTimer m_timer;
    KvProgressDialog *m_dialog = nullptr;
};
