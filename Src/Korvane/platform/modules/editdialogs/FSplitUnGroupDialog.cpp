#include "FSplitUnGroupDialog.h"

#include <QGuiApplication>

FSplitUnGroupDialog::FSplitUnGroupDialog(QWidget *parent)
    : FMessageDialog(parent)
{
    setObjectName("FSplitUnGroupDialog");
    setTitle(QGuiApplication::applicationDisplayName());
    setText(tr("The clip belongs to a group. Ungroup it to split it?"));
    setCheckBoxText(tr("Remember my choice"));
    addButton(tr("Ungroup"), UnGroup);
    addButton(tr("Keep Group"), KeepGroup);
}

int FSplitUnGroupDialog::ask()
{
    return DoModal() == UnGroup ? UnGroup : KeepGroup;
}
