#include "FAccountInfoDlg.h"

#include "IKvAccountService.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

FAccountInfoDlg::FAccountInfoDlg(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FAccountInfoDlg"));
    setWindowTitle(tr("Account"));
    setMinimumWidth(320);

    const IKvAccountService *account = IKvAccountService::getInstance();
    auto *name = new QLabel(account->accountInfoText(), this);
    name->setObjectName(QStringLiteral("FAccountInfoDlg_UserName"));
    auto *id = new QLabel(tr("User ID: %1").arg(account->currentUser().userId), this);
    id->setObjectName(QStringLiteral("FAccountInfoDlg_UserId"));
    id->setVisible(account->isLoggedIn());
    id->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *effects = new QPushButton(tr("Effect Store"), this);
    effects->setObjectName(QStringLiteral("FAccountInfoDlg_EffectStoreBtn"));
    auto *logout = new QPushButton(tr("Log Out"), this);
    logout->setObjectName(QStringLiteral("FAccountInfoDlg_LogoutBtn"));
    logout->setEnabled(account->isLoggedIn());
    auto *close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("FAccountInfoDlg_CloseBtn"));
    close->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(effects);
    buttons->addStretch();
    buttons->addWidget(logout);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(name);
    layout->addWidget(id);
    layout->addSpacing(12);
    layout->addLayout(buttons);

    connect(effects, &QPushButton::clicked, this, &FAccountInfoDlg::sigVendaraEffect);
    connect(logout, &QPushButton::clicked, this, &FAccountInfoDlg::slotLogout);
    connect(close, &QPushButton::clicked, this, &FAccountInfoDlg::reject);
}

void FAccountInfoDlg::slotLogout()
{
    IKvAccountService::getInstance()->logout();
    done(LoggedOut);
}
