#include "IKvAccountService.h"

#include "IKvBaseLog.h"
#include "KvLazySingleton.h"

#include <QCryptographicHash>
#include <QRandomGenerator>

#include <algorithm>

namespace {

QString randomToken()
{
    QByteArray bytes(16, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
    return QString::fromLatin1(bytes.toHex());
}

} // namespace

IKvAccountService *IKvAccountService::getInstance()
{
    return KvLazySingleton<IKvAccountService>::instance();
}

void IKvAccountService::releaseInstance()
{
    KvLazySingleton<IKvAccountService>::release();
}

bool IKvAccountService::isLoggedIn() const
{
    return m_loggedIn && !m_user.userId.isEmpty();
}

bool IKvAccountService::restoreLogin()
{
    KV_LOG_INFO("restore login of \"%s\"", KV_CSTR(m_user.userId));
    if (m_user.userId.isEmpty() || m_user.userName.isEmpty() || m_user.token.isEmpty()) {
        KV_LOG_ERROR("no complete account to restore");
        return false;
    }
    return login(m_user, KvTCIDEvent::kLoginRestored, false);
}

bool IKvAccountService::loginByToken(const QByteArray &token, const QString &userId)
{
    KV_LOG_INFO("login by token for \"%s\" (%d token bytes)", KV_CSTR(userId), int(token.size()));
    if (token.isEmpty() || userId.trimmed().isEmpty()) {
        KV_LOG_ERROR("login by token needs a token and a user id");
        return false;
    }
    return login({userId.trimmed(), userId.trimmed(), QString::fromUtf8(token)}, KvTCIDEvent::kLoginByToken, false);
}

bool IKvAccountService::loginByUserPwd(const QString &user, const QString &password)
{
    KV_LOG_INFO("login by password for \"%s\"", KV_CSTR(user));
    if (user.trimmed().isEmpty() || password.isEmpty()) {
        KV_LOG_ERROR("login by password needs a user name and a password");
        return false;
    }
    return login({user.trimmed(), user.trimmed(), randomToken()}, KvTCIDEvent::kLoginByUserPwd, true);
}

bool IKvAccountService::loginByCode(const QString &code)
{
    KV_LOG_INFO("login by web code (%d characters)", int(code.size()));
    if (code.trimmed().isEmpty()) {
        KV_LOG_ERROR("login by web code needs a code");
        return false;
    }
    // Without a server to name the user, the code stands for a stable id.
    const QString id = QStringLiteral("web-")
        + QString::fromLatin1(QCryptographicHash::hash(code.trimmed().toUtf8(), QCryptographicHash::Sha1).toHex().left(12));
    return login({id, id, randomToken()}, KvTCIDEvent::kLoginByCode, true);
}

bool IKvAccountService::login(const KvAccountUser &user, int how, bool byUser)
{
    if (!m_nextLoginResult) {
        m_nextLoginResult = true;
        KV_LOG_ERROR("login of \"%s\" refused", KV_CSTR(user.userId));
        notifyObservers({KvTCIDEvent::kLoginFailed, KvTCIDEvent::kFailure, how, byUser, QStringLiteral("refused")});
        return false;
    }
    m_user = user;
    m_loggedIn = true;
    KV_LOG_INFO("logged in as \"%s\"", KV_CSTR(user.userId));
    notifyObservers({KvTCIDEvent::kLogin, KvTCIDEvent::kSuccess, how, byUser, user.userId});
    emit sigLoginStateChanged(true);
    return true;
}

void IKvAccountService::logout()
{
    if (!isLoggedIn()) {
        KV_LOG_INFO("logout: nobody is logged in");
        return;
    }
    const QString userId = m_user.userId;
    KV_LOG_INFO("logout of \"%s\"", KV_CSTR(userId));
    m_user = {};
    m_loggedIn = false;
    notifyObservers({KvTCIDEvent::kLogout, KvTCIDEvent::kSuccess, 0, true, userId});
    emit sigLoginStateChanged(false);
}

QString IKvAccountService::accountInfoText() const
{
    if (!isLoggedIn())
        return tr("Not signed in");
    return tr("Signed in as %1").arg(m_user.userName);
}

void IKvAccountService::addObserver(IKvTCIDEventObserver *observer)
{
    if (!observer || std::find(m_observers.begin(), m_observers.end(), observer) != m_observers.end())
        return;
    m_observers.push_back(observer);
}

void IKvAccountService::removeObserver(IKvTCIDEventObserver *observer)
{
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer), m_observers.end());
}

void IKvAccountService::notifyObservers(const KvTCIDEvent &event)
{
    KV_LOG_INFO("account event: kind %d, code %d, sub code %d, flag %d", event.kind, event.code, event.subCode,
                int(event.flag));
    const std::vector<IKvTCIDEventObserver *> observers = m_observers;
    for (IKvTCIDEventObserver *observer : observers) {
        // An earlier observer may have removed this one.
        if (std::find(m_observers.begin(), m_observers.end(), observer) != m_observers.end())
            observer->onTCIDEvent(event);
    }
}
