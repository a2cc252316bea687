#include "KvOssClient.h"

#include "KvHttpClient.h"
#include "KvHttpStreamUpload.h"
#include "KvOssSdk.h"
#include "KvOssSigner.h"

#include <QHostAddress>

namespace {

KvOssPutObjectOutcome failure(const QString &code, const QString &message)
{
    KvOssPutObjectOutcome outcome;
    outcome.error.code = code;
    outcome.error.message = message;
    return outcome;
}

} // namespace

KvOssClient::KvOssClient(const QString &endpoint, const KvOssCredentials &credentials,
                         const KvOssClientConfiguration &configuration)
    : m_credentials(credentials)
    , m_configuration(configuration)
    , m_clock([] { return QDateTime::currentDateTimeUtc(); })
{
    const QString text = endpoint.trimmed();
    m_endpoint = QUrl(text.contains(QLatin1String("://")) ? text : m_configuration.defaultScheme + "://" + text);
}

QUrl KvOssClient::objectUrl(const QString &bucket, const QString &key) const
{
    QUrl url(m_endpoint);
    url.setQuery(QString());
    const QString host = m_endpoint.host();
    const bool pathStyle = !QHostAddress(host).isNull() || host == QLatin1String("localhost");
    if (pathStyle) {
        url.setPath(QLatin1Char('/') + bucket + QLatin1Char('/') + key, QUrl::DecodedMode);
    } else {
        url.setHost(bucket + QLatin1Char('.') + host);
        url.setPath(QLatin1Char('/') + key, QUrl::DecodedMode);
    }
    return url;
}

KvOssPutObjectOutcome KvOssClient::PutObject(const KvOssPutObjectRequest &request) const
{
    if (!KvOssSdk::IsSdkInitialized())
        return failure(QStringLiteral("SdkNotInitialized"), QStringLiteral("the storage client is not initialised"));
    if (!m_enabled)
        return failure(QStringLiteral("RequestDisabled"), QStringLiteral("requests are not enabled on this client"));
    if (!m_endpoint.isValid() || m_endpoint.host().isEmpty())
        return failure(QStringLiteral("InvalidEndpoint"), QStringLiteral("no usable endpoint"));
    if (request.bucket().isEmpty() || request.key().isEmpty())
        return failure(QStringLiteral("InvalidArgument"), QStringLiteral("bucket or object key is empty"));
    QIODevice *content = request.content();
    if (!content || !content->isOpen() || content->isSequential())
        return failure(QStringLiteral("InvalidArgument"), QStringLiteral("the content is not an open, seekable device"));

    const QByteArray md5 = request.contentMd5().size() == 16 ? request.contentMd5().toBase64()
                                                             : KvOssSigner::contentMd5(content);
    if (md5.isEmpty())
        return failure(QStringLiteral("ReadError"), content->errorString());

    KvOssSigner::HeaderList ossHeaders;
    if (!m_credentials.securityToken.isEmpty())
        ossHeaders.append({"x-oss-security-token", m_credentials.securityToken.toUtf8()});
    if (!request.callback().isEmpty())
        ossHeaders.append({"x-oss-callback", request.callback().headerValue()});
    if (!request.callbackVariables().isEmpty())
        ossHeaders.append({"x-oss-callback-var", request.callbackVariables().headerValue()});

    const QByteArray date = KvOssSigner::httpDate(m_clock());
    const QByteArray resource = ('/' + request.bucket() + '/' + request.key()).toUtf8();
    const QByteArray toSign =
        KvOssSigner::stringToSign("PUT", md5, request.contentType(), date, ossHeaders, resource);
    const QByteArray signature = KvOssSigner::signature(m_credentials.accessKeySecret.toUtf8(), toSign);

    KvHttpStreamUpload::HeaderList headers = {{"Date", date},
                                               {"Content-MD5", md5},
                                               {"Content-Type", request.contentType()}};
    headers += ossHeaders;
    headers.append({"Authorization", KvOssSigner::authorization(m_credentials.accessKeyId.toUtf8(), signature)});
    const KvHttpResponse response =
        KvHttpStreamUpload::send("PUT", objectUrl(request.bucket(), request.key()), headers, content,
                                 m_configuration.requestTimeoutMs, m_configuration.idleTimeoutMs);
    KvOssPutObjectOutcome outcome;
    outcome.requestId = QString::fromLatin1(response.header("x-oss-request-id"));
    if (!response.error.isEmpty()) {
        outcome.error.code = response.error == QLatin1String(KvHttpClient::kCancelled) ? QStringLiteral("RequestCancelled")
                             : response.error.startsWith(QLatin1String("no "))      ? QStringLiteral("RequestTimeout")
                                                                                    : QStringLiteral("NetworkError");
        outcome.error.message = response.error;
        outcome.error.requestId = outcome.requestId;
        return outcome;
    }
    if (!response.isSuccess()) {
        outcome.error = KvOssError::fromResponse(response.status, response.body, response.header("x-oss-request-id"));
        return outcome;
    }
    outcome.success = true;
    outcome.eTag = QString::fromLatin1(response.header("ETag"));
    outcome.callbackResponse = response.body;
    return outcome;
}
