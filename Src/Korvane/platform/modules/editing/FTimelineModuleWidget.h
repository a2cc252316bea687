#pragma once

#include "IKvTimeline.h"
#include "FEditingModuleWidget.h"

#include <QPointer>

class FTimelineModulePresenter;
class FTimelineTrackView;
class QLabel;
class QToolButton;

// The timeline module: a bar of tools (add the chosen medium at the
// playhead, split, delete, undo, redo, zoom), the playhead and duration as
// "hh:mm:ss:ff", and the painted tracks below.
class FTimelineModuleWidget : public FEditingModuleWidget
{
    Q_OBJECT

public:
    // On the project manager's timeline, with a presenter of its own.
    explicit FTimelineModuleWidget(QWidget *parent = nullptr);
    FTimelineModuleWidget(FTimelineModulePresenter *presenter, QWidget *parent);

    FTimelineModulePresenter *modulePresenter() const { return m_presenter; }
    FTimelineTrackView *trackView() const { return m_tracks; }
    // "hh:mm:ss:ff / hh:mm:ss:ff": playhead and duration.
    QString timecodeText() const;

protected:
    void showProject(IKvProject *project) override;

private:
    void build();
    void updateButtons();
    void updateTimecode();

    FTimelineModulePresenter *m_presenter;
    QPointer<IKvTimeline> m_timeline;
    FTimelineTrackView *m_tracks = nullptr;
    QLabel *m_timecode = nullptr;
    QToolButton *m_add = nullptr;
    QToolButton *m_split = nullptr;
    QToolButton *m_delete = nullptr;
    QToolButton *m_undo = nullptr;
    QToolButton *m_redo = nullptr;
    quint64 m_shownGeneration = ~quint64(0);
};
