#pragma once

#include "KvFramelessDialog.h"

class FManageEffectPacksPanel;
class QPushButton;

// "Manage Effects": the installed effect packs and the deletion of unused
// ones, opened by "MANAGE" on the Folders page. Deleting keeps the dialog
// open; "CANCEL" closes it with 0.
class FManageEffectPacksDialog : public KvFramelessDialog
{
    Q_OBJECT

public:
    enum Result {
        Cancelled = 0,
        // Only the button's number; deleting does not close the dialog.
        DeleteSelected = 1,
    };

    explicit FManageEffectPacksDialog(QWidget *parent = nullptr);
    ~FManageEffectPacksDialog() override;

    FManageEffectPacksPanel *panel() const { return m_panel; }
    QPushButton *deleteButton() const;
    QPushButton *cancelButton() const;

protected:
    void changeEvent(QEvent *event) override;

private:
    void TranslateText();

    FManageEffectPacksPanel *m_panel;
};
