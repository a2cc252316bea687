#pragma once

#include "FProjectOpenProblem.h"

class QWidget;

// Tells the user that a project could not be opened, naming the file and
// the reason, over the page on screen. The failure is logged at error level.
class FProjectOpenNotice
{
public:
    static constexpr const char *kObjectName = "KorvanePageMgr_OpenFailed";

    static void show(QWidget *parent, const FProjectOpenProblem &problem);
};
