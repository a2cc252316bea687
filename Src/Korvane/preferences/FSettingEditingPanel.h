#pragma once

#include "FSettingPanelBase.h"

// The Editing page of the preferences: timeline editing defaults.
class FSettingEditingPanel : public FSettingPanelBase
{
    Q_OBJECT

public:
    explicit FSettingEditingPanel(QWidget *parent = nullptr, KvUIView *parentView = nullptr);
    ~FSettingEditingPanel() override;

    void TranslateText() override;
    void Load() override;
    void Ok() override;
};
