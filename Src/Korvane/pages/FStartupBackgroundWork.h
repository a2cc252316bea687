#pragma once

#include <QFuture>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class FLogRetrievalTask;
class FNPSHelp;
class HwInfoHelper;
class QWidget;

// The work the page manager starts once the first page is up and that no
// page waits for: the start-up reports and hardware survey on the global
// thread pool, the log retrieval task, and the satisfaction survey prompt.
// Everything started here is waited for when this object goes, so a job
// never outlives what it uses.
class FStartupBackgroundWork : public QObject
{
    Q_OBJECT

public:
    // The start-up timing sections copied into the launch tracking event.
    static const char *const kLaunchTimings[5];

    explicit FStartupBackgroundWork(QObject *parent = nullptr);
    // Waits for the pool job and stops the retrieval task.
    ~FStartupBackgroundWork() override;

    // Starts the pool job: tracking events, the tracker's pid, the crash
    // marker, the launch timings, the hardware survey; `whenDone` runs last,
    // on the pool thread. A second call while the job runs is ignored.
    bool startJob(std::function<void()> whenDone = {});
    // Blocks until the pool job has ended (at once when none was started).
    void waitForJob();
    bool isJobRunning() const;

    // Starts the log retrieval task in the mode a previous run asked for.
    void startLogRetrieval();
    // Quits and waits for the retrieval task if it runs.
    void stopLogRetrieval();
    FLogRetrievalTask *retrievalTask() const;

    // Arms, once per run, the survey prompt timer; sigSurveyDue fires when
    // it elapses. False when it was armed before.
    bool armSurveyTimer();
    bool isSurveyTimerArmed() const { return m_surveyTimerArmed; }
    // Creates the survey helper (once) when the prompt is due.
    void prepareSurvey();
    // Runs the survey over `page` when one was prepared.
    void runSurvey(QWidget *page);
    bool hasSurvey() const { return m_npsHelp != nullptr; }

signals:
    void sigSurveyDue();

private:
    static void runJob(HwInfoHelper *hwInfo, const std::function<void()> &whenDone);
    void onRetrievalFinished();

    std::unique_ptr<HwInfoHelper> m_hwInfoHelper;
    QFuture<void> m_job;
    QPointer<FLogRetrievalTask> m_retrievalTask; // child while it exists
    std::unique_ptr<FNPSHelp> m_npsHelp;
    bool m_surveyTimerArmed = false;
};
