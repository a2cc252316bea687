#include "KvMenu.h"

#include "KvCheck.h"

#include <QAction>

KvMenu::KvMenu(QWidget *parent)
    : KvMenu(QString(), parent)
{
}

KvMenu::KvMenu(const QString &title, QWidget *parent)
    : QMenu(title, parent)
{
    setObjectName(QStringLiteral("KvMenu"));
    setAccessibleName(title);
    connect(this, &QMenu::triggered, this, [this](QAction *action) {
        if (actions().contains(action))
            emit sigMenuItemTriggered(actionType(action));
    });
}

void KvMenu::addMenuItem(QAction *action, int id)
{
    KV_CHECK(action, return);
    action->setProperty(kActionTypeProperty, id);
    addAction(action);
}

QAction *KvMenu::addMenuItem(const QString &text, int id)
{
    QAction *action = addAction(text);
    action->setProperty(kActionTypeProperty, id);
    return action;
}

KvMenu *KvMenu::addSubMenu(const QString &title)
{
    auto *menu = new KvMenu(title, this);
    addMenu(menu);
    return menu;
}

QAction *KvMenu::menuItem(int id) const
{
    for (QAction *action : actions()) {
        if (action->menu()) {
            if (auto *sub = qobject_cast<KvMenu *>(action->menu())) {
                if (QAction *found = sub->menuItem(id))
                    return found;
            }
            continue;
        }
        if (action->property(kActionTypeProperty).isValid() && actionType(action) == id)
            return action;
    }
    return nullptr;
}

int KvMenu::actionType(const QAction *action)
{
    KV_CHECK(action, return -1);
    bool ok = false;
    const int id = action->property(kActionTypeProperty).toInt(&ok);
    return ok ? id : -1;
}
