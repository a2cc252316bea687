#include "FSettingEditingPanel.h"

// Being filled in: the controls land with the page's own change.

FSettingEditingPanel::FSettingEditingPanel(QWidget *parent, KvUIView *parentView)
    : FSettingPanelBase(parent, parentView)
{
}

FSettingEditingPanel::~FSettingEditingPanel() = default;

void FSettingEditingPanel::TranslateText() {}

void FSettingEditingPanel::Load() {}

void FSettingEditingPanel::Ok() {}
