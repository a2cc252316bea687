#pragma once

#include <QString>

class KvToastWidget;
class QWidget;

// A short notice that floats over a window for a moment and goes by itself:
// "Saved!", "Export failed". It takes no input and never blocks.
class KvToast
{
public:
    // The icon names callers pass for the two common notices.
    static const QString kSuccessIcon;
    static const QString kFailureIcon;

    // Shows `text` centred over `over` (over the active window when null).
    // Any toast still showing over the same window gives way to the new one.
    // The returned widget deletes itself when it has faded; keep it in a
    // QPointer if it is needed later.
    static KvToastWidget *show(QWidget *over, const QString &text, const QString &iconPath);
    static KvToastWidget *showSuccess(QWidget *over, const QString &text);
    static KvToastWidget *showFailure(QWidget *over, const QString &text);
};
