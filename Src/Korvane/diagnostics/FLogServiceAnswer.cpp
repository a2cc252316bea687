#include "FLogServiceAnswer.h"

#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>

namespace FLogServiceAnswer {

Result parse(const QByteArray &response, QJsonObject *answer, QString *why)
{
    *answer = QJsonObject();
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(response, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        *why = error.error != QJsonParseError::NoError ? error.errorString() : QStringLiteral("not a JSON object");
        return Result::NotAnObject;
    }
    const QJsonObject object = document.object();
    const QJsonValue code = object.value(QStringLiteral("code"));
    // An integer 0; "0" as text or 0.5 is not.
    if (!code.isDouble() || code.toDouble() != 0.0)
        return Result::BadCode;
    *answer = object;
    return Result::Ok;
}

QString accessToken(const QJsonObject &answer)
{
    return answer.value(QStringLiteral("data")).toObject().value(QStringLiteral("access_token")).toString();
}

FOssCredential credential(const QJsonObject &answer)
{
    const QJsonObject data = answer.value(QStringLiteral("data")).toObject();
    const QJsonObject params = data.value(QStringLiteral("params")).toObject();
    auto text = [&params](const char *key) { return params.value(QLatin1String(key)).toString(); };
    FOssCredential credential;
    credential.path = data.value(QStringLiteral("path")).toString();
    credential.region = text("region");
    credential.accessKeySecret = text("access_key_secret");
    credential.accessKeyId = text("access_key_id");
    credential.bucketName = text("bucket_name");
    credential.securityToken = text("security_token");
    credential.bucketEndpoint = text("bucket_endpoint");
    credential.callback = QJsonObject{{QStringLiteral("callbackUrl"), text("callback_url")},
                                      {QStringLiteral("callbackHost"), text("callback_host")},
                                      {QStringLiteral("callbackBody"), text("callback_body")},
                                      {QStringLiteral("callbackBodyType"), text("callback_body_type")}};
    credential.callbackVar = QJsonObject{{QStringLiteral("region"), credential.region},
                                         {QStringLiteral("action"), QStringLiteral("PutObject")},
                                         {QStringLiteral("expire"), QStringLiteral("0")}};
    return credential;
}

} // namespace FLogServiceAnswer
