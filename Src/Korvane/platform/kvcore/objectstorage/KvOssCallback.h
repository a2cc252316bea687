#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// The upload callback: after storing an object the service posts
// `callbackBody` (of `callbackBodyType`) to `callbackUrl`, with `callbackHost`
// as the Host header. Sent as header "x-oss-callback", the base64 of a JSON
// object with those four keys.
struct KvOssCallback
{
    QString callbackUrl;
    QString callbackHost;
    QString callbackBody;
    QString callbackBodyType;

    bool isEmpty() const { return callbackUrl.isEmpty(); }
    QByteArray headerValue() const;
};

// The callback's custom variables, "x:" plus a lower-case name, which the
// service substitutes into the callback body. Sent as header
// "x-oss-callback-var", the base64 of a JSON object of them.
class KvOssCallbackVariables
{
public:
    // False (and nothing added) when `name` is not "x:" and lower case.
    bool addCallbackVariable(const QString &name, const QString &value);
    bool isEmpty() const { return m_values.isEmpty(); }
    QByteArray headerValue() const;

private:
    QList<QPair<QString, QString>> m_values;
};
