#include "FEnvNoticeSteps.h"

#include "AppTestResult.h"
#include "FLowerRequirementDlg.h"
#include "FPathWritableCheckDlg.h"
#include "FSafeModeDlg.h"
#include "IKvBaseLog.h"
#include "KvAppSettings.h"
#include "KvConfig.h"
#include "KvDesktopService.h"
#include "KvPaths.h"

#include <QFile>
#include <QUrl>

void FEnvNoticeSteps::showSafeModeStep(AppTestResult &result)
{
    KvConfig::Instance()->SetUpdataDriverShowed(true);
    FSafeModeDlg dialog;
    const int answer = dialog.DoModal();
    KV_LOG_INFO("safe mode dialog answered %d", answer);
    if (answer != FSafeModeDlg::Exit)
        return;
    result.safeModeExitChosen = true;
    chooseGpuAutomatically();
}

void FEnvNoticeSteps::showRequirementQuestion()
{
    const QString driverPage = KvConfig::Instance()->GetCBSUrl(QStringLiteral("UpdateDriver"));
    FLowerRequirementDlg dialog(FLowerRequirementDlg::QuestionForm);
    if (dialog.DoModal() == FMessageDialog::Yes)
        KvDesktopService::openURL(QUrl(driverPage));
    chooseGpuAutomatically();
}

void FEnvNoticeSteps::showRequirementInformation()
{
    showRequirementInformation(KvPaths::installStateDir());
}

void FEnvNoticeSteps::showRequirementInformation(const QString &applicationDir)
{
    FLowerRequirementDlg dialog(FLowerRequirementDlg::InformationForm);
    dialog.DoModal();
    if (dialog.isChecked())
        return;
    QFile marker(applicationDir + QLatin1String(RequirementsMarker));
    // Without the marker the notice only comes again after the next first-run test.
    if (!marker.open(QIODevice::WriteOnly))
        KV_LOG_INFO("requirement notice marker not written: %s: %s", KV_CSTR(marker.fileName()),
                    KV_CSTR(marker.errorString()));
}

void FEnvNoticeSteps::showPathDialog()
{
    KV_LOG_INFO("Show path writable check dialog begin");
    FPathWritableCheckDlg dialog;
    const int answer = dialog.DoModal();
    // Saved at once: the next start must not ask again for what was fixed now.
    if (answer == FPathWritableCheckDlg::Ok)
        KvAppSettings::Save();
    KV_LOG_INFO("Show path writable check dialog end, ret = %d", answer);
}

void FEnvNoticeSteps::chooseGpuAutomatically()
{
    FPerformanceSettings &performance = KvAppSettings::GetInstance()->GetSettings().GetPerformanceSettings();
    performance.SetUserChangedGPUState(false);
    performance.OpenAutoSelectGUP();
    KvAppSettings::Save();
}
