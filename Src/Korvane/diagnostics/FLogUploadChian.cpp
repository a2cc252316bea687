#include "FLogUploadChian.h"

#include "FLogFileFetcher.h"
#include "FLogRetrieval.h"
#include "IKvBaseLog.h"
#include "KvAppInfoId.h"
#include "KvConfig.h"
#include "KvHttpClient.h"
#include "KvLogRetrievalUrlHelper.h"
#include "KvOssClient.h"
#include "KvOssSdk.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QNetworkRequest>
#include <QSettings>
#include <QUuid>

FLogUploadChian::FLogUploadChian(FLogRetrieval *owner)
    : FBaseLogChain(owner, QStringLiteral("LogUpload"))
{
}

FLogUploadChian::~FLogUploadChian()
{
    KV_LOG_INFO("release FLogUploadChian");
}

void FLogUploadChian::ChianRequest()
{
    if (m_context->accessToken.isEmpty()) {
        KV_LOG_ERROR("AccessToken is NULL");
        return;
    }
    // Initialisations pair with shutdowns: another user of the client keeps
    // its own.
    if (!KvOssSdk::InitializeSdk()) {
        KV_LOG_ERROR("OSS InitializeSdk failed.");
        return;
    }
    const FOssCredential &credential = m_context->credential;
    KvOssClientConfiguration configuration;
    // The upload may take the rest of the run, never more.
    configuration.requestTimeoutMs = int(qMax<qint64>(1, m_owner->remainingTimeMs()));
    KvOssClient client(credential.bucketEndpoint,
                       {credential.accessKeyId, credential.accessKeySecret, credential.securityToken}, configuration);
    client.enableRequests(true);

    FLogFileFetcher fetcher(m_owner->logDirectory(), m_context->mode);
    const QStringList files = fetcher.fetch();
    for (const QString &file : files) {
        if (!mayContinue())
            break;
        if (uploadFile(client, file, file == fetcher.archivePath() ? fetcher.archiveMd5() : QByteArray()))
            logDataReport();
    }
    KV_LOG_INFO("Upload finished, and clear oss client.");
    KvOssSdk::ShutdownSdk();
    fetcher.clear();
    if (m_context->mode == 2 && !m_owner->isStopped())
        endFlashback();
}

bool FLogUploadChian::uploadFile(const KvOssClient &client, const QString &path, const QByteArray &md5)
{
    const FOssCredential &credential = m_context->credential;
    const QFileInfo info(path);
    const QString key =
        credential.path + QUuid::createUuid().toString(QUuid::WithoutBraces) + QLatin1Char('.') + info.suffix();
    m_files.append(QJsonObject{{QStringLiteral("path"), key},
                               {QStringLiteral("file_name"), info.fileName()},
                               {QStringLiteral("file_size"), info.size()},
                               {QStringLiteral("file_type"), info.suffix()},
                               {QStringLiteral("region"), credential.region},
                               {QStringLiteral("bucket"), credential.bucketName}});
    KV_LOG_INFO("show path:%s", KV_CSTR(info.absoluteFilePath()));

    auto content = std::make_shared<QFile>(path);
    if (!content->open(QIODevice::ReadOnly)) {
        KV_LOG_ERROR("cannot read %s: %s", KV_CSTR(path), KV_CSTR(content->errorString()));
        return false;
    }
    KvOssPutObjectRequest request(credential.bucketName, key, content);
    request.setContentMd5(md5);
    KvOssCallback callback;
    callback.callbackUrl = credential.callback.value(QStringLiteral("callbackUrl")).toString();
    callback.callbackBody = credential.callback.value(QStringLiteral("callbackBody")).toString();
    callback.callbackHost = credential.callback.value(QStringLiteral("callbackHost")).toString();
    callback.callbackBodyType = credential.callback.value(QStringLiteral("callbackBodyType")).toString();
    request.setCallback(callback);
    KvOssCallbackVariables variables;
    variables.addCallbackVariable(QStringLiteral("x:user_id"), QStringLiteral("0"));
    variables.addCallbackVariable(QStringLiteral("x:region"), credential.callbackVar.value(QStringLiteral("region")).toString());
    variables.addCallbackVariable(QStringLiteral("x:file_name"), info.fileName());
    variables.addCallbackVariable(QStringLiteral("x:action"), credential.callbackVar.value(QStringLiteral("action")).toString());
    variables.addCallbackVariable(QStringLiteral("x:expire"), credential.callbackVar.value(QStringLiteral("expire")).toString());
    request.setCallbackVariables(variables);

    KV_LOG_INFO("Start upload %s , size: %lld kb).", KV_CSTR(path), info.size() / 1024);
    const KvOssPutObjectOutcome outcome = client.PutObject(request);
    if (!outcome.success && outcome.error.code == QLatin1String("RequestCancelled")) {
        KV_LOG_INFO("upload stopped: %s", KV_CSTR(outcome.error.message));
        return false;
    }
    if (!outcome.success) {
        KV_LOG_ERROR("fail, code: %s, message: %s, requestId: %s", KV_CSTR(outcome.error.code),
                     KV_CSTR(outcome.error.message), KV_CSTR(outcome.error.requestId));
        return false;
    }
    KV_LOG_INFO("upload success!");
    return true;
}

void FLogUploadChian::logDataReport()
{
    if (m_context->accessToken.isEmpty()) {
        KV_LOG_ERROR("UserAccessToken is NULL");
        return;
    }
    const QString url = address(KvLogRetrievalUrlHelper::getLogDataReportUrl(), KvLogRetrievalUrlHelper::kReportKey);
    if (url.isEmpty() || !mayContinue())
        return;
    QJsonObject body;
    body.insert(QStringLiteral("client_sign"), identity(KvAppInfoId::ClientId));
    body.insert(QStringLiteral("pid"), identity(KvAppInfoId::ProductId).toLongLong());
    body.insert(QStringLiteral("version"), identity(KvAppInfoId::ProductVersion));
    body.insert(QStringLiteral("type"), m_context->mode);
    body.insert(QStringLiteral("tcid"), identity(KvAppInfoId::AccountId).toLongLong());
    body.insert(QStringLiteral("files"), m_files);
    QByteArray response;
    QString error;
    if (KvHttpClient::post(serviceRequest(url, true), QJsonDocument(body).toJson(QJsonDocument::Compact), response,
                           error) <= 0) {
        logRequestFailure("log report request", error);
        return;
    }
    KV_LOG_INFO("logDataReport result %s", response.constData());
    if (requestResultParse(QString::fromUtf8(response)))
        KV_LOG_INFO("logDataReport Succeed");
    else
        KV_LOG_ERROR("logDataReport failed");
}

void FLogUploadChian::endFlashback()
{
    QSettings ini(KvConfig::Instance()->GetKorvaneConfigFile(), QSettings::IniFormat);
    if (ini.value(QStringLiteral("LogRetrieval/flashback"), false).toBool()) {
        ini.setValue(QStringLiteral("LogRetrieval/flashback"), false);
        ini.sync();
        if (ini.status() != QSettings::NoError)
            KV_LOG_ERROR("cannot write %s", KV_CSTR(ini.fileName()));
    }
}
