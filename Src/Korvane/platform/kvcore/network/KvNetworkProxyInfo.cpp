#include "KvNetworkProxyInfo.h"

#include "IKvBaseLog.h"

#include <QNetworkProxyFactory>
#include <QNetworkProxyQuery>
#include <QUrl>

void KvNetworkProxyInfo::loadProxyInfo()
{
    QNetworkProxyFactory::setUseSystemConfiguration(true);
    const QList<QNetworkProxy> proxies =
        QNetworkProxyFactory::systemProxyForQuery(QNetworkProxyQuery(QUrl(QStringLiteral("https://example.com"))));
    const QNetworkProxy proxy = proxies.value(0);
    if (proxy.type() == QNetworkProxy::NoProxy || proxy.type() == QNetworkProxy::DefaultProxy)
        KV_LOG_INFO("network proxy: none");
    else
        KV_LOG_INFO("network proxy: %s:%d", KV_CSTR(proxy.hostName()), int(proxy.port()));
}
