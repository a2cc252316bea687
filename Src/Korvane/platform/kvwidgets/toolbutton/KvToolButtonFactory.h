#pragma once

#include <QSize>
#include <QString>

class QToolButton;
class QWidget;

// Icon-only tool buttons as the editor's bars use them. The tool tip is also
// the accessible name (without a shortcut given in brackets after it), so a
// screen reader and a GUI test find the button by what the user reads.
class KvToolButtonFactory
{
public:
    static QToolButton *create(QWidget *parent, const QString &objectName, const QString &toolTip,
                               QSize fixed = QSize(24, 24));
    // The same, with a skin icon (see KvSkin::icon) drawn a little smaller
    // than the button.
    static QToolButton *create(QWidget *parent, const QString &objectName, const QString &toolTip,
                               const QString &skinIcon, QSize fixed = QSize(24, 24));

    // Sets the tool tip and the accessible name derived from it.
    static void setToolTip(QToolButton *button, const QString &toolTip);
    // "Save (Ctrl+S)" -> "Save"; "Play\tSpace" -> "Play".
    static QString accessibleNameFor(const QString &toolTip);
};
