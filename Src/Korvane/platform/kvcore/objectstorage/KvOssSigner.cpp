#include "KvOssSigner.h"

#include <QIODevice>
#include <QLocale>
#include <QMessageAuthenticationCode>

#include <openssl/evp.h>

#include <algorithm>
#include <memory>

namespace {

constexpr int kDigestBlockSize = 1024 * 1024;

} // namespace

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
    // OpenSSL's digest is about twice as fast as the toolkit's on large
    // archives; the body is read in blocks, never whole.
    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
    bool ok = context && EVP_DigestInit_ex(context.get(), EVP_md5(), nullptr) == 1;
    QByteArray block(kDigestBlockSize, Qt::Uninitialized);
    while (ok) {
        const qint64 read = device->read(block.data(), block.size());
        if (read < 0)
            ok = false;
        if (read <= 0)
            break;
        ok = EVP_DigestUpdate(context.get(), block.constData(), size_t(read)) == 1;
    }
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    ok = ok && EVP_DigestFinal_ex(context.get(), digest, &length) == 1;
    device->seek(start);
    return ok ? QByteArray(reinterpret_cast<const char *>(digest), int(length)).toBase64() : QByteArray();
}
