#include "FLoginAccountBtn.h"

#include "KvSkin.h"

#include <QEvent>
#include <QIcon>

FLoginAccountBtn::FLoginAccountBtn(QWidget *parent)
    : QToolButton(parent)
{
    setObjectName(QStringLiteral("Korvane_LoginAccount"));
    setFixedHeight(24);
    setIcon(KvSkin::instance()->icon(QStringLiteral("account")));
    setIconSize(QSize(16, 16));
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    setAutoRaise(true);
    setCursor(Qt::PointingHandCursor);
    setSignedIn(false);
}

void FLoginAccountBtn::setSignedIn(bool signedIn, const QString &userName)
{
    m_signedIn = signedIn;
    m_userName = userName;
    const QString text = signedIn && !userName.isEmpty() ? userName : (signedIn ? tr("Account") : tr("Log In"));
    setText(text);
    setToolTip(signedIn ? tr("Account Information") : tr("Log In"));
    setAccessibleName(toolTip());
}

void FLoginAccountBtn::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        setSignedIn(m_signedIn, m_userName);
    QToolButton::changeEvent(event);
}
