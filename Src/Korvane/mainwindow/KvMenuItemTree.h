#pragma once

#include <QString>

// What a menu click reports: the menu the entry sits in ("File", or a
// submenu's name), the entry's untranslated text, and a third text that the
// menus leave empty.
struct KvMenuItemTree
{
    QString menuName;
    QString sourceText;
    QString thirdText;
};
