#pragma once

#include <QString>

// One start tip as the tip file gives it.
struct FStartTip
{
    QString value;    // the text, may hold markup
    QString preicon;  // icon file shown before the text, may be empty
    QString lasticon; // icon file shown after the text, may be empty
};
