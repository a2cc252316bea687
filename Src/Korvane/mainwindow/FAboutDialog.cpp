#include "FAboutDialog.h"

#include "IKvAppInfo.h"
#include "KvAppInfoId.h"
#include "KvCustomProductInfo.h"

#include <QCoreApplication>
#include <QDate>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

FAboutDialog::FAboutDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FAboutDialog"));
    const QString product = KvCustomProductInfo::FGetProductName();
    setWindowTitle(tr("About %1").arg(product));
    QString version = IKvAppInfo::getInstance()->getString(KvAppInfoId::ProductVersion);
    if (version.isEmpty())
        version = QCoreApplication::applicationVersion();

    auto *name = new QLabel(product, this);
    name->setObjectName(QStringLiteral("FAboutDialog_Product"));
    QFont font = name->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.4);
    name->setFont(font);
    auto *versionLabel = new QLabel(tr("Version %1").arg(version), this);
    versionLabel->setObjectName(QStringLiteral("FAboutDialog_Version"));
    auto *copyright =
        new QLabel(tr("Copyright \u00a9 %1 Tessaracorp. All rights reserved.").arg(QDate::currentDate().year()), this);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(name);
    layout->addWidget(versionLabel);
    layout->addWidget(copyright);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
}
