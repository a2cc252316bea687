#pragma once

#include "FEditingModuleWidget.h"

class FTimelineClipModel;
class QListView;

// The timeline: the current project's clips in track and time order, in a
// list view over a model with rows of one size (see FMediaLibraryView).
class FTimelineModuleWidget : public FEditingModuleWidget
{
    Q_OBJECT

public:
    explicit FTimelineModuleWidget(QWidget *parent = nullptr);

    QStringList clipTexts() const;

protected:
    void showProject(IKvProject *project) override;

private:
    FTimelineClipModel *m_model;
    QListView *m_clips;
};
