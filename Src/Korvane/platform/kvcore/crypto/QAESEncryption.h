#pragma once

#include <QByteArray>

// AES in ECB or CBC mode over OpenSSL's libcrypto. The cipher itself runs
// without padding; this class pads and unpads by the framework's own rules:
//   ZERO   zeros up to the next block; none when the length is a multiple of 16.
//   PKCS7  1..16 bytes, each holding the pad length; always present.
//   ISO    0x80 then zeros up to the next block; none when the length is
//          already a multiple of 16.
// decode() returns the padded plaintext; RemovePadding() strips it. Because
// ZERO and ISO leave whole blocks unpadded, stripping cannot tell padding
// from plaintext that itself ends in zeros (or, for ISO, in 0x80 plus zeros):
// such trailing bytes are lost. Callers that store binary data must use PKCS7.
//
// Failures (wrong key or IV size, ciphertext that is empty or not whole
// blocks) log one error line and return an empty array.
class QAESEncryption
{
public:
    enum Aes { AES_128, AES_192, AES_256 };
    enum Mode { ECB, CBC };
    enum Padding { ZERO, PKCS7, ISO };

    QAESEncryption(Aes level, Mode mode, Padding padding = ISO);

    // `key` must be 16, 24 or 32 bytes to match the level; `iv` 16 bytes in
    // CBC mode and is ignored in ECB mode.
    QByteArray encode(const QByteArray &plain, const QByteArray &key, const QByteArray &iv = {});
    QByteArray decode(const QByteArray &cipher, const QByteArray &key, const QByteArray &iv = {});

    // A PKCS7 tail that is not valid padding is left as it is (error logged).
    static QByteArray RemovePadding(const QByteArray &raw, Padding padding);

    static QByteArray Crypt(Aes level, Mode mode, const QByteArray &plain, const QByteArray &key,
                            const QByteArray &iv = {}, Padding padding = ISO);
    static QByteArray Decrypt(Aes level, Mode mode, const QByteArray &cipher, const QByteArray &key,
                              const QByteArray &iv = {}, Padding padding = ISO);

    static constexpr int kBlockSize = 16;

private:
    QByteArray pad(const QByteArray &plain) const;
    QByteArray run(bool encrypt, const QByteArray &input, const QByteArray &key, const QByteArray &iv) const;

    Aes m_level;
    Mode m_mode;
    Padding m_padding;
};
