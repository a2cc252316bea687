#include "FStartupHandover.h"

#include "FAccountSession.h"
#include "FCommandLineMap.h"
#include "FNativeEngineInfoHelper.h"
#include "FProjectDocProxy.h"
#include "FProjectOpenProblem.h"
#include "FPushChannelHost.h"
#include "FSplashScreen.h"
#include "FStartupBackgroundWork.h"
#include "IKvBaseLog.h"
#include "KorvanePageMgr.h"
#include "KvAppSettings.h"
#include "KvApplication.h"
#include "KvConfig.h"
#include "KvElapsedTimer.h"
#include "KvVelloqHelper.h"
#include "StartupTimingTracker.h"

#include <QCoreApplication>
#include <QTimer>

namespace {

// The log retrieval starts once the first page has had its first turn.
constexpr int kLogRetrievalDelayMs = 10;

} // namespace

FStartupHandover::FStartupHandover(FSplashScreen *splash)
    : m_splash(splash)
{
}

bool FStartupHandover::run(KorvanePageMgr &mgr, const StartupPageInfo &info)
{
    StartupTimingTracker *tracker = StartupTimingTracker::instance();
    tracker->start(QStringLiteral("StartUp_InitUI"));
    KV_LOG_TRACE("begin");
    KvElapsedTimer timer("KorvanePageMgr::run");
    setProgress(50);

    const QMap<QString, QString> map = FCommandLineMap::build(QCoreApplication::arguments());
    mgr.m_velloqHelper.parseStartParams(map.value(FCommandLineMap::kVelloqParamKey));
    QString openPath = map.value(FCommandLineMap::kOpenKey);
    // A path that cannot be opened is told about, and start-up goes on as
    // if none had been given.
    FProjectOpenProblem openProblem;
    if (!openPath.isEmpty()) {
        openProblem = FProjectOpenProblem::probe(FProjectDocProxy::projectPathFromArgument(openPath));
        if (openProblem.isProblem()) {
            FProjectDocProxy::instance()->SetDelayLoadProjectPath(QString());
            openPath.clear();
        }
    }
    const QString shareString = map.value(FCommandLineMap::kShareKey);

    tracker->stop(QStringLiteral("StartUp_InitUI"));
    tracker->stop(QStringLiteral("StartUp_Total"), info.userTime);
    KV_LOG_INFO("StartUp Finished: %s, userTime: %d", KV_CSTR(tracker->summary()), info.userTime);

    FPushChannelHost *push = mgr.m_push.get();
    mgr.m_background->startJob([push] { push->notifyReport(); });

    if (!mgr.autoLogin())
        mgr.m_account->startCaddyAsGuest();
    applyStartSettings();
    setProgress(99);

    const bool unsavedProject = info.launchResult.unsavedProjectFound;
    const bool templateMapEmpty = mgr.m_velloqHelper.getPrjTemplateMap().isEmpty();
    const bool showLibrary = KvAppSettings::GetInstance()->GetSettings().GetGeneralSetting().GetShowProjectLibrary();
    KV_LOG_INFO("unsave project: %d, project path: %d, velloq TemplateMap: %d, show project: %d", unsavedProject,
                openPath.isEmpty(), templateMapEmpty, showLibrary);

    FProjectDocProxy *docProxy = FProjectDocProxy::instance();
    const KorvanePageMgr::PageState target = KorvanePageMgr::chooseFirstPage(
        unsavedProject, openPath, templateMapEmpty, shareString, showLibrary,
        [docProxy] { return docProxy->ensureActivateProjectExist(false, false); },
        [docProxy] { return docProxy->isDelayLoadTemplateProject(); });
    mgr.switchToPage(target);
    KvApplication::reportFirstExpose(mgr.currentPageWidget());
    finish(mgr.currentPageWidget());
    mgr.m_currentPageWidget.clear();
    if (!openProblem.isProblem() && target != KorvanePageMgr::StartPage)
        openProblem = docProxy->lastOpenProblem();
    if (openProblem.isProblem()) {
        // Told once the event loop runs: run() hands over without waiting.
        QTimer::singleShot(0, &mgr, [&mgr, openProblem] { mgr.reportFailedOpen(openProblem, true); });
    }

    FNativeEngineInfoHelper::instance()->relayLaunchShare(shareString);

    QTimer::singleShot(kLogRetrievalDelayMs, mgr.m_background.get(), &FStartupBackgroundWork::startLogRetrieval);
    KV_LOG_TRACE("end");
    return true;
}

void FStartupHandover::setProgress(int percent)
{
    if (!m_splash)
        return;
    m_splash->setProgress(percent);
    m_splash->repaint();
    KV_LOG_INFO("Splash: %d / 100", percent);
}

void FStartupHandover::finish(QWidget *page)
{
    if (!m_splash)
        return;
    m_splash->setProgress(100);
    if (page)
        m_splash->finish(page);
    else
        m_splash->close();
    KV_LOG_INFO("Splash: %d / 100", 100);
    m_splash->deleteLater();
    m_splash.clear();
}

void FStartupHandover::applyStartSettings()
{
    FGeneralSettings &general = KvAppSettings::GetInstance()->GetSettings().GetGeneralSetting();
    if (general.GetLaunchVelloq() && KvVelloqHelper::isVelloqInstalled())
        KvVelloqHelper::startVelloq();

    KvConfig *config = KvConfig::Instance();
    if (!config->IsFirstStart() && !general.GetShowProjectLibrary() && !config->IsShowHomePageUpdated()) {
        KV_LOG_INFO("ShowHomePageUpdated");
        general.SetShowProjectLibrary(true);
    }
    config->SetShowHomePageUpdated(true);
}
