#pragma once

#include <QMenu>

// The menu of template mode's windows. Every entry carries its id as the
// action's data; the scene acts on the id of the entry chosen.
class FTemplateModeMenu : public QMenu
{
    Q_OBJECT

public:
    enum ActionId {
        SupportCenter = 0,
        Survey = 1,
        Feedback = 2,
        CheckForUpdate = 3,
        About = 4,
        AccountInformation = 5,
        Login = 6,
        ReturnToStartup = 7,
        Exit = 8,
    };

    // The account entry is "Account Information" for a user who is logged
    // in, "Login" otherwise.
    explicit FTemplateModeMenu(bool loggedIn, QWidget *parent = nullptr);

    // Null for an id the menu does not hold.
    QAction *action(int id) const;
    // The id of one of the menu's actions; -1 for anything else.
    static int idOf(const QAction *action);

private:
    QAction *addEntry(QMenu *menu, int id, const QString &text, const QString &icon = QString());
};
