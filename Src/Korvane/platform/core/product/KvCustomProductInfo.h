#pragma once

#include <QString>

// A build of the editor customised for a partner names its product here:
// "<installation>/configs/product.ini", key "CustomMainPID" of [Product].
class KvCustomProductInfo
{
public:
    // Empty for the standard product.
    static QString FGetCustomMainPID();
    // The name shown in message titles: the partner's product name, else
    // "Tessaracorp Korvane X".
    static QString FGetProductName();
    // Whether the language list of the preferences offers `languageType`:
    // the languages the editor has a catalogue for (English always), less
    // those a partner build leaves out ("HiddenLanguages" of [Product], ids
    // separated by spaces).
    static bool FCheckLanguageNeedDisplay(int languageType);
};
