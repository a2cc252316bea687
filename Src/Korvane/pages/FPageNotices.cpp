#include "FPageNotices.h"

#include "IKvBaseLog.h"
#include "KvCustomProductInfo.h"
#include "KvNetwork.h"

#include <QMessageBox>
#include <QWidget>

void FPageNotices::showInformation(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Information, QCoreApplication::applicationName(), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("KorvanePageMgr_Information"));
    box.exec();
}

bool FPageNotices::ensureOnline(QWidget *parent)
{
    if (KvNetwork::IsNetworkDeviceValid())
        return true;
    KV_LOG_INFO("no usable network device");
    QMessageBox box(QMessageBox::Information, KvCustomProductInfo::FGetProductName(),
                    tr("Your computer seems to be offline,causing a connection error.Please check your connection and "
                       "try again."),
                    QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("KorvanePageMgr_Offline"));
    box.exec();
    return false;
}

void FPageNotices::bringForward(QWidget *window)
{
    if (!window)
        return;
    if (window->isMinimized())
        window->showNormal();
    window->show();
    window->raise();
    window->activateWindow();
}
