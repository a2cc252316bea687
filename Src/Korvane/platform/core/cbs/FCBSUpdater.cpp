#include "FCBSUpdater.h"

#include "IKvBaseLog.h"
#include "KvConfig.h"

#include <QTimer>

FCBSUpdater::FCBSUpdater(QObject *parent)
    : QObject(parent)
{
}

void FCBSUpdater::refresh()
{
    KV_LOG_INFO("web addresses refreshed from the configured list");
    // Announced on the next turn, as a network answer would be.
    QTimer::singleShot(0, this, &FCBSUpdater::sigRefreshed);
}

void FCBSUpdater::requestTargetUrl(int requestType, const QString &pageKey)
{
    const QString url = KvConfig::Instance()->GetCBSUrl(pageKey);
    KV_LOG_INFO("address of %s: %s", KV_CSTR(pageKey), url.isEmpty() ? "(none configured)" : KV_CSTR(url));
    QTimer::singleShot(0, this,
                       [this, requestType, url] { emit sigTargetUrlFinished(requestType, !url.isEmpty(), url); });
}

FCBSUpdater *createCBSUpdater(QObject *parent)
{
    return new FCBSUpdater(parent);
}
