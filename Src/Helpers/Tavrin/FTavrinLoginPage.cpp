#include "FTavrinLoginPage.h"

#include <QCryptographicHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

FTavrinLoginPage::FTavrinLoginPage(QWidget *parent)
    : QWidget(parent)
    , m_steps(new QStackedWidget(this))
    , m_user(new QLineEdit)
    , m_password(new QLineEdit)
    , m_login(new QPushButton(tr("Log in")))
    , m_message(new QLabel)
{
    setObjectName(QStringLiteral("FTavrinLoginPage"));
    auto *form = new QWidget;
    auto *formLayout = new QVBoxLayout(form);
    auto *heading = new QLabel(tr("Log in to your account"));
    m_user->setPlaceholderText(tr("User name or e-mail"));
    m_user->setAccessibleName(m_user->placeholderText());
    m_password->setPlaceholderText(tr("Password"));
    m_password->setAccessibleName(m_password->placeholderText());
    m_password->setEchoMode(QLineEdit::Password);
    m_login->setAccessibleName(m_login->text());
    m_message->setWordWrap(true);
    auto *create = new QPushButton(tr("Create an account"));
    create->setFlat(true);
    create->setAccessibleName(create->text());
    formLayout->addWidget(heading);
    formLayout->addWidget(m_user);
    formLayout->addWidget(m_password);
    formLayout->addWidget(m_login);
    formLayout->addWidget(m_message);
    formLayout->addStretch(1);
    formLayout->addWidget(create);

    auto *signUp = new QLabel(tr("Accounts are created on the account website."));
    signUp->setAlignment(Qt::AlignCenter);
    signUp->setWordWrap(true);
    m_steps->addWidget(form);
    m_steps->addWidget(signUp);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_steps);

    connect(m_login, &QPushButton::clicked, this, &FTavrinLoginPage::submit);
    connect(m_password, &QLineEdit::returnPressed, this, &FTavrinLoginPage::submit);
    connect(create, &QPushButton::clicked, this, [this] {
        m_steps->setCurrentIndex(1);
        emit sigBackButtonWanted(true);
    });
}

QString FTavrinLoginPage::authCodeFor(const QString &user, const QString &password)
{
    const QByteArray digest =
        QCryptographicHash::hash((user.trimmed() + QLatin1Char('\n') + password).toUtf8(), QCryptographicHash::Sha256);
    return QStringLiteral("tc1-") + QString::fromLatin1(digest.toHex().left(32));
}

void FTavrinLoginPage::signIn(const QString &user, const QString &password)
{
    goBack();
    m_user->setText(user);
    m_password->setText(password);
    m_login->click();
}

void FTavrinLoginPage::goBack()
{
    if (m_steps->currentIndex() == 0)
        return;
    m_steps->setCurrentIndex(0);
    emit sigBackButtonWanted(false);
}

void FTavrinLoginPage::showResult(bool signedIn)
{
    m_login->setEnabled(true);
    m_message->setText(signedIn ? tr("Signed in.") : tr("Sign-in failed. Check your user name and password."));
}

void FTavrinLoginPage::submit()
{
    if (m_user->text().trimmed().isEmpty() || m_password->text().isEmpty()) {
        m_message->setText(tr("Enter your user name and password."));
        return;
    }
    m_login->setEnabled(false);
    m_message->setText(tr("Signing in..."));
    emit sigAuthCode(authCodeFor(m_user->text(), m_password->text()));
}
