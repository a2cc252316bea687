#include "FActiveDeviceLimitHelper.h"

#include "FMessageDialog.h"
#include "IKvBaseLog.h"

#include <QCoreApplication>

void FActiveDeviceLimitHelper::showLimitDialog(QWidget *parent)
{
    KV_LOG_INFO("active device limit reached");
    FMessageDialog::information(parent, QCoreApplication::translate("FActiveDeviceLimitHelper", "Device Limit"),
                                QCoreApplication::translate("FActiveDeviceLimitHelper",
                                                            "Your account is active on the maximum number of "
                                                            "devices. Sign out on another device to use it here."),
                                QStringLiteral("FActiveDeviceLimitDialog"));
}
