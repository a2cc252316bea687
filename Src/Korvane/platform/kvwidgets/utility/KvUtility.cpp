#include "KvUtility.h"

#include "KvCheck.h"

#include <QLineEdit>
#include <QPointer>
#include <QToolButton>
#include <QWidget>

namespace {
QPointer<QWidget> s_mainWindow;
}

void KvUtility::gSetMainWindow(QWidget *window)
{
    s_mainWindow = window;
}

QWidget *KvUtility::gMainWindow()
{
    return s_mainWindow.data();
}

void KvUtility::enableClearButton(QLineEdit *lineEdit, const QString &name)
{
    KV_CHECK(lineEdit, return);
    lineEdit->setClearButtonEnabled(true);
    // The clear button is a tool button the line edit makes for its clear
    // action; buttons of the caller's own actions are named by their text.
    for (QToolButton *button : lineEdit->findChildren<QToolButton *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (button->text().isEmpty() && button->accessibleName().isEmpty()) {
            button->setAccessibleName(name);
            button->setToolTip(name);
        }
    }
}
