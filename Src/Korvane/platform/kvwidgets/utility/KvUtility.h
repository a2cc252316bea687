#pragma once

#include <QtGlobal>

class QLineEdit;
class QString;
class QWidget;

// Process-wide helpers of the widget library. GUI thread only.
class KvUtility
{
public:
    // The window that dialogs without an explicit parent go over and that
    // other instances bring to the front. Forgotten when the widget dies.
    static void gSetMainWindow(QWidget *window);
    static QWidget *gMainWindow();

    // Turns on the line edit's clear button and gives it `name` as
    // accessible name and tool tip: Qt's own clear button has neither, so a
    // screen reader would find a nameless button in every search field.
    static void enableClearButton(QLineEdit *lineEdit, const QString &name);

    // A file size as lists show it, in steps of 1024: "512 B", "1.50 KB",
    // "23.40 MB", "2.00 GB", "1.10 TB". A negative size (unknown) reads "0 B".
    // Any thread.
    static QString gGetFileSizeAuto(qint64 bytes);
    // The machine's physical memory as gGetFileSizeAuto writes it
    // ("15.54 GB"), from /proc/meminfo; empty when it cannot be read.
    // Any thread.
    static QString GetSysRamSize();
};
