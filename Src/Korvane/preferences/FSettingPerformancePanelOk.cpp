// The Performance page: Ok and the page's actions (cleaning, the GPU check).

#include "FCopyProxyFileDlg.h"
#include "FMessageDialog.h"
#include "FSettingGpuCheck.h"
#include "FSettingPerformancePanel.h"
#include "IKvBaseLog.h"
#include "IKvMediaProxyService.h"
#include "KvAppSettings.h"
#include "KvCustomProductInfo.h"
#include "KvDataMessage.h"
#include "KvOpenFileLineEdit.h"
#include "KvSettingsMessageId.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QPointer>

namespace {

IKvMediaProxyService *&proxyServiceSeam()
{
    static IKvMediaProxyService *s_service = nullptr;
    return s_service;
}

QString &gpuCheckDirSeam()
{
    static QString s_dir;
    return s_dir;
}

IKvMediaProxyService *proxyService()
{
    return proxyServiceSeam() ? proxyServiceSeam() : getMediaProxyService();
}

FPerformanceSettings &performanceSettings()
{
    return KvAppSettings::GetInstance()->GetSettings().GetPerformanceSettings();
}

void inform(QWidget *parent, const QString &text, const QString &objectName)
{
    FMessageDialog::information(parent, KvCustomProductInfo::FGetProductName(), text, objectName);
}

} // namespace

void FSettingPerformancePanel::setMediaProxyServiceForTest(IKvMediaProxyService *service)
{
    proxyServiceSeam() = service;
}

void FSettingPerformancePanel::setGpuCheckDirForTest(const QString &dir)
{
    gpuCheckDirSeam() = dir;
}

void FSettingPerformancePanel::Ok()
{
    FPerformanceSettings &performance = performanceSettings();
    storeGraphicsSettings();

    const bool createChanged = m_createProxy->isChecked() != performance.GetAutomaticallyCreateProxy();
    if (createChanged)
        performance.SetAutomaticallyCreateProxy(m_createProxy->isChecked());
    const QSize resolution = m_proxyResolution->currentData().toSize();
    const bool resolutionChanged = resolution != performance.GetAutomaticallyCreateProxyResolution();
    if (resolutionChanged)
        performance.SetAutomaticallyCreateProxyResolution(resolution);

    storeProxyFolder();

    if (createChanged || resolutionChanged) {
        KvDataMessage message(KvSettingsMsg::ProxySettingsChanged, QVariantList{createChanged, resolutionChanged});
        sendMessageToScene(&message);
    }
    performance.SetAutomaticallyDeleteProxy(m_deleteProxy->isChecked());

    storeRenderSettings();

    if (m_latestEngine->isChecked() != performance.GetD3DRenderView()) {
        performance.SetD3DRenderView(m_latestEngine->isChecked());
        inform(this,
               tr("The rendering engine has been updated. The update will take effect the next time you open "
                  "Tessaracorp Korvane X."),
               QStringLiteral("FSettingPerformancePanel_EngineChanged"));
    }
}

void FSettingPerformancePanel::storeGraphicsSettings()
{
    FPerformanceSettings &performance = performanceSettings();
    const bool rendering = m_rendering->isChecked();
    const bool decoding = m_decoding->isChecked();
    const QString card = m_graphicsCard->currentText();
    const bool changed = rendering != performance.GetNextTimeEnableOpenCL() ||
                         decoding != performance.GetNextTimeEnableGPUDeCode() ||
                         (rendering && card != performance.GetCurrentOpenCLGPU());
    if (!changed)
        return;
    KV_LOG_INFO("GPU settings for the next start: rendering %d, decoding %d, card \"%s\"", rendering, decoding,
                KV_CSTR(card));
    performance.SetNextTimeEnableOpenCLSetting(rendering);
    performance.SetNextTimeEnableGPUDeCodeSetting(decoding);
    // The user asks for the GPU, so the next start leaves safe mode.
    if (rendering && performance.IsSafeMode())
        performance.SetSafeMode(false);
    performance.SetCurrentGPUSetting(card);
    performance.SetUserChangedGPUState(true);
    inform(this,
           tr("Your GPU rendering and hardware decoding settings have been updated and will take effect the next "
              "time you open Tessaracorp Korvane."),
           QStringLiteral("FSettingPerformancePanel_GpuChanged"));
}

void FSettingPerformancePanel::storeProxyFolder()
{
    FPerformanceSettings &performance = performanceSettings();
    const QString newFolder = m_proxyFolder->path();
    const QString oldFolder = performance.GetProxyFileFolder();
    if (newFolder.isEmpty() || newFolder == oldFolder)
        return;
    KV_LOG_INFO("proxy folder moves from %s to %s", KV_CSTR(oldFolder), KV_CSTR(newFolder));
    // Nothing may hold the old proxies open while they are copied.
    proxyService()->prepareForProxyRemoval();
    performance.SetProxyFileFolder(newFolder);
    FCopyProxyFileDlg dialog(oldFolder, newFolder, this);
    dialog.DoModal();
}

void FSettingPerformancePanel::storeRenderSettings()
{
    FPerformanceSettings &performance = performanceSettings();
    const QString previousFolder = performance.GetPreviewRenderFilesFolder();

    const bool renderChanged = m_backgroundRender->isChecked() != performance.GetAutoRender();
    if (renderChanged)
        performance.SetAutoRender(m_backgroundRender->isChecked());
    const int delay = int(m_renderDelay->value());
    const bool delayChanged = delay != performance.GetAutoRenderAfterSeconds();
    if (delayChanged)
        performance.SetAutoRenderAfterSeconds(delay);
    const QString folder = m_renderFolder->path();
    const bool folderChanged = !folder.isEmpty() && folder != previousFolder;
    if (folderChanged)
        performance.SetPreviewRenderFilesFolder(folder);
    const bool deletionChanged = m_deleteRender->isChecked() != performance.GetAutomaticallyDeleteRenderFile();
    if (deletionChanged) {
        KV_LOG_INFO("SetAutomaticallyDeleteRenderFile start");
        performance.SetAutomaticallyDeleteRenderFile(m_deleteRender->isChecked());
        KV_LOG_INFO("SetAutomaticallyDeleteRenderFile end");
    }

    if (folderChanged || renderChanged || delayChanged || deletionChanged) {
        KV_LOG_INFO("sigAutoRenderChanged start");
        KvDataMessage message(KvSettingsMsg::AutoRenderChanged,
                              QVariantList{folderChanged, renderChanged, delayChanged, deletionChanged, previousFolder});
        sendMessageToScene(&message);
        KV_LOG_INFO("sigAutoRenderChanged end");
    }
}

void FSettingPerformancePanel::slotCleanProxyFiles()
{
    const QString title = tr("Clean proxy files");
    if (FMessageDialog::question(this, title, tr("Are you sure you want to remove all proxy files?"),
                                 QStringLiteral("FSettingPerformancePanel_CleanProxyQuestion")) != FMessageDialog::Yes)
        return;
    KV_LOG_INFO("clean proxy files");
    IKvMediaProxyService *service = proxyService();
    service->prepareForProxyRemoval();
    // The service calls back from its own thread; the page may be gone by then.
    const QPointer<FSettingPerformancePanel> panel(this);
    service->deleteAllProxyFiles([panel](int status, int count, const QStringList &files) {
        if (status != IKvMediaProxyService::StatusFailed)
            return;
        KV_LOG_INFO("%d proxy file(s) could not be removed", count);
        QMetaObject::invokeMethod(panel.data(), "slotShowClearError", Qt::QueuedConnection,
                                  Q_ARG(QString, files.join(QLatin1Char(','))));
    });
}

void FSettingPerformancePanel::slotShowClearError(const QString &strFiles)
{
    FMessageDialog::information(this, tr("Clean proxy files"),
                                tr("Clean files") + QLatin1Char(' ') + strFiles + QLatin1Char(' ') + tr("failed"),
                                QStringLiteral("FSettingPerformancePanel_CleanProxyFailed"));
}

void FSettingPerformancePanel::slotCleanRenderFiles()
{
    if (FMessageDialog::question(this, tr("Clean render files"), tr("Are you sure you want to remove all render files?"),
                                 QStringLiteral("FSettingPerformancePanel_CleanRenderQuestion")) != FMessageDialog::Yes)
        return;
    KV_LOG_INFO("clean render files");
    KvMessage message(KvSettingsMsg::CleanRenderFiles);
    sendMessageToScene(&message);
}

void FSettingPerformancePanel::slotStartGpuCheck()
{
    const QString dir = gpuCheckDirSeam().isEmpty() ? QCoreApplication::applicationDirPath() : gpuCheckDirSeam();
    FSettingGpuCheck check(dir, this);
    check.exec();
}
