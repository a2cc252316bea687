#include "FQuickStartMgr.h"

#include "IKvBaseLog.h"

FQuickStartMgr::FQuickStartMgr(QObject *parent)
    : QObject(parent)
{
}

FQuickStartMgr::~FQuickStartMgr() = default;

void FQuickStartMgr::start()
{
    if (m_completed || isRunning())
        return;
    setQuickStartState(ImportMedia);
}

void FQuickStartMgr::continueGuide()
{
    if (!isRunning())
        return;
    if (m_step + 1 < StepCount) {
        setQuickStartState(m_step + 1);
        return;
    }
    m_step = -1;
    m_completed = true;
    KV_LOG_INFO("walkthrough completed");
    emit sigCompleted();
}

void FQuickStartMgr::setQuickStartState(int step)
{
    if (step < 0 || step >= StepCount)
        return;
    m_step = step;
    emit sigStepChanged(step);
}

QString FQuickStartMgr::stepText(int step)
{
    switch (step) {
    case ImportMedia:
        return tr("Import your media files here.");
    case AddToTimeline:
        return tr("Drag a file to the timeline to start editing.");
    case ExportVideo:
        return tr("Export your video when you are done.");
    default:
        return QString();
    }
}
