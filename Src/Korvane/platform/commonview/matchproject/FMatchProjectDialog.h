#pragma once

#include "KvProjectData.h"

#include "KvFramelessDialog.h"

class FMatchProjectConfirmDlgPanel;

class QKeyEvent;

// Offers to change the project's settings to those of a medium just added.
// Titled with the product name; Enter chooses "Match To Media". s_match()
// comes only from that choice; the caller applies the settings.
class FMatchProjectDialog : public KvFramelessDialog
{
    Q_OBJECT

public:
    FMatchProjectDialog(const KvProjectSettings &media, const KvProjectSettings &project, QWidget *parent = nullptr);
    ~FMatchProjectDialog() override;

    // DoModal() answers 1 after "Match To Media", 0 otherwise.
    bool isStopAsking() const;
    FMatchProjectConfirmDlgPanel *panel() const { return m_panel; }

signals:
    void s_match();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    FMatchProjectConfirmDlgPanel *m_panel;
};
