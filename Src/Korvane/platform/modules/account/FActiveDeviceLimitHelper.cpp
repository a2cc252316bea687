#include "FActiveDeviceLimitHelper.h"

#include "IKvBaseLog.h"

#include <QCoreApplication>
#include <QMessageBox>

void FActiveDeviceLimitHelper::showLimitDialog(QWidget *parent)
{
    KV_LOG_INFO("active device limit reached");
    QMessageBox box(QMessageBox::Information, QCoreApplication::translate("FActiveDeviceLimitHelper", "Device Limit"),
                    QCoreApplication::translate("FActiveDeviceLimitHelper",
                                                "Your account is active on the maximum number of devices. "
                                                "Sign out on another device to use it here."),
                    QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("FActiveDeviceLimitDialog"));
    box.exec();
}
