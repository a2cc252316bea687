#pragma once

#include <QJsonObject>
#include <QString>

// Temporary storage credentials handed out for one retrieval run.
struct FOssCredential
{
    QString path; // object key prefix
    QString region;
    QString bucketName;
    QString accessKeyId;
    QString accessKeySecret;
    QString securityToken;
    QString bucketEndpoint;
    // "callbackUrl", "callbackHost", "callbackBody", "callbackBodyType"
    QJsonObject callback;
    // "region", "action" ("PutObject"), "expire" ("0")
    QJsonObject callbackVar;
};

// What the steps of one run hand each other; owned by the task's thread.
struct FLogRetrievalContext
{
    explicit FLogRetrievalContext(int retrievalMode)
        : mode(retrievalMode)
    {
    }

    int mode; // 1: the check at start, 2: the flashback retrieval
    QString accessToken;
    bool whitelisted = false;
    FOssCredential credential;
};
