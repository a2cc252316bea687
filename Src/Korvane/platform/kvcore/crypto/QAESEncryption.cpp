#include "QAESEncryption.h"

#include "IKvBaseLog.h"

#include <openssl/evp.h>

#include <memory>

namespace {

int keySize(QAESEncryption::Aes level)
{
    switch (level) {
    case QAESEncryption::AES_128:
        return 16;
    case QAESEncryption::AES_192:
        return 24;
    case QAESEncryption::AES_256:
        return 32;
    }
    return 0;
}

const EVP_CIPHER *cipherFor(QAESEncryption::Aes level, QAESEncryption::Mode mode)
{
    const bool ecb = mode == QAESEncryption::ECB;
    switch (level) {
    case QAESEncryption::AES_128:
        return ecb ? EVP_aes_128_ecb() : EVP_aes_128_cbc();
    case QAESEncryption::AES_192:
        return ecb ? EVP_aes_192_ecb() : EVP_aes_192_cbc();
    case QAESEncryption::AES_256:
        return ecb ? EVP_aes_256_ecb() : EVP_aes_256_cbc();
    }
    return nullptr;
}

struct CipherContextFree
{
    void operator()(EVP_CIPHER_CTX *context) const { EVP_CIPHER_CTX_free(context); }
};

} // namespace

QAESEncryption::QAESEncryption(Aes level, Mode mode, Padding padding)
    : m_level(level)
    , m_mode(mode)
    , m_padding(padding)
{
}

QByteArray QAESEncryption::encode(const QByteArray &plain, const QByteArray &key, const QByteArray &iv)
{
    return run(true, pad(plain), key, iv);
}

QByteArray QAESEncryption::decode(const QByteArray &cipher, const QByteArray &key, const QByteArray &iv)
{
    if (cipher.isEmpty() || cipher.size() % kBlockSize != 0) {
        KV_LOG_ERROR("AES decode: %d bytes are not whole %d-byte blocks", int(cipher.size()), kBlockSize);
        return {};
    }
    return run(false, cipher, key, iv);
}

QByteArray QAESEncryption::pad(const QByteArray &plain) const
{
    const int rest = plain.size() % kBlockSize;
    QByteArray padded = plain;
    switch (m_padding) {
    case ZERO:
        if (rest != 0)
            padded.append(kBlockSize - rest, '\0');
        break;
    case PKCS7:
        padded.append(kBlockSize - rest, char(kBlockSize - rest));
        break;
    case ISO:
        padded.append('\x80');
        padded.append(kBlockSize - rest - 1, '\0');
        break;
    }
    return padded;
}

QByteArray QAESEncryption::RemovePadding(const QByteArray &raw, Padding padding, bool *ok)
{
    if (ok)
        *ok = true;
    switch (padding) {
    case ZERO: {
        int size = raw.size();
        while (size > 0 && raw.at(size - 1) == '\0')
            --size;
        return raw.left(size);
    }
    case PKCS7: {
        const int count = raw.isEmpty() ? 0 : static_cast<unsigned char>(raw.back());
        bool valid = count >= 1 && count <= kBlockSize && count <= raw.size();
        for (int i = raw.size() - count; valid && i < raw.size(); ++i)
            valid = static_cast<unsigned char>(raw.at(i)) == count;
        if (valid)
            return raw.left(raw.size() - count);
        KV_LOG_ERROR("AES: %d bytes end in no valid PKCS7 padding: corrupt data or a wrong key", int(raw.size()));
        break;
    }
    case ISO: {
        // Only zeros may follow the marker, and all of it lies in the final
        // block; a tail without the marker is never taken for plaintext.
        int marker = raw.size() - 1;
        while (marker >= 0 && raw.at(marker) == '\0')
            --marker;
        if (marker >= 0 && raw.at(marker) == '\x80' && raw.size() - marker <= kBlockSize)
            return raw.left(marker);
        KV_LOG_ERROR("AES: %d bytes end in no ISO padding marker: corrupt data or a wrong key", int(raw.size()));
        break;
    }
    }
    if (ok)
        *ok = false;
    return {};
}

QByteArray QAESEncryption::run(bool encrypt, const QByteArray &input, const QByteArray &key, const QByteArray &iv) const
{
    const char *what = encrypt ? "encode" : "decode";
    if (key.size() != keySize(m_level)) {
        KV_LOG_ERROR("AES %s: key of %d bytes, %d needed", what, int(key.size()), keySize(m_level));
        return {};
    }
    if (m_mode == CBC && iv.size() != kBlockSize) {
        KV_LOG_ERROR("AES %s: CBC needs a %d-byte IV, got %d", what, kBlockSize, int(iv.size()));
        return {};
    }
    if (input.isEmpty())
        return {};

    std::unique_ptr<EVP_CIPHER_CTX, CipherContextFree> context(EVP_CIPHER_CTX_new());
    const auto *keyBytes = reinterpret_cast<const unsigned char *>(key.constData());
    const auto *ivBytes = m_mode == CBC ? reinterpret_cast<const unsigned char *>(iv.constData()) : nullptr;
    if (!context
        || EVP_CipherInit_ex(context.get(), cipherFor(m_level, m_mode), nullptr, keyBytes, ivBytes, encrypt ? 1 : 0) != 1
        || EVP_CIPHER_CTX_set_padding(context.get(), 0) != 1) {
        KV_LOG_ERROR("AES %s: the cipher could not be set up", what);
        return {};
    }

    QByteArray output(input.size() + kBlockSize, Qt::Uninitialized);
    auto *out = reinterpret_cast<unsigned char *>(output.data());
    int written = 0;
    int finalWritten = 0;
    if (EVP_CipherUpdate(context.get(), out, &written, reinterpret_cast<const unsigned char *>(input.constData()),
                         input.size()) != 1
        || EVP_CipherFinal_ex(context.get(), out + written, &finalWritten) != 1) {
        KV_LOG_ERROR("AES %s of %d bytes failed", what, int(input.size()));
        return {};
    }
    output.truncate(written + finalWritten);
    return output;
}

QByteArray QAESEncryption::Crypt(Aes level, Mode mode, const QByteArray &plain, const QByteArray &key,
                                 const QByteArray &iv, Padding padding)
{
    return QAESEncryption(level, mode, padding).encode(plain, key, iv);
}

QByteArray QAESEncryption::Decrypt(Aes level, Mode mode, const QByteArray &cipher, const QByteArray &key,
                                   const QByteArray &iv, Padding padding)
{
    return QAESEncryption(level, mode, padding).decode(cipher, key, iv);
}
