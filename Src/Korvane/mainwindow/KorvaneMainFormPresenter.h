#pragma once

#include "KvPresenter.h"

// The presenter of the main form. The editing modules' requests that concern
// the whole window end here; today every message goes on to the modules.
class KorvaneMainFormPresenter : public KvPresenter
{
    Q_OBJECT

public:
    explicit KorvaneMainFormPresenter(QObject *parent = nullptr);
};
