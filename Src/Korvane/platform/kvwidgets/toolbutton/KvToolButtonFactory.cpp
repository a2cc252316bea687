#include "KvToolButtonFactory.h"

#include "IKvBaseLog.h"
#include "KvCheck.h"
#include "KvSkin.h"

#include <QKeySequence>
#include <QRegularExpression>
#include <QToolButton>

QToolButton *KvToolButtonFactory::create(QWidget *parent, const QString &objectName, const QString &toolTip,
                                         QSize fixed)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(objectName);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setAutoRaise(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::TabFocus);
    if (fixed.isValid())
        button->setFixedSize(fixed);
    setToolTip(button, toolTip);
    return button;
}

QToolButton *KvToolButtonFactory::create(QWidget *parent, const QString &objectName, const QString &toolTip,
                                         const QString &skinIcon, QSize fixed)
{
    QToolButton *button = create(parent, objectName, toolTip, fixed);
    button->setIcon(KvSkin::instance()->icon(skinIcon));
    if (fixed.isValid()) {
        // Room for the hover plate around the icon.
        const int side = qMax(12, qMin(fixed.width(), fixed.height()) - 6);
        button->setIconSize(QSize(side, side));
    }
    return button;
}

void KvToolButtonFactory::setToolTip(QToolButton *button, const QString &toolTip)
{
    KV_CHECK(button, return);
    button->setToolTip(toolTip);
    const QString name = accessibleNameFor(toolTip);
    if (name.isEmpty())
        KV_LOG_ERROR("tool button %s has no name for assistive tools", KV_CSTR(button->objectName()));
    button->setAccessibleName(name);
}

QString KvToolButtonFactory::accessibleNameFor(const QString &toolTip)
{
    // A shortcut is written after a tab ("Play\tSpace") or in trailing
    // brackets ("Undo (Ctrl+Z)"); brackets that hold words stay ("Volume (mute)").
    QString name = toolTip;
    const int tab = name.indexOf(QLatin1Char('\t'));
    if (tab >= 0)
        name.truncate(tab);
    static const QRegularExpression bracketPattern(QStringLiteral(R"(\s*[(\[]([^()\[\]]+)[)\]]\s*$)"));
    const QRegularExpressionMatch match = bracketPattern.match(name);
    if (match.hasMatch()) {
        const QKeySequence keys(match.captured(1).trimmed(), QKeySequence::PortableText);
        if (!keys.isEmpty() && keys[0] != Qt::Key_unknown)
            name.truncate(match.capturedStart());
    }
    return name.trimmed();
}
