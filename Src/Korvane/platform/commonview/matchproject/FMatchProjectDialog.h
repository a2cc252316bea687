#pragma once

#include "KvProjectData.h"

#include <QDialog>

class FMatchProjectConfirmDlgPanel;

// Offers to change the project's settings to those of a medium just added.
// Titled with the product name; Enter chooses "Match To Media". s_match()
// comes only from that choice; the caller applies the settings.
class FMatchProjectDialog : public QDialog
{
    Q_OBJECT

public:
    FMatchProjectDialog(const KvProjectSettings &media, const KvProjectSettings &project, QWidget *parent = nullptr);
    ~FMatchProjectDialog() override;

    // 1 after "Match To Media", 0 otherwise.
    int DoModal();
    bool isStopAsking() const;
    FMatchProjectConfirmDlgPanel *panel() const { return m_panel; }

signals:
    void s_match();

private:
    FMatchProjectConfirmDlgPanel *m_panel;
};
