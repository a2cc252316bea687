#include "KvOssCallback.h"

#include "IKvBaseLog.h"

#include <QJsonDocument>
#include <QJsonObject>

QByteArray KvOssCallback::headerValue() const
{
    QJsonObject json;
    json.insert(QStringLiteral("callbackUrl"), callbackUrl);
    if (!callbackHost.isEmpty())
        json.insert(QStringLiteral("callbackHost"), callbackHost);
    json.insert(QStringLiteral("callbackBody"), callbackBody);
    if (!callbackBodyType.isEmpty())
        json.insert(QStringLiteral("callbackBodyType"), callbackBodyType);
    return QJsonDocument(json).toJson(QJsonDocument::Compact).toBase64();
}

bool KvOssCallbackVariables::addCallbackVariable(const QString &name, const QString &value)
{
    if (!name.startsWith(QLatin1String("x:")) || name.size() < 3 || name != name.toLower()) {
        KV_LOG_ERROR("object storage: callback variable \"%s\" must be \"x:\" and lower case", KV_CSTR(name));
        return false;
    }
    for (auto &entry : m_values) {
        if (entry.first == name) {
            entry.second = value;
            return true;
        }
    }
    m_values.append({name, value});
    return true;
}

QByteArray KvOssCallbackVariables::headerValue() const
{
    QJsonObject json;
    for (const auto &entry : m_values)
        json.insert(entry.first, entry.second);
    return QJsonDocument(json).toJson(QJsonDocument::Compact).toBase64();
}
