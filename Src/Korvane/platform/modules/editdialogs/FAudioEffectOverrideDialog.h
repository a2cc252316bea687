#pragma once

#include "FMessageDialog.h"

// Asks before an audio effect replaces those already on the selected clips.
// "Don't show this again" with "Apply" is remembered in the configuration,
// which then answers for the dialog.
class FAudioEffectOverrideDialog : public FMessageDialog
{
    Q_OBJECT

public:
    enum Answer { Cancel = 0, Apply = 1 };

    explicit FAudioEffectOverrideDialog(QWidget *parent = nullptr);

    // Apply or Cancel; closing the window is Cancel.
    int ask();
};
