#pragma once

#include "KvUIView.h"

#include <QWidget>

// One page of the preferences: a widget that is also a view, so that it can
// tell the editing scene what changed. The dialog drives the four operations:
// TranslateText when the language changes, Load every time it is shown, and
// Ok or Cancel when it closes.
class FSettingPanelBase : public QWidget, public KvUIView
{
    Q_OBJECT

public:
    explicit FSettingPanelBase(QWidget *parent = nullptr, KvUIView *parentView = nullptr);
    ~FSettingPanelBase() override;

    // Sets every text of the panel from the translation catalogue.
    virtual void TranslateText() = 0;
    // Fills the controls from the settings store with their change signals
    // blocked, so that loading never sets anything off.
    virtual void Load() = 0;
    // Writes the controls back to the settings store and announces changes.
    // Saving the store is the caller's.
    virtual void Ok() = 0;
    // Undoes what the panel applied while it was open.
    virtual void Cancel() {}
};
