#include "KvOssSdk.h"

#include "IKvBaseLog.h"

#include <QCryptographicHash>
#include <QMessageAuthenticationCode>

#include <mutex>

namespace {

std::mutex s_mutex;
int s_users = 0;

// The signing primitives must answer the published values; a crypto backend
// that does not is unusable for requests the service would accept.
bool primitivesWork()
{
    const QByteArray md5 = QCryptographicHash::hash("abc", QCryptographicHash::Md5).toHex();
    const QByteArray hmac = QMessageAuthenticationCode::hash("what do ya want for nothing?", "Jefe",
                                                             QCryptographicHash::Sha1)
                                .toHex();
    return md5 == "900150983cd24fb0d6963f7d28e17f72" && hmac == "effcdf6ae5eb2fa2d27416d5f184df9c259a7c79";
}

} // namespace

bool KvOssSdk::InitializeSdk()
{
    std::lock_guard<std::mutex> lock(s_mutex);
    if (s_users == 0 && !primitivesWork()) {
        KV_LOG_ERROR("object storage: the MD5 / HMAC-SHA1 primitives give wrong answers");
        return false;
    }
    ++s_users;
    return true;
}

void KvOssSdk::ShutdownSdk()
{
    std::lock_guard<std::mutex> lock(s_mutex);
    if (s_users > 0)
        --s_users;
}

bool KvOssSdk::IsSdkInitialized()
{
    std::lock_guard<std::mutex> lock(s_mutex);
    return s_users > 0;
}
