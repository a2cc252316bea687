#pragma once

#include "IKvTimeline.h"
#include "KvMediaEditor.h"
#include "FEditingModuleWidget.h"

#include <QPointer>

class QDoubleSpinBox;
class QLabel;
class QSpinBox;
class QStackedWidget;

// The property panel: the facts of the clip being edited (medium, type,
// place and length as timecodes), with the values the project holds
// editable: track, start, in and out points, volume. Each change is one
// undo step of the timeline. With no clip chosen it shows the project's
// settings.
class FPropertyPanelModuleWidget : public FEditingModuleWidget
{
    Q_OBJECT

public:
    // On the project manager's timeline and media editor.
    explicit FPropertyPanelModuleWidget(QWidget *parent = nullptr);
    FPropertyPanelModuleWidget(IKvTimeline *timeline, KvMediaEditor *mediaEditor, QWidget *parent);

    // The clip shown, -1 for the project's settings.
    int shownClip() const { return m_clip; }

protected:
    void showProject(IKvProject *project) override;

private:
    void build();
    void showClip();
    void applyTrack(int track);
    void applyStart(double seconds);
    void applyRange();
    void applyVolume(int volume);

    QPointer<IKvTimeline> m_timeline;
    QPointer<KvMediaEditor> m_editor;
    QStackedWidget *m_pages = nullptr;
    // Project page.
    QLabel *m_resolution = nullptr;
    QLabel *m_frameRate = nullptr;
    QLabel *m_media = nullptr;
    // Clip page.
    QLabel *m_name = nullptr;
    QLabel *m_type = nullptr;
    QLabel *m_place = nullptr;
    QSpinBox *m_track = nullptr;
    QDoubleSpinBox *m_start = nullptr;
    QDoubleSpinBox *m_in = nullptr;
    QDoubleSpinBox *m_out = nullptr;
    QSpinBox *m_volume = nullptr;
    int m_clip = -1;
};
