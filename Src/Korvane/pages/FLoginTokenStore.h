#pragma once

#include <QByteArray>
#include <QString>

// The automatic login kept between runs: the account token, AES-256
// encrypted (ECB, ISO padding) under the SHA-256 of a fixed passphrase, and
// the user id, in the configuration store (groups "AutoLoginToken" and "Uid").
class FLoginTokenStore
{
public:
    static QByteArray encrypt(const QByteArray &token);
    // Empty when `cipher` does not decrypt to a plausible token.
    static QByteArray decrypt(const QByteArray &cipher);

    // Empty token and id clear what is stored.
    static void save(const QByteArray &token, const QString &userId);
    // False when nothing usable is stored; a stored token that does not
    // decrypt is logged.
    static bool load(QByteArray *token, QString *userId);
};
