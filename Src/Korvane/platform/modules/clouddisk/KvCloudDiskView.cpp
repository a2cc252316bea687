#include "KvCloudDiskView.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

KvCloudDiskView::KvCloudDiskView(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("KvCloudDiskView"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Cloud Storage"));
    resize(420, 220);

    auto *notice = new QLabel(tr("Cloud storage is not available on this installation."), this);
    notice->setObjectName(QStringLiteral("KvCloudDiskView_Notice"));
    notice->setWordWrap(true);
    m_user = new QLabel(this);
    m_user->setObjectName(QStringLiteral("KvCloudDiskView_User"));
    auto *close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("KvCloudDiskView_CloseBtn"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(notice);
    layout->addWidget(m_user);
    layout->addStretch();
    layout->addLayout(buttons);

    setUserName(QString());
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void KvCloudDiskView::setUserName(const QString &userName)
{
    m_user->setText(userName.isEmpty() ? tr("Not signed in") : tr("Signed in as %1").arg(userName));
}
