#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QPair>
#include <QString>

class QIODevice;

// Request signing of the object-storage service (header signature, version 1):
//
//   Authorization: OSS <AccessKeyId>:<base64(HMAC-SHA1(secret, StringToSign))>
//   StringToSign = VERB "\n" Content-MD5 "\n" Content-Type "\n" Date "\n"
//                  CanonicalizedOSSHeaders CanonicalizedResource
//
// An empty Content-MD5 or Content-Type keeps its newline. The canonical
// headers are every "x-oss-" header, name lower-cased, blanks around the
// value trimmed, sorted by name, each as "name:value\n". The resource is
// "/bucket/object".
namespace KvOssSigner {

using HeaderList = QList<QPair<QByteArray, QByteArray>>;

QByteArray canonicalizedHeaders(const HeaderList &headers);
QByteArray stringToSign(const QByteArray &verb, const QByteArray &contentMd5, const QByteArray &contentType,
                        const QByteArray &date, const HeaderList &headers, const QByteArray &resource);
QByteArray signature(const QByteArray &accessKeySecret, const QByteArray &stringToSign);
QByteArray authorization(const QByteArray &accessKeyId, const QByteArray &signature);

// RFC 1123 in GMT: "Thu, 17 Nov 2005 18:49:58 GMT".
QByteArray httpDate(const QDateTime &time);
// Base64 of the 16 digest bytes of what `device` holds from its position on;
// the position is restored. Empty when the device cannot be read.
QByteArray contentMd5(QIODevice *device);

} // namespace KvOssSigner
