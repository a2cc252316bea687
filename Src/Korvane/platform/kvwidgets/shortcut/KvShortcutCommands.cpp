// The keyboard-shortcut commands and their factory defaults. The defaults
// follow what users of desktop video editors expect; no two commands share
// one, nor does a command share one with an action outside this table.
#include "KvShortcutCommands.h"

#include <QCoreApplication>
#include <QHash>

namespace {

using C = KvShortcutCommands::Command;

#define KV_COMMAND(text) QT_TRANSLATE_NOOP("KvShortcutCommands", text)

constexpr KvShortCutMode F = KvShortCutMode_File;
constexpr KvShortCutMode E = KvShortCutMode_Edit;
constexpr KvShortCutMode T = KvShortCutMode_Tools;
constexpr KvShortCutMode V = KvShortCutMode_View;
constexpr KvShortCutMode M = KvShortCutMode_Marker;
constexpr KvShortCutMode O = KvShortCutMode_Miscellaneous;

const QVector<C> kCommands = {
    {0, KV_COMMAND("New Project"), F, "Ctrl+N"},
    {1, KV_COMMAND("Open Project"), F, "Ctrl+O"},
    {2, KV_COMMAND("Save Project"), F, "Ctrl+S"},
    {3, KV_COMMAND("Save Project As"), F, "Ctrl+Shift+S"},
    {4, KV_COMMAND("Archive Project"), F, "Ctrl+Shift+A"},
    {5, KV_COMMAND("Import Media Files"), F, "Ctrl+I"},
    {6, KV_COMMAND("Record Voice Over"), F, "Alt+R"},
    {7, KV_COMMAND("Preferences"), F, "Ctrl+,"},
    {8, KV_COMMAND("Exit"), F, "Ctrl+Q"},
    {9, KV_COMMAND("Add a New Folder"), F, "Ctrl+Shift+N"},

    {1000, KV_COMMAND("Undo"), E, "Ctrl+Z"},
    {1001, KV_COMMAND("Redo"), E, "Ctrl+Y"},
    {1002, KV_COMMAND("Cut"), E, "Ctrl+X"},
    {1003, KV_COMMAND("Copy"), E, "Ctrl+C"},
    {1004, KV_COMMAND("Paste"), E, "Ctrl+V"},
    {1005, KV_COMMAND("Delete"), E, "Del"},
    {1006, KV_COMMAND("Ripple Delete"), E, "Shift+Del"},
    {1007, KV_COMMAND("Close Gap"), E, "Alt+Backspace"},
    {1008, KV_COMMAND("Select All"), E, "Ctrl+A"},
    {1009, KV_COMMAND("Copy Effects"), E, "Ctrl+Alt+C"},
    {1010, KV_COMMAND("Paste Effects"), E, "Ctrl+Alt+V"},
    {1011, KV_COMMAND("Nudge Left"), E, "Alt+Left"},
    {1012, KV_COMMAND("Nudge Right"), E, "Alt+Right"},
    {1013, KV_COMMAND("Nudge Up"), E, "Alt+Up"},
    {1014, KV_COMMAND("Nudge Down"), E, "Alt+Down"},
    {1015, KV_COMMAND("Duplicate"), E, "Ctrl+D"},

    {2000, KV_COMMAND("Edit Properties"), T, "Alt+E"},
    {2001, KV_COMMAND("Split"), T, "Ctrl+B"},
    {2002, KV_COMMAND("Trim Start to Playhead"), T, "Alt+["},
    {2003, KV_COMMAND("Trim End to Playhead"), T, "Alt+]"},
    {2004, KV_COMMAND("Crop and Zoom"), T, "Alt+C"},
    {2005, KV_COMMAND("Rotate 90 CW"), T, "Ctrl+Alt+Right"},
    {2006, KV_COMMAND("Rotate 90 CCW"), T, "Ctrl+Alt+Left"},
    {2007, KV_COMMAND("Group"), T, "Ctrl+G"},
    {2008, KV_COMMAND("UnGroup"), T, "Ctrl+Shift+G"},
    {2009, KV_COMMAND("Uniform Speed"), T, "Ctrl+R"},
    {2010, KV_COMMAND("Add Frezze Frame"), T, "Ctrl+Alt+F"},
    {2011, KV_COMMAND("Detach Audio"), T, "Ctrl+Alt+D"},
    {2012, KV_COMMAND("Mute"), T, "Ctrl+Shift+M"},
    {2013, KV_COMMAND("Stabilization"), T, "Alt+S"},
    {2014, KV_COMMAND("Color Correction"), T, "Ctrl+Shift+C"},
    {2015, KV_COMMAND("Chroma Key"), T, "Ctrl+Shift+K"},
    {2016, KV_COMMAND("Red Marker"), T, "Ctrl+1"},
    {2017, KV_COMMAND("Orange Marker"), T, "Ctrl+2"},
    {2018, KV_COMMAND("Yellow Marker"), T, "Ctrl+3"},
    {2019, KV_COMMAND("Green Marker"), T, "Ctrl+4"},
    {2020, KV_COMMAND("Cyan Marker"), T, "Ctrl+5"},
    {2021, KV_COMMAND("Blue Marker"), T, "Ctrl+6"},
    {2022, KV_COMMAND("Purple Marker"), T, "Ctrl+7"},
    {2023, KV_COMMAND("Grey Marker"), T, "Ctrl+8"},
    {2024, KV_COMMAND("Select All Clips With Same Color Mark"), T, "Ctrl+`"},
    {2025, KV_COMMAND("Render Preview"), T, "Ctrl+Shift+R"},
    {2026, KV_COMMAND("Add Audio/Video Keyframes"), T, nullptr},
    {2027, KV_COMMAND("Previous Keyframe"), T, "Ctrl+Alt+["},
    {2028, KV_COMMAND("Next Keyframe"), T, "Ctrl+Alt+]"},
    {2029, KV_COMMAND("Motion Tracking"), T, "Ctrl+Shift+T"},
    {2030, KV_COMMAND("Color Match"), T, "Alt+M"},
    {2031, KV_COMMAND("Keyboard Shortcuts"), T, "Ctrl+Alt+K"},
    {2032, KV_COMMAND("Insert"), T, "Shift+I"},
    {2033, KV_COMMAND("Overwrite"), T, "Shift+O"},
    {2034, KV_COMMAND("Replace"), T, nullptr},
    {2035, KV_COMMAND("Rename"), T, "F2"},
    {2036, KV_COMMAND("Reveal In Explorer"), T, "Ctrl+Alt+R"},
    {2037, KV_COMMAND("Apply"), T, "Alt+A"},
    {2038, KV_COMMAND("Add To Favourite"), T, "Ctrl+Shift+F"},
    {2039, KV_COMMAND("Keyframing"), T, "Alt+K"},
    {2040, KV_COMMAND("Crop to Fit"), T, "Alt+Shift+C"},
    {2041, KV_COMMAND("Export selected range"), T, "Ctrl+Shift+E"},
    {2042, KV_COMMAND("Cancel the selected range"), T, "Alt+Shift+X"},
    {2043, KV_COMMAND("Quick Split Mode"), T, "C"},
    {2044, KV_COMMAND("Select Mode"), T, "V"},

    {3000, KV_COMMAND("Play/Pause"), V, "Space"},
    {3001, KV_COMMAND("Stop"), V, "Ctrl+Space"},
    {3002, KV_COMMAND("Full Screen/Restore"), V, "Alt+Enter"},
    {3003, KV_COMMAND("Snapshot"), V, "Ctrl+Alt+S"},
    {3004, KV_COMMAND("Previous Frame / Move Left"), V, "Left"},
    {3005, KV_COMMAND("Next Frame / Move Right"), V, "Right"},
    {3006, KV_COMMAND("Previous Edit Point/ Move Up"), V, "Up"},
    {3007, KV_COMMAND("Next Edit Point/ Move Down"), V, "Down"},
    {3008, KV_COMMAND("Go To Previous Second"), V, "Shift+Left"},
    {3009, KV_COMMAND("Go To Next Second"), V, "Shift+Right"},
    {3010, KV_COMMAND("Go To Previous Marker"), V, "Ctrl+Shift+Left"},
    {3011, KV_COMMAND("Go To Next Marker"), V, "Ctrl+Shift+Right"},
    {3012, KV_COMMAND("Go To Project Beginning"), V, "Home"},
    {3013, KV_COMMAND("Go To Project End"), V, "End"},
    {3014, KV_COMMAND("Go To Selected Clip Start"), V, "Shift+Home"},
    {3015, KV_COMMAND("Go To Selected Clip End"), V, "Shift+End"},
    {3016, KV_COMMAND("Zoom In"), V, "Ctrl+="},
    {3017, KV_COMMAND("Zoom Out"), V, "Ctrl+-"},
    {3018, KV_COMMAND("Zoom To Fit Timeline"), V, "Ctrl+0"},
    {3019, KV_COMMAND("Restore"), V, nullptr},
    {3020, KV_COMMAND("Select Previous"), V, "Ctrl+Left"},
    {3021, KV_COMMAND("Select Next"), V, "Ctrl+Right"},
    {3022, KV_COMMAND("View Left"), V, nullptr},
    {3023, KV_COMMAND("View Right"), V, nullptr},
    {3024, KV_COMMAND("View Up"), V, nullptr},
    {3025, KV_COMMAND("View Down"), V, nullptr},

    {4000, KV_COMMAND("Mark In"), M, "I"},
    {4001, KV_COMMAND("Mark Out"), M, "O"},
    {4002, KV_COMMAND("Clear In And Out"), M, "Ctrl+Shift+X"},
    {4003, KV_COMMAND("Remove In Point"), M, "Alt+I"},
    {4004, KV_COMMAND("Remove Out Point"), M, "Alt+O"},
    {4005, KV_COMMAND("Add Marker"), M, "M"},
    {4006, KV_COMMAND("Edit Marker"), M, "Shift+M"},

    {5000, KV_COMMAND("Help"), O, "F1"},
    {5001, KV_COMMAND("Export"), O, "Ctrl+E"},
    {6000, KV_COMMAND("Command Custom Rule"), O, nullptr},
};

#undef KV_COMMAND

const char *const kModuleNames[] = {
    QT_TRANSLATE_NOOP("KvShortcutCommands", "File"),
    QT_TRANSLATE_NOOP("KvShortcutCommands", "Edit"),
    QT_TRANSLATE_NOOP("KvShortcutCommands", "Tools"),
    QT_TRANSLATE_NOOP("KvShortcutCommands", "View"),
    QT_TRANSLATE_NOOP("KvShortcutCommands", "Marker"),
    QT_TRANSLATE_NOOP("KvShortcutCommands", "Miscellaneous"),
};
static_assert(sizeof(kModuleNames) / sizeof(kModuleNames[0]) == KvShortCutMode_Count, "one name per module");

struct MouseAlternative
{
    int id;
    const char *text;
};

// Gestures that work for these commands whatever their key binding.
const MouseAlternative kMouseAlternatives[] = {
    {2026, QT_TRANSLATE_NOOP("KvShortcutCommands", "Alt+Left Click")},
    {2034, QT_TRANSLATE_NOOP("KvShortcutCommands", "Alt+Mouse Drag")},
    {3019, QT_TRANSLATE_NOOP("KvShortcutCommands", "ESC")},
    {3022, QT_TRANSLATE_NOOP("KvShortcutCommands", "Alt+Scroll Up")},
    {3023, QT_TRANSLATE_NOOP("KvShortcutCommands", "Alt+Scroll Down")},
    {3024, QT_TRANSLATE_NOOP("KvShortcutCommands", "Scroll Up")},
    {3025, QT_TRANSLATE_NOOP("KvShortcutCommands", "Scroll Down")},
};

QString translate(const char *text)
{
    return QCoreApplication::translate("KvShortcutCommands", text);
}

} // namespace

namespace KvShortcutCommands {

const QVector<Command> &table()
{
    return kCommands;
}

const Command *find(int id)
{
    static const QHash<int, int> rows = [] {
        QHash<int, int> byId;
        for (int row = 0; row < kCommands.size(); ++row)
            byId.insert(kCommands.at(row).id, row);
        return byId;
    }();
    const auto it = rows.constFind(id);
    return it == rows.constEnd() ? nullptr : &kCommands.at(*it);
}

bool contains(int id)
{
    return find(id) != nullptr;
}

QString name(int id)
{
    const Command *command = find(id);
    return command ? translate(command->name) : QString();
}

QString nameEn(int id)
{
    const Command *command = find(id);
    return command ? QString::fromLatin1(command->name) : QString();
}

KvShortCutMode mode(int id)
{
    const Command *command = find(id);
    return command ? command->mode : KvShortCutMode_Count;
}

QKeySequence defaultSequence(int id)
{
    const Command *command = find(id);
    if (!command || !command->shortcut)
        return QKeySequence();
    return QKeySequence::fromString(QString::fromLatin1(command->shortcut), QKeySequence::PortableText);
}

QString moduleName(int mode)
{
    if (mode < 0 || mode >= KvShortCutMode_Count)
        return QString();
    return translate(kModuleNames[mode]);
}

QString moduleNameEn(int mode)
{
    if (mode < 0 || mode >= KvShortCutMode_Count)
        return QString();
    return QString::fromLatin1(kModuleNames[mode]);
}

QString mouseAlternative(int id)
{
    for (const MouseAlternative &alternative : kMouseAlternatives) {
        if (alternative.id == id)
            return translate(alternative.text);
    }
    return QString();
}

bool keptByRestoreDefaults(int id)
{
    return id == 2026 || id == 2034 || id == 3019;
}

} // namespace KvShortcutCommands
