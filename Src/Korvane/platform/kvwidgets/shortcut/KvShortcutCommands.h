#pragma once

#include "KvShortcutInfo.h"

#include <QKeySequence>
#include <QString>
#include <QVector>

// The table of keyboard-shortcut commands: identifier, English name (also the
// translation key, context "KvShortcutCommands"), module and default
// binding. This table holds the default of every command; actions bound to
// a command (KvActionRow::shortcutCommand) take their default from here.
namespace KvShortcutCommands {

struct Command
{
    int id;
    const char *name;     // English, untranslated
    KvShortCutMode mode;
    const char *shortcut; // default in portable text, or null for none
};

// Every command, in table order (by module, then by id).
const QVector<Command> &table();
// The row of `id`; null outside the table.
const Command *find(int id);
bool contains(int id);

// Translated name; empty outside the table.
QString name(int id);
// English name (for tracking); empty outside the table.
QString nameEn(int id);
// The module; KvShortCutMode_Count outside the table.
KvShortCutMode mode(int id);
// The factory default; empty for none or outside the table.
QKeySequence defaultSequence(int id);

// Translated module name ("File", "Edit", "Tools", "View", "Marker",
// "Miscellaneous"); empty outside KvShortCutMode.
QString moduleName(int mode);
// The same in English (usage tracking).
QString moduleNameEn(int mode);

// The mouse or fixed gesture that always works for the command, shown when
// it has no key binding ("Alt+Left Click" for 2026, ...); empty for the
// commands without one.
QString mouseAlternative(int id);
// The commands "Restore Defaults" leaves alone (2026, 2034 and 3019).
bool keptByRestoreDefaults(int id);

} // namespace KvShortcutCommands
