#pragma once

#include <QByteArray>

// AES in ECB or CBC mode over OpenSSL's libcrypto. The cipher itself runs
// without padding; this class pads and unpads by the framework's own rules:
//   ZERO   zeros up to the next block; none when the length is a multiple of 16.
//   PKCS7  1..16 bytes, each holding the pad length; always present.
//   ISO    0x80 then zeros up to the next block; always present (a whole
//          block of padding when the length is a multiple of 16), so the
//          last 0x80 of the final block is always the marker.
// decode() returns the padded plaintext; RemovePadding() strips it. ISO and
// PKCS7 keep every plaintext whole, trailing zeros included. ZERO cannot tell
// padding from plaintext that ends in zeros: such trailing bytes are lost.
//
// Failures (wrong key or IV size, ciphertext that is empty or not whole
// blocks, padding that is not there) log one error line and return an empty
// array.
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

    // A tail that is not valid ISO or PKCS7 padding means the data is corrupt
    // (or the key wrong): an empty result, `ok` false and an error line;
    // nothing is guessed. `ok` tells an empty plaintext from that.
    static QByteArray RemovePadding(const QByteArray &raw, Padding padding, bool *ok = nullptr);

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
