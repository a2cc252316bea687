#include "FSettingPerformancePanel.h"

// Being filled in: the controls land with the page's own change.

FSettingPerformancePanel::FSettingPerformancePanel(QWidget *parent, KvUIView *parentView)
    : FSettingPanelBase(parent, parentView)
{
}

FSettingPerformancePanel::~FSettingPerformancePanel() = default;

void FSettingPerformancePanel::TranslateText() {}

void FSettingPerformancePanel::Load() {}

void FSettingPerformancePanel::Ok() {}
