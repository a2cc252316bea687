#include "FSettingSavePanel.h"

// Being filled in: the controls land with the page's own change.

FSettingSavePanel::FSettingSavePanel(QWidget *parent, KvUIView *parentView)
    : FSettingPanelBase(parent, parentView)
{
}

FSettingSavePanel::~FSettingSavePanel() = default;

void FSettingSavePanel::TranslateText() {}

void FSettingSavePanel::Load() {}

void FSettingSavePanel::Ok() {}
