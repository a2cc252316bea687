#include "FUserAccountPages.h"

#include "IKvAccountService.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

FUserAccountPages::FUserAccountPages(QWidget *parent)
    : QWidget(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("FUserAccountPages"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Log In"));
    setMinimumWidth(340);

    m_user = new QLineEdit(this);
    m_user->setObjectName(QStringLiteral("FUserAccountPages_User"));
    m_password = new QLineEdit(this);
    m_password->setObjectName(QStringLiteral("FUserAccountPages_Password"));
    m_password->setEchoMode(QLineEdit::Password);
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("FUserAccountPages_Message"));
    m_message->setWordWrap(true);
    m_message->hide();

    auto *proxy = new QPushButton(tr("Network Proxy..."), this);
    proxy->setObjectName(QStringLiteral("FUserAccountPages_ProxyBtn"));
    proxy->setFlat(true);
    auto *login = new QPushButton(tr("Log In"), this);
    login->setObjectName(QStringLiteral("FUserAccountPages_LoginBtn"));
    login->setDefault(true);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("FUserAccountPages_CancelBtn"));

    auto *form = new QFormLayout;
    form->addRow(tr("User name:"), m_user);
    form->addRow(tr("Password:"), m_password);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(proxy);
    buttons->addStretch();
    buttons->addWidget(login);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_message);
    layout->addLayout(buttons);

    connect(proxy, &QPushButton::clicked, this, &FUserAccountPages::sigProxySetting);
    connect(login, &QPushButton::clicked, this, &FUserAccountPages::slotLogin);
    connect(m_password, &QLineEdit::returnPressed, this, &FUserAccountPages::slotLogin);
    connect(cancel, &QPushButton::clicked, this, &FUserAccountPages::close);
}

FUserAccountPages *FUserAccountPages::instance()
{
    static QPointer<FUserAccountPages> pages;
    if (!pages)
        pages = new FUserAccountPages;
    return pages;
}

bool FUserAccountPages::showLoginFrom(QWidget *parent)
{
    if (m_showing) {
        raise();
        activateWindow();
        return IKvAccountService::getInstance()->isLoggedIn();
    }
    if (parent != parentWidget())
        setParent(parent, Qt::Dialog);
    setWindowModality(Qt::ApplicationModal);
    m_password->clear();
    m_message->hide();
    show();
    raise();
    activateWindow();

    QEventLoop loop;
    connect(this, &FUserAccountPages::sigClosed, &loop, &QEventLoop::quit);
    // The parent may take this window with it while the loop runs.
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    if (isVisible()) {
        m_showing = true;
        loop.exec();
    }
    return IKvAccountService::getInstance()->isLoggedIn();
}

void FUserAccountPages::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    m_showing = false;
    emit sigClosed();
}

void FUserAccountPages::slotLogin()
{
    const QString user = m_user->text().trimmed();
    if (user.isEmpty() || m_password->text().isEmpty()) {
        m_message->setText(tr("Please enter your user name and password."));
        m_message->show();
        return;
    }
    if (!IKvAccountService::getInstance()->loginByUserPwd(user, m_password->text())) {
        m_message->setText(tr("Login failed. Please check your user name and password and try again."));
        m_message->show();
        return;
    }
    m_password->clear();
    close();
}
