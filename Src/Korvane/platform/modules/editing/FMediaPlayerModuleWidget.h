#pragma once

#include "FEditingModuleWidget.h"

class QLabel;

// The player module: a screen that names the project, and its duration.
class FMediaPlayerModuleWidget : public FEditingModuleWidget
{
    Q_OBJECT

public:
    explicit FMediaPlayerModuleWidget(QWidget *parent = nullptr);

    // "m:ss", or "h:mm:ss" from an hour on; negative counts as 0.
    static QString formatDuration(qint64 ms);

protected:
    void showProject(IKvProject *project) override;

private:
    QLabel *m_screen;
    QLabel *m_duration;
};
