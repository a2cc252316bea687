#include "FSettingPanelBase.h"

FSettingPanelBase::FSettingPanelBase(QWidget *parent, KvUIView *parentView)
    : QWidget(parent)
    , KvUIView(this, parentView)
{
}

FSettingPanelBase::~FSettingPanelBase() = default;
