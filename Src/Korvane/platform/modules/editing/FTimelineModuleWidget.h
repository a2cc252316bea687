#pragma once

#include "FEditingModuleWidget.h"

class QListWidget;

// The timeline: the current project's clips in track and time order.
class FTimelineModuleWidget : public FEditingModuleWidget
{
    Q_OBJECT

public:
    explicit FTimelineModuleWidget(QWidget *parent = nullptr);

    QStringList clipTexts() const;

protected:
    void showProject(IKvProject *project) override;

private:
    QListWidget *m_clips;
};
