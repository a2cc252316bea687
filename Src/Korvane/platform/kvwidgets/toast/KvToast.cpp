#include "KvToast.h"

#include "IKvBaseLog.h"
#include "KvToastWidget.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

const QString KvToast::kSuccessIcon = QStringLiteral(":/Resource/icon24_successful.png");
const QString KvToast::kFailureIcon = QStringLiteral(":/Resource/icon24_failed.png");

KvToastWidget *KvToast::show(QWidget *over, const QString &text, const QString &iconPath)
{
    QWidget *host = over ? over->window() : QApplication::activeWindow();
    if (host) {
        const auto previous = host->findChildren<KvToastWidget *>(QString(), Qt::FindDirectChildrenOnly);
        for (KvToastWidget *toast : previous)
            toast->finish();
    }
    KV_LOG_INFO("toast: %s", KV_CSTR(text));
    auto *toast = new KvToastWidget(host, text, iconPath);
    toast->popUp(over ? over : host);
    return toast;
}

KvToastWidget *KvToast::showSuccess(QWidget *over, const QString &text)
{
    return show(over, text, kSuccessIcon);
}

KvToastWidget *KvToast::showFailure(QWidget *over, const QString &text)
{
    return show(over, text, kFailureIcon);
}
