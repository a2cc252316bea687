#include "KvOssSigner.h"

#include <QCryptographicHash>
#include <QIODevice>
#include <QLocale>
#include <QMessageAuthenticationCode>

#include <algorithm>

QByteArray KvOssSigner::canonicalizedHeaders(const HeaderList &headers)
{
    HeaderList picked;
    for (const auto &header : headers) {
        const QByteArray name = header.first.trimmed().toLower();
        if (name.startsWith("x-oss-"))
            picked.append({name, header.second.trimmed()});
    }
    std::stable_sort(picked.begin(), picked.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    QByteArray text;
    for (const auto &header : picked)
        text += header.first + ':' + header.second + '\n';
    return text;
}

QByteArray KvOssSigner::stringToSign(const QByteArray &verb, const QByteArray &contentMd5,
                                     const QByteArray &contentType, const QByteArray &date,
                                     const HeaderList &headers, const QByteArray &resource)
{
    return verb + '\n' + contentMd5 + '\n' + contentType + '\n' + date + '\n' + canonicalizedHeaders(headers)
           + resource;
}

QByteArray KvOssSigner::signature(const QByteArray &accessKeySecret, const QByteArray &stringToSign)
{
    return QMessageAuthenticationCode::hash(stringToSign, accessKeySecret, QCryptographicHash::Sha1).toBase64();
}

QByteArray KvOssSigner::authorization(const QByteArray &accessKeyId, const QByteArray &signature)
{
    return "OSS " + accessKeyId + ':' + signature;
}

QByteArray KvOssSigner::httpDate(const QDateTime &time)
{
    // Day and month names are English whatever the user's locale.
    return QLocale::c().toString(time.toUTC(), QStringLiteral("ddd, dd MMM yyyy hh:mm:ss")).toLatin1() + " GMT";
}

QByteArray KvOssSigner::contentMd5(QIODevice *device)
{
    if (!device || !device->isReadable() || device->isSequential())
        return QByteArray();
    const qint64 start = device->pos();
    QCryptographicHash hash(QCryptographicHash::Md5);
    // addData(QIODevice *) reads in small blocks: no copy of the whole body.
    const bool read = hash.addData(device);
    device->seek(start);
    return read ? hash.result().toBase64() : QByteArray();
}
