#pragma once

#include "IKvTCIDEventObserver.h"

#include <QObject>
#include <QString>

#include <vector>

template <class T>
class KvLazySingleton;

// The user's account. The maker's account server is not reachable from this
// platform, so logins are decided locally: any non-empty credentials succeed
// (unless a test asked for a refusal), the user id is the given id or user
// name, and the session token is random. Every request is logged, passwords
// never. Observers hear kind 2 after a login, 3 after a refused one, 4 after
// a logout (KvTCIDEvent). GUI thread only.
class IKvAccountService : public QObject
{
    Q_OBJECT

public:
    struct KvAccountUser
    {
        QString userId;
        QString userName;
        QString token;
    };

    static IKvAccountService *getInstance();
    static void releaseInstance();

    KvAccountUser currentUser() const { return m_user; }
    bool isLoggedIn() const;

    // Logs the held user in again (a user whose token and name are set).
    // False when there is none.
    bool restoreLogin();
    bool loginByToken(const QByteArray &token, const QString &userId);
    bool loginByUserPwd(const QString &user, const QString &password);
    // `code` is the one-time code of a web login.
    bool loginByCode(const QString &code);
    void logout();

    // One line for the account dialog: who is signed in.
    QString accountInfoText() const;

    // An observer registered twice is called once; removal during a
    // notification takes effect at once.
    void addObserver(IKvTCIDEventObserver *observer);
    void removeObserver(IKvTCIDEventObserver *observer);
    void notifyObservers(const KvTCIDEvent &event);

    // Test seam: the next login attempt is refused when false.
    void setNextLoginResult(bool succeed) { m_nextLoginResult = succeed; }

signals:
    void sigLoginStateChanged(bool loggedIn);

private:
    friend class KvLazySingleton<IKvAccountService>;
    IKvAccountService() = default;

    bool login(const KvAccountUser &user, int how, bool byUser);

    KvAccountUser m_user;
    bool m_loggedIn = false;
    bool m_nextLoginResult = true;
    std::vector<IKvTCIDEventObserver *> m_observers;
};
