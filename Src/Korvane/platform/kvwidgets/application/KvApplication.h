#pragma once

#include <QApplication>

// The widget library's application base: high-DPI set-up that must happen
// before the QApplication exists, and a start-up record of the screens.
class KvApplication : public QApplication
{
    Q_OBJECT

public:
    KvApplication(int &argc, char **argv);
    ~KvApplication() override;

    // Call before any widget or application object exists. Mode 1 scales by
    // the screen's exact factor (no rounding), which keeps 125 % and 150 %
    // displays sharp; mode 0 leaves Qt's defaults alone.
    static void initHighDPI(int mode);

    // One log line per screen: name, geometry, available geometry, device
    // pixel ratio and logical DPI.
    static void logScreenInfo();

    // Writes the moment `widget`'s window is first on screen (steady clock,
    // nanoseconds) to the file named by $KORVANE_FIRST_PAGE_FILE; nothing
    // when the variable is unset. The start-up benchmark reads it.
    static void reportFirstExpose(QWidget *widget);
};
