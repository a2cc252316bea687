#pragma once

#include "FEditingModuleWidget.h"

class QLabel;

// The property panel: the settings of the current project.
class FPropertyPanelModuleWidget : public FEditingModuleWidget
{
    Q_OBJECT

public:
    explicit FPropertyPanelModuleWidget(QWidget *parent = nullptr);

protected:
    void showProject(IKvProject *project) override;

private:
    QLabel *m_resolution;
    QLabel *m_frameRate;
    QLabel *m_media;
};
