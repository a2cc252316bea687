#pragma once

#include <QString>

class KvSkinPalette;

// Puts the interface language and theme into effect in this process: the
// catalogue and the skin of every open window change at once. The
// preferences call it when the user picks one; start-up applies the stored
// choice before the first window. GUI thread only.
class FAppearance
{
public:
    // Language and theme from the settings store.
    static void applyStored();
    // A language without a catalogue shows the English texts.
    static void applyLanguage(int languageId);
    // FThemeType; "System Default" follows the desktop's preference when it
    // can be read (also when it changes later), else the dark skin.
    static void applyTheme(int theme);

    // The palette a theme stands for, given the desktop's preference
    // (an FSystemColorScheme::Scheme).
    static KvSkinPalette paletteFor(int theme, int systemScheme);
};
