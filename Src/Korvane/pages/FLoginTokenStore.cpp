#include "FLoginTokenStore.h"

#include "IKvBaseLog.h"
#include "KvConfig.h"
#include "QAESEncryption.h"

#include <QCryptographicHash>

namespace {

// The key derives from this; tokens stored by another build are unreadable
// on purpose.
constexpr char kTokenPassphrase[] = "480159267305";

const QString kTokenGroup = QStringLiteral("AutoLoginToken");
const QString kTokenKey = QStringLiteral("Token");
const QString kUidGroup = QStringLiteral("Uid");
const QString kUidKey = QStringLiteral("Uid");

QByteArray key()
{
    return QCryptographicHash::hash(QByteArray(kTokenPassphrase), QCryptographicHash::Sha256);
}

} // namespace

QByteArray FLoginTokenStore::encrypt(const QByteArray &token)
{
    return QAESEncryption::Crypt(QAESEncryption::AES_256, QAESEncryption::ECB, token, key(), {}, QAESEncryption::ISO);
}

QByteArray FLoginTokenStore::decrypt(const QByteArray &cipher)
{
    if (cipher.isEmpty() || cipher.size() % 16 != 0)
        return {};
    const QByteArray raw =
        QAESEncryption::Decrypt(QAESEncryption::AES_256, QAESEncryption::ECB, cipher, key(), {}, QAESEncryption::ISO);
    const QByteArray token = QAESEncryption::RemovePadding(raw, QAESEncryption::ISO);
    // A token is printable text; anything else is a wrong key or damage.
    for (const char c : token) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u > 0x7e)
            return {};
    }
    return token;
}

void FLoginTokenStore::save(const QByteArray &token, const QString &userId)
{
    KvConfig *config = KvConfig::Instance();
    // An invalid value removes the key.
    config->SetAppValue(kTokenGroup, kTokenKey, token.isEmpty() ? QVariant() : QVariant(encrypt(token)), false);
    config->SetAppValue(kUidGroup, kUidKey, userId.isEmpty() ? QVariant() : QVariant(userId), false);
}

bool FLoginTokenStore::load(QByteArray *token, QString *userId)
{
    KvConfig *config = KvConfig::Instance();
    const QByteArray cipher = config->GetAppValue(kTokenGroup, kTokenKey, false, QByteArray()).toByteArray();
    *userId = config->GetAppValue(kUidGroup, kUidKey, false, QString()).toString();
    *token = decrypt(cipher);
    if (!cipher.isEmpty() && token->isEmpty())
        KV_LOG_ERROR("stored login token does not decrypt; nobody is logged in");
    return !token->isEmpty() && !userId->isEmpty();
}
