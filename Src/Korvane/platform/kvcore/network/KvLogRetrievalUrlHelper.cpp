#include "KvLogRetrievalUrlHelper.h"

#include "IKvBaseLog.h"
#include "KvConfig.h"

#include <QUrl>

namespace {

QString addressOf(const char *key)
{
    const QString text = KvConfig::Instance()->GetCBSUrl(QString::fromLatin1(key)).trimmed();
    if (text.isEmpty())
        return QString();
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme();
    if (!url.isValid() || url.host().isEmpty() || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        KV_LOG_ERROR("web address %s is not an http(s) address: \"%s\"", key, KV_CSTR(text));
        return QString();
    }
    return text;
}

} // namespace

QString KvLogRetrievalUrlHelper::getUserLoginTokenUrl()
{
    return addressOf(kTokenKey);
}

QString KvLogRetrievalUrlHelper::getWhilteListCheckUrl()
{
    return addressOf(kWhitelistCheckKey);
}

QString KvLogRetrievalUrlHelper::getWhilteListAddUrl()
{
    return addressOf(kWhitelistAddKey);
}

QString KvLogRetrievalUrlHelper::getUploadFileTokenUrl()
{
    return addressOf(kUploadTokenKey);
}

QString KvLogRetrievalUrlHelper::getLogDataReportUrl()
{
    return addressOf(kReportKey);
}
