#pragma once

#include "FSettingPanelBase.h"

// The Performance page of the preferences: hardware acceleration, proxies and preview rendering.
class FSettingPerformancePanel : public FSettingPanelBase
{
    Q_OBJECT

public:
    explicit FSettingPerformancePanel(QWidget *parent = nullptr, KvUIView *parentView = nullptr);
    ~FSettingPerformancePanel() override;

    void TranslateText() override;
    void Load() override;
    void Ok() override;
};
