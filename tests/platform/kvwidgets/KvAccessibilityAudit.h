#pragma once

// Finds the controls a screen reader (and an automated GUI test going through
// the accessibility tree) could not name.
//
//     const QStringList unnamed = KvAccessibilityAudit::unnamedControls(&window);
//     QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join('\n')));
//
// Header only, so that any test can include it by its relative path.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStringList>
#include <QTabBar>
#include <QWidget>

namespace KvAccessibilityAudit {

// Something a user clicks, types into, drags or picks from. Scroll bars come
// with their view and are named by it.
inline bool isOperable(const QWidget *widget)
{
    if (qobject_cast<const QScrollBar *>(widget))
        return false;
    return qobject_cast<const QAbstractButton *>(widget) || qobject_cast<const QLineEdit *>(widget)
        || qobject_cast<const QComboBox *>(widget) || qobject_cast<const QAbstractSlider *>(widget)
        || qobject_cast<const QAbstractSpinBox *>(widget) || qobject_cast<const QAbstractItemView *>(widget)
        || qobject_cast<const QTabBar *>(widget);
}

// The text entry inside a combo box or a spin box is reached through its
// owner, which carries the name.
inline bool isInnerPart(const QWidget *widget)
{
    const QWidget *parent = widget->parentWidget();
    return qobject_cast<const QLineEdit *>(widget)
        && (qobject_cast<const QComboBox *>(parent) || qobject_cast<const QAbstractSpinBox *>(parent));
}

inline QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Name).trimmed() : QString();
}

// "QToolButton in FProductHomePage/FProductHomePage_SearchEdit": the class
// and the chain of named ancestors, enough to find the control in the code.
inline QString describe(const QWidget *widget, const QWidget *root)
{
    QStringList chain;
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        if (!w->objectName().isEmpty())
            chain.prepend(w->objectName());
        if (w == root)
            break;
    }
    return QStringLiteral("%1 in %2").arg(QString::fromLatin1(widget->metaObject()->className()),
                                          chain.join(QLatin1Char('/')));
}

// Calls `visit` for every operable control under `root` (itself included)
// that would be visible with `root`. Child windows are left out: audit them
// on their own.
template <class Visit>
void forEachControl(QWidget *root, Visit visit)
{
    QList<QWidget *> widgets{root};
    widgets += root->findChildren<QWidget *>();
    for (QWidget *widget : qAsConst(widgets)) {
        if (widget != root && (widget->isWindow() || !widget->isVisibleTo(root)))
            continue;
        if (widget == root && widget->isHidden() && !widget->isWindow())
            continue;
        if (isOperable(widget) && !isInnerPart(widget))
            visit(widget);
    }
}

// The controls without an accessible name; for a tab bar, every tab
// without one.
inline QStringList unnamedControls(QWidget *root)
{
    QStringList unnamed;
    forEachControl(root, [&](QWidget *widget) {
        if (auto *tabBar = qobject_cast<QTabBar *>(widget)) {
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(tabBar);
            for (int i = 0; iface && i < iface->childCount(); ++i) {
                QAccessibleInterface *tab = iface->child(i);
                if (tab && tab->role() == QAccessible::PageTab && tab->text(QAccessible::Name).trimmed().isEmpty())
                    unnamed << QStringLiteral("tab %1 of %2").arg(i).arg(describe(tabBar, root));
            }
            return;
        }
        if (accessibleName(widget).isEmpty())
            unnamed << describe(widget, root);
    });
    return unnamed;
}

// A name that carries a keyboard shortcut, after a tab ("Play\tSpace") or
// in trailing brackets ("Save (Ctrl+S)"): a screen reader would read the keys
// out as part of the name. Brackets holding words ("Volume (mute)") are fine.
inline bool carriesShortcut(const QString &name)
{
    if (name.contains(QLatin1Char('\t')))
        return true;
    static const QRegularExpression brackets(QStringLiteral(R"([(\[]([^()\[\]]+)[)\]]\s*$)"));
    const QRegularExpressionMatch match = brackets.match(name);
    if (!match.hasMatch())
        return false;
    const QKeySequence keys(match.captured(1).trimmed(), QKeySequence::PortableText);
    return !keys.isEmpty() && keys[0] != Qt::Key_unknown;
}

// The controls whose accessible name carries a shortcut.
inline QStringList controlsNamedWithShortcut(QWidget *root)
{
    QStringList found;
    forEachControl(root, [&](QWidget *widget) {
        const QString name = accessibleName(widget);
        if (carriesShortcut(name))
            found << QStringLiteral("%1: \"%2\"").arg(describe(widget, root), name);
    });
    return found;
}

// Both audits at once, for a test that wants every finding in one message.
inline QStringList problems(QWidget *root)
{
    return unnamedControls(root) + controlsNamedWithShortcut(root);
}

} // namespace KvAccessibilityAudit
