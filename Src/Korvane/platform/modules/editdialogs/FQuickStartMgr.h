#pragma once

#include <QObject>

// The first-steps walkthrough: import media, put it on the timeline,
// export. The manager only keeps the step; the editor shows each step (a
// guide mask) when told and moves on when the user has done it.
class FQuickStartMgr : public QObject
{
    Q_OBJECT

public:
    enum Step { ImportMedia = 0, AddToTimeline = 1, ExportVideo = 2, StepCount = 3 };

    explicit FQuickStartMgr(QObject *parent = nullptr);
    ~FQuickStartMgr() override;

    // Begins at the first step unless the walkthrough was completed or
    // already runs.
    void start();
    // Moves to the next step; after the last one the walkthrough is complete.
    void continueGuide();
    // Jumps to a step (the guided tour restarts at 0); out-of-range steps are ignored.
    void setQuickStartState(int step);
    int quickStartState() const { return m_step; }
    bool isRunning() const { return m_step >= 0; }

    // Completion survives in the caller's configuration; set it before start().
    void setCompleted(bool completed) { m_completed = completed; }
    bool isCompleted() const { return m_completed; }

    static QString stepText(int step);

signals:
    void sigStepChanged(int step);
    void sigCompleted();

private:
    int m_step = -1;
    bool m_completed = false;
};
