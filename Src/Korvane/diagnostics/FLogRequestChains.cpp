#include "FLogRequestChains.h"

#include "FLogServiceAnswer.h"
#include "IKvBaseLog.h"
#include "KvAppInfoId.h"
#include "KvHttpClient.h"
#include "KvLogRetrievalUrlHelper.h"

#include <QJsonDocument>
#include <QNetworkRequest>
#include <QUrlQuery>

namespace {

QByteArray compact(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QUrl withQuery(const QString &url, const QList<QPair<QString, QString>> &items)
{
    QUrl result(url);
    QUrlQuery query(result);
    for (const auto &item : items)
        query.addQueryItem(item.first, QString::fromUtf8(QUrl::toPercentEncoding(item.second)));
    result.setQuery(query);
    return result;
}

} // namespace

FUserAccessTokenChain::FUserAccessTokenChain(FLogRetrieval *owner)
    : FBaseLogChain(owner, QStringLiteral("AccessToken"))
{
}

FUserAccessTokenChain::~FUserAccessTokenChain()
{
    KV_LOG_INFO("release FUserAccessTokenChain");
}

void FUserAccessTokenChain::ChianRequest()
{
    KV_LOG_INFO("start userAccessToken");
    const QString url = address(KvLogRetrievalUrlHelper::getUserLoginTokenUrl(), KvLogRetrievalUrlHelper::kTokenKey);
    if (url.isEmpty() || !mayContinue())
        return;
    QNetworkRequest request{QUrl(url)};
    request.setRawHeader("Content-Type", "application/json");
    request.setRawHeader("X-App-Key", identity(KvAppInfoId::AppKey).toUtf8());
    request.setRawHeader("X-Client-Type", "1");
    request.setRawHeader("X-Client-Sn", identity(KvAppInfoId::ClientId).toUtf8());
    request.setRawHeader("X-Prod-Id", identity(KvAppInfoId::ProductId).toUtf8());
    request.setRawHeader("X-Prod-Ver", identity(KvAppInfoId::ProductVersion).toUtf8());
    QJsonObject body;
    body.insert(QStringLiteral("grant_type"), QStringLiteral("client_credentials"));
    body.insert(QStringLiteral("app_secret"), identity(KvAppInfoId::AppSecret));

    QByteArray response;
    QString error;
    if (KvHttpClient::post(request, compact(body), response, error) <= 0) {
        logRequestFailure("access token request", error);
        return;
    }
    KV_LOG_INFO("UserAccessToken result %s", response.constData());
    const QString token =
        requestResultParse(QString::fromUtf8(response)) ? FLogServiceAnswer::accessToken(result()) : QString();
    if (token.isEmpty()) {
        KV_LOG_ERROR("access token parse error");
        return;
    }
    // "expires_in" is not needed: a run is far shorter than a token's life.
    m_context->accessToken = token;
    moveOn();
}

FUserWhiteListChain::FUserWhiteListChain(FLogRetrieval *owner)
    : FBaseLogChain(owner, QStringLiteral("WhiteList"))
{
}

FUserWhiteListChain::~FUserWhiteListChain()
{
    KV_LOG_INFO("release FUserWhiteListChain");
}

void FUserWhiteListChain::ChianRequest()
{
    if (m_context->accessToken.isEmpty()) {
        KV_LOG_ERROR("AccessToken is NULL");
        return;
    }
    if (m_context->mode == 2)
        addWhitelist();
    else
        checkWhitelist();
}

void FUserWhiteListChain::checkWhitelist()
{
    KV_LOG_INFO("start check Whitelist");
    const QString url =
        address(KvLogRetrievalUrlHelper::getWhilteListCheckUrl(), KvLogRetrievalUrlHelper::kWhitelistCheckKey);
    if (url.isEmpty() || !mayContinue())
        return;
    QNetworkRequest request = serviceRequest(url, false);
    request.setUrl(withQuery(url, {{QStringLiteral("client_sign"), identity(KvAppInfoId::ClientId)},
                                   {QStringLiteral("pid"), identity(KvAppInfoId::ProductId)},
                                   {QStringLiteral("version"), identity(KvAppInfoId::ProductVersion)},
                                   {QStringLiteral("tcid"), identity(KvAppInfoId::AccountId)}}));
    QByteArray response;
    QString error;
    if (KvHttpClient::get(request, response, error) <= 0) {
        logRequestFailure("whitelist check", error);
        return;
    }
    KV_LOG_INFO("WhitelistCheck result %s", response.constData());
    if (!requestResultParse(QString::fromUtf8(response))) {
        // The usual answer: support has not asked for this client's logs.
        KV_LOG_INFO("user is not in whitelist");
        return;
    }
    m_context->whitelisted = true;
    moveOn();
}

void FUserWhiteListChain::addWhitelist()
{
    KV_LOG_INFO("start addWhitelistPOST");
    const QString url =
        address(KvLogRetrievalUrlHelper::getWhilteListAddUrl(), KvLogRetrievalUrlHelper::kWhitelistAddKey);
    if (url.isEmpty() || !mayContinue())
        return;
    QJsonObject body;
    body.insert(QStringLiteral("client_sign"), identity(KvAppInfoId::ClientId));
    body.insert(QStringLiteral("pid"), identity(KvAppInfoId::ProductId).toLongLong());
    body.insert(QStringLiteral("version"), identity(KvAppInfoId::ProductVersion));
    body.insert(QStringLiteral("tcid"), identity(KvAppInfoId::AccountId).toLongLong());
    QByteArray response;
    QString error;
    if (KvHttpClient::post(serviceRequest(url, true), compact(body), response, error) <= 0) {
        logRequestFailure("whitelist addition", error);
        return;
    }
    KV_LOG_INFO("WhitelistAdd result %s", response.constData());
    if (!requestResultParse(QString::fromUtf8(response))) {
        KV_LOG_ERROR("whitelist addition refused");
        return;
    }
    m_context->whitelisted = true;
    moveOn();
}

FOssCredentialChain::FOssCredentialChain(FLogRetrieval *owner)
    : FBaseLogChain(owner, QStringLiteral("ossCredentialInfo"))
{
}

FOssCredentialChain::~FOssCredentialChain()
{
    KV_LOG_INFO("release FOssCredentialChain");
}

void FOssCredentialChain::ChianRequest()
{
    KV_LOG_INFO("start ossCredential");
    if (m_context->accessToken.isEmpty()) {
        KV_LOG_ERROR("AccessToken is NULL");
        return;
    }
    const QString url =
        address(KvLogRetrievalUrlHelper::getUploadFileTokenUrl(), KvLogRetrievalUrlHelper::kUploadTokenKey);
    if (url.isEmpty() || !mayContinue())
        return;
    QNetworkRequest request = serviceRequest(url, false);
    request.setUrl(withQuery(url, {{QStringLiteral("pid"), identity(KvAppInfoId::ProductId)},
                                   {QStringLiteral("version"), identity(KvAppInfoId::ProductVersion)},
                                   {QStringLiteral("client_sign"), identity(KvAppInfoId::ClientId)}}));
    QByteArray response;
    QString error;
    if (KvHttpClient::get(request, response, error) <= 0) {
        logRequestFailure("storage credential request", error);
        return;
    }
    KV_LOG_INFO("OssCredential result %s", response.constData());
    if (!requestResultParse(QString::fromUtf8(response))) {
        KV_LOG_ERROR("OssCredential failed");
        return;
    }
    m_context->credential = FLogServiceAnswer::credential(result());
    moveOn();
}
