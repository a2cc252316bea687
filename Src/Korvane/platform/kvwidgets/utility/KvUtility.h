#pragma once

class QWidget;

// Process-wide helpers of the widget library. GUI thread only.
class KvUtility
{
public:
    // The window that dialogs without an explicit parent go over and that
    // other instances bring to the front. Forgotten when the widget dies.
    static void gSetMainWindow(QWidget *window);
    static QWidget *gMainWindow();
};
