#pragma once

#include <QByteArray>
#include <QString>

// An error of the object-storage service, from the XML body it answers:
//   <Error><Code>..</Code><Message>..</Message><RequestId>..</RequestId></Error>
// Failures without such a body (no connection, timeout) carry a code of
// their own ("NetworkError", "RequestTimeout", ...) and the message.
struct KvOssError
{
    QString code;
    QString message;
    QString requestId;

    // `requestIdHeader` is used when the body names none.
    static KvOssError fromResponse(int status, const QByteArray &body, const QByteArray &requestIdHeader);
};
