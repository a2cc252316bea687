#include "KvUtility.h"

#include <QPointer>
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
