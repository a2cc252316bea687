#pragma once

#include <QMenu>

// The editor's menu: dark like the rest of the skin, and each entry knows
// the number of the action it stands for (the "actionType" property), so a
// single slot can serve a whole menu.
class KvMenu : public QMenu
{
    Q_OBJECT

public:
    static constexpr const char *kActionTypeProperty = "actionType";

    explicit KvMenu(QWidget *parent = nullptr);
    explicit KvMenu(const QString &title, QWidget *parent = nullptr);

    // Adds `action` (owned by whoever made it) and tags it with `id`.
    void addMenuItem(QAction *action, int id);
    // A new entry of this menu's own.
    QAction *addMenuItem(const QString &text, int id);
    KvMenu *addSubMenu(const QString &title);
    // The entry tagged `id`, searched in sub-menus too; null when none is.
    QAction *menuItem(int id) const;

    static int actionType(const QAction *action);

signals:
    // An entry of this menu (not of a sub-menu) was chosen.
    void sigMenuItemTriggered(int id);
};
