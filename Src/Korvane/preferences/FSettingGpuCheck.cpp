#include "FSettingGpuCheck.h"

#include "FAppLaunchTest.h"
#include "FMessageDialog.h"
#include "FPerformanceSettings.h"
#include "IKvBaseLog.h"
#include "KvAppSettings.h"
#include "KvCustomProductInfo.h"
#include "KvProgressDialog.h"

#include <QThreadPool>
#include <QtConcurrent>

namespace {

// The last check started; GUI thread only.
QFuture<bool> &lastCheck()
{
    static QFuture<bool> s_future;
    return s_future;
}

QString percentText(int value)
{
    return QStringLiteral("%1%").arg(value);
}

} // namespace

FSettingGpuCheck::FSettingGpuCheck(const QString &appDir, QWidget *dialogParent)
    : m_appDir(appDir)
    , m_dialogParent(dialogParent)
{
    m_timer.setInterval(kTickMs);
    connect(&m_timer, &QTimer::timeout, this, &FSettingGpuCheck::slotProgressTick);
    connect(&m_watcher, &QFutureWatcher<bool>::finished, this, &FSettingGpuCheck::onTestFinished);
}

FSettingGpuCheck::~FSettingGpuCheck()
{
    // A cancelled test may still run: the job owns the test from here on.
    m_watcher.disconnect(this);
}

int FSettingGpuCheck::nextProgress(int progress)
{
    if (progress >= kCeiling)
        return progress;
    return qMin(progress + kStep, kCeiling);
}

bool FSettingGpuCheck::exec()
{
    KV_LOG_INFO("GPU check begin");
    KvProgressDialog dialog(m_dialogParent);
    dialog.setObjectName(QStringLiteral("FSettingGpuCheck_Progress"));
    dialog.setTitle(KvCustomProductInfo::FGetProductName());
    dialog.setProgressTitle(tr("GPU environment detection is in progress, please wait."));
    dialog.setRange(0, 100);
    dialog.setProgress(0);
    dialog.setProgressText(percentText(0));
    dialog.setCancelable(true);
    connect(&dialog, &KvProgressDialog::sigCanceled, this, &FSettingGpuCheck::onCanceled);
    m_dialog = &dialog;

    m_test = std::make_shared<FAppLaunchTest>(m_appDir);
    m_canceled = std::make_shared<std::atomic<bool>>(false);
    const std::shared_ptr<FAppLaunchTest> test = m_test;
    const std::shared_ptr<std::atomic<bool>> canceled = m_canceled;
    QFuture<bool> previous = lastCheck();
    const QFuture<bool> job = QtConcurrent::run(QThreadPool::globalInstance(), [test, canceled, previous]() mutable {
        previous.waitForFinished();
        // The test forgets a cancel that came before it started.
        if (*canceled)
            return false;
        KvAppSettings::GetInstance()->GetSettings().GetPerformanceSettings().InitGpuDeviceList();
        bool driverNotice = false;
        const bool passed = test->pressureTestProcess(true, false, true, driverNotice);
        KV_LOG_INFO("GPU check: a GPU passed %d, driver notice %d", passed, driverNotice);
        return passed;
    });
    lastCheck() = job;
    m_watcher.setFuture(job);
    m_timer.start();

    const int result = dialog.DoModal();
    m_timer.stop();
    m_dialog = nullptr;
    KV_LOG_INFO("GPU check end: %s", result == KvProgressDialog::Finished ? "finished" : "cancelled");
    if (result != KvProgressDialog::Finished)
        return false;

    FMessageDialog message(m_dialogParent);
    message.setObjectName(QStringLiteral("FSettingGpuCheck_Done"));
    message.setTitle(KvCustomProductInfo::FGetProductName());
    message.setText(tr("GPU environment detection has been completed, please restart now to update related settings."));
    message.addButton(tr("OK"), FMessageDialog::Ok);
    message.addButton(tr("Restart Later"), FMessageDialog::Cancel);
    // The new settings are read at the next start, whenever that is.
    message.DoModal();
    return true;
}

void FSettingGpuCheck::slotProgressTick()
{
    if (!m_dialog) {
        m_timer.stop();
        return;
    }
    const int progress = nextProgress(m_dialog->progress());
    m_dialog->setProgress(progress);
    m_dialog->setProgressText(percentText(progress));
    if (progress >= kCeiling)
        m_timer.stop();
}

void FSettingGpuCheck::onTestFinished()
{
    m_timer.stop();
    if (!m_dialog)
        return;
    m_dialog->setProgress(100);
    m_dialog->setProgressText(percentText(100));
    m_dialog->finish();
}

void FSettingGpuCheck::onCanceled()
{
    KV_LOG_INFO("GPU check cancelled by the user");
    m_timer.stop();
    if (m_canceled)
        *m_canceled = true;
    if (m_test)
        m_test->cancel();
}
