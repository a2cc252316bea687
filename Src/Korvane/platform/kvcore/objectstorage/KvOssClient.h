#pragma once

#include "KvOssError.h"
#include "KvOssPutObjectRequest.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QUrl>

#include <functional>

// Temporary credentials handed out by the maker's service (the security
// token is sent and signed as "x-oss-security-token"), or long-term ones
// (no token).
struct KvOssCredentials
{
    QString accessKeyId;
    QString accessKeySecret;
    QString securityToken;
};

struct KvOssClientConfiguration
{
    // Upper bound of a whole request, transfer included.
    int requestTimeoutMs = 20 * 60 * 1000;
    // A request during which no byte moves for this long fails.
    int idleTimeoutMs = 30000;
    // Scheme used when the endpoint names none.
    QString defaultScheme = QStringLiteral("https");
};

struct KvOssPutObjectOutcome
{
    bool success = false;
    KvOssError error;
    QString requestId;
    QString eTag;
    // What the callback address answered, passed on by the service.
    QByteArray callbackResponse;
};

// A client of one storage endpoint ("oss-region.example.com", or with a
// scheme and port). Objects are addressed as "<bucket>.<endpoint>/<key>", or
// as "<endpoint>/<bucket>/<key>" when the endpoint is an IP address or
// "localhost". Requests are blocking (KvHttpClient) and need
// KvOssSdk::InitializeSdk() and enableRequests(true).
class KvOssClient
{
public:
    KvOssClient(const QString &endpoint, const KvOssCredentials &credentials,
                const KvOssClientConfiguration &configuration = KvOssClientConfiguration());

    void enableRequests(bool enable) { m_enabled = enable; }
    bool requestsEnabled() const { return m_enabled; }

    // The time the Date header carries (tests set a skewed clock).
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

    QUrl objectUrl(const QString &bucket, const QString &key) const;
    KvOssPutObjectOutcome PutObject(const KvOssPutObjectRequest &request) const;

private:
    QUrl m_endpoint;
    KvOssCredentials m_credentials;
    KvOssClientConfiguration m_configuration;
    bool m_enabled = false;
    std::function<QDateTime()> m_clock;
};
