#include "FPageNotices.h"

#include "FMessageDialog.h"
#include "IKvBaseLog.h"
#include "KvCustomProductInfo.h"
#include "KvNetwork.h"

#include <QWidget>

void FPageNotices::showInformation(QWidget *parent, const QString &text)
{
    FMessageDialog::information(parent, KvCustomProductInfo::FGetProductName(), text,
                                QStringLiteral("KorvanePageMgr_Information"));
}

bool FPageNotices::ensureOnline(QWidget *parent)
{
    if (KvNetwork::IsNetworkDeviceValid())
        return true;
    KV_LOG_INFO("no usable network device");
    FMessageDialog::information(parent, KvCustomProductInfo::FGetProductName(),
                                tr("Your computer seems to be offline,causing a connection error.Please check your "
                                   "connection and try again."),
                                QStringLiteral("KorvanePageMgr_Offline"));
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
