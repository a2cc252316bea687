#include "FBaseLogChain.h"

#include "FLogRetrieval.h"
#include "FLogServiceAnswer.h"
#include "IKvAppInfo.h"
#include "IKvBaseLog.h"
#include "KvHttpClient.h"

#include <QNetworkRequest>

FBaseLogChain::FBaseLogChain(FLogRetrieval *owner, const QString &name)
    : QObject(owner)
    , m_owner(owner)
    , m_name(name)
{
    setObjectName(name);
}

FBaseLogChain::~FBaseLogChain()
{
    KV_LOG_INFO("release: %s", KV_CSTR(m_name));
}

void FBaseLogChain::ChianRequest()
{
}

bool FBaseLogChain::requestResultParse(QString result)
{
    QString why;
    switch (FLogServiceAnswer::parse(result.toUtf8(), &m_result, &why)) {
    case FLogServiceAnswer::Result::Ok:
        return true;
    case FLogServiceAnswer::Result::NotAnObject:
        KV_LOG_INFO("Json parse error:%s", KV_CSTR(why));
        return false;
    case FLogServiceAnswer::Result::BadCode:
        KV_LOG_INFO("Json code parse error:");
        return false;
    }
    return false;
}

void FBaseLogChain::moveOn()
{
    if (!m_next || !mayContinue())
        return;
    m_next->setContext(m_context);
    m_next->ChianRequest();
}

bool FBaseLogChain::mayContinue() const
{
    if (!m_owner || !m_owner->isStopped())
        return true;
    KV_LOG_INFO("%s: the retrieval has been stopped", KV_CSTR(m_name));
    return false;
}

QNetworkRequest FBaseLogChain::serviceRequest(const QString &url, bool json) const
{
    QNetworkRequest request{QUrl(url)};
    if (json)
        request.setRawHeader("Content-Type", "application/json");
    request.setRawHeader("Authorization", QStringLiteral("Bearer %1").arg(m_context->accessToken).toUtf8());
    return request;
}

QString FBaseLogChain::identity(int id)
{
    return IKvAppInfo::getInstance()->getString(id);
}

QString FBaseLogChain::address(const QString &url, const char *key)
{
    // Not configured is the normal state of a build without the service.
    if (url.isEmpty())
        KV_LOG_INFO("log retrieval: no web address for %s, nothing is retrieved", key);
    return url;
}

void FBaseLogChain::logRequestFailure(const char *what, const QString &error) const
{
    if (error == QLatin1String(KvHttpClient::kCancelled) || (m_owner && m_owner->isStopped()))
        KV_LOG_INFO("%s stopped: %s", what, KV_CSTR(error));
    else
        KV_LOG_ERROR("%s failed: %s", what, KV_CSTR(error));
}
