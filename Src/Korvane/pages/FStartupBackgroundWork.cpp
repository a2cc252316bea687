#include "FStartupBackgroundWork.h"

#include "KvTrackEvents.h"
#include "FKorvaneIniSettings.h"
#include "FLogRetrievalTask.h"
#include "FNPSHelp.h"
#include "HwInfoHelper.h"
#include "IKvBaseLog.h"
#include "KvCommunicatorCommands.h"
#include "KvConfig.h"
#include "KvEventTrackingProxy.h"
#include "KvPaths.h"
#include "StartupTimingTracker.h"

#include <QCoreApplication>
#include <QFile>
#include <QTimer>
#include <QtConcurrent>

namespace {

// Left in the application directory by the crash reporter of a run that died.
const QString kCrashMarkerName = QStringLiteral("BugSplat_Crash.ini");

enum RetrievalMode : int {
    OrdinaryRetrieval = 1,
    FlashbackRetrieval = 2,
};

} // namespace

const char *const FStartupBackgroundWork::kLaunchTimings[5] = {
    "StartUp_Total", "StartUp_InitDecoder", "StartUp_InitUI", "StartUp_PrepareRun", "StartUp_InitVBLProjectMgr",
};

FStartupBackgroundWork::FStartupBackgroundWork(QObject *parent)
    : QObject(parent)
    , m_hwInfoHelper(std::make_unique<HwInfoHelper>())
{
}

FStartupBackgroundWork::~FStartupBackgroundWork()
{
    waitForJob();
    stopLogRetrieval();
}

bool FStartupBackgroundWork::startJob(std::function<void()> whenDone)
{
    if (isJobRunning()) {
        KV_LOG_INFO("start-up job already running");
        return false;
    }
    HwInfoHelper *hwInfo = m_hwInfoHelper.get();
    m_job = QtConcurrent::run([hwInfo, whenDone = std::move(whenDone)] { runJob(hwInfo, whenDone); });
    return true;
}

void FStartupBackgroundWork::waitForJob()
{
    m_job.waitForFinished();
}

bool FStartupBackgroundWork::isJobRunning() const
{
    return m_job.isRunning();
}

void FStartupBackgroundWork::runJob(HwInfoHelper *hwInfo, const std::function<void()> &whenDone)
{
    KvEventTrackingProxy *tracking = getEventTrackingProxy();
    tracking->sendEvent(FUserInfoEvent());
    tracking->sendEvent(FPublicInfoEvent());
    const qint64 pid = QCoreApplication::applicationPid();
    KV_LOG_INFO("GACMD_TRACK_SERVER_PID:%lld,", pid);
    tracking->command(KvCommand::TrackServerPid, {QString::number(pid)});

    const QString crashMarker = KvPaths::installStateDir() + QLatin1Char('/') + kCrashMarkerName;
    if (QFile::exists(crashMarker)) {
        if (!QFile::remove(crashMarker))
            KV_LOG_ERROR("cannot remove %s", KV_CSTR(crashMarker));
        tracking->sendEvent(FBugSplatEvent());
        tracking->sendEvent(FAppCrashEvent());
        KV_LOG_INFO("BugSplat/Crash");
    }

    FAppLaunchEvent launch;
    StartupTimingTracker *tracker = StartupTimingTracker::instance();
    for (const char *section : kLaunchTimings)
        launch.setTiming(QString::fromLatin1(section), tracker->result(QString::fromLatin1(section)));
    tracking->sendEvent(launch);

    hwInfo->runTask();
    if (whenDone)
        whenDone();
}

void FStartupBackgroundWork::startLogRetrieval()
{
    if (m_retrievalTask) {
        KV_LOG_INFO("log retrieval already running");
        return;
    }
    const bool flashback = FKorvaneIniSettings::value(FKorvaneIniSettings::LogRetrievalFlashback);
    m_retrievalTask = new FLogRetrievalTask(this, flashback ? FlashbackRetrieval : OrdinaryRetrieval);
    connect(m_retrievalTask.data(), &QThread::finished, this, &FStartupBackgroundWork::onRetrievalFinished);
    m_retrievalTask->start(QThread::InheritPriority);
}

void FStartupBackgroundWork::onRetrievalFinished()
{
    KV_LOG_INFO("m_flashbackRetrievalTask finished");
    if (!m_retrievalTask)
        return;
    m_retrievalTask->quit();
    m_retrievalTask->wait();
    m_retrievalTask->deleteLater();
    m_retrievalTask.clear();
    KV_LOG_INFO("m_flashbackRetrievalTask deleted");
}

FLogRetrievalTask *FStartupBackgroundWork::retrievalTask() const
{
    return m_retrievalTask.data();
}

void FStartupBackgroundWork::stopLogRetrieval()
{
    if (m_retrievalTask && m_retrievalTask->isRunning()) {
        KV_LOG_INFO("Release RetrievalTask");
        m_retrievalTask->quit();
        m_retrievalTask->wait();
    }
    // A task still held here is our child and goes with us; it no longer runs.
}

bool FStartupBackgroundWork::armSurveyTimer()
{
    if (m_surveyTimerArmed)
        return false;
    m_surveyTimerArmed = true;
    QTimer::singleShot(int(KvConfig::Instance()->GetNpsTimingTime()), this, &FStartupBackgroundWork::sigSurveyDue);
    return true;
}

void FStartupBackgroundWork::prepareSurvey()
{
    if (!m_npsHelp)
        m_npsHelp = std::make_unique<FNPSHelp>();
}

void FStartupBackgroundWork::runSurvey(QWidget *page)
{
    if (m_npsHelp)
        m_npsHelp->doNPS(page);
}
