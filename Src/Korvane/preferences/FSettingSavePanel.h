#pragma once

#include "FSettingPanelBase.h"

// The Save page of the preferences: automatic backup and project locations.
class FSettingSavePanel : public FSettingPanelBase
{
    Q_OBJECT

public:
    explicit FSettingSavePanel(QWidget *parent = nullptr, KvUIView *parentView = nullptr);
    ~FSettingSavePanel() override;

    void TranslateText() override;
    void Load() override;
    void Ok() override;
};
