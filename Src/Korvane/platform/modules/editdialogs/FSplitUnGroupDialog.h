#pragma once

#include "FMessageDialog.h"

// Asks whether splitting a grouped clip may ungroup it. The check box
// ("Remember my choice") tells the caller to stop asking and apply this
// answer from now on.
class FSplitUnGroupDialog : public FMessageDialog
{
    Q_OBJECT

public:
    enum Answer { KeepGroup = 0, UnGroup = 1 };

    explicit FSplitUnGroupDialog(QWidget *parent = nullptr);

    // UnGroup or KeepGroup; closing the window keeps the group.
    int ask();
    bool rememberChoice() const { return isChecked(); }
};
