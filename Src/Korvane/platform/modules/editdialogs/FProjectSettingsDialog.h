#pragma once

#include "KvProjectData.h"

#include "KvFramelessDialog.h"

class IKvProject;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;

// The project's frame size and rate. "Apply" writes them to the project;
// settings the project refuses keep the dialog open with a message.
class FProjectSettingsDialog : public KvFramelessDialog
{
    Q_OBJECT

public:
    explicit FProjectSettingsDialog(IKvProject *project, QWidget *parent = nullptr);
    ~FProjectSettingsDialog() override;

    // DoModal answers Applied when the settings were applied, else Closed.
    enum Result { Applied = 1 };

    KvProjectSettings settings() const;
    void setSettings(const KvProjectSettings &settings);
    // Writes the shown settings to the project; false when it refuses them.
    bool apply();

    QComboBox *aspectBox() const { return m_aspect; }

protected:
    // "Apply" closes the dialog only when the project takes the settings.
    void done(int result) override;

private:
    void onAspectChosen(int index);

    IKvProject *m_project;
    QComboBox *m_aspect;
    QSpinBox *m_width;
    QSpinBox *m_height;
    QDoubleSpinBox *m_frameRate;
    QLabel *m_error;
};
