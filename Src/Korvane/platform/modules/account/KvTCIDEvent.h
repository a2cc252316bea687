#pragma once

#include <QString>

// An event of the account service, handed to every IKvTCIDEventObserver.
//   kind     what happened (the kinds below)
//   code     how it ended (the response codes below)
//   subCode  how a login came about (the Login... constants), else 0
//   flag     the user asked for it (a login form), not an automatic login
//   text     the user id concerned, or the reason of a failure
// Every number an observer looks at is named here; the numbers are the
// account server's and must not change.
struct KvTCIDEvent
{
    // Kinds.
    static constexpr int kAccountChecked = 0;   // the stored session was checked with the server
    static constexpr int kTokenRefreshed = 1;   // the session token was renewed
    static constexpr int kLogin = 2;
    static constexpr int kLoginFailed = 3;
    static constexpr int kLogout = 4;
    static constexpr int kUserInfo = 5;         // the account's profile arrived
    static constexpr int kMembershipChanged = 9;
    static constexpr int kDeviceLimit = 10;     // too many devices use the account

    // Response codes.
    static constexpr int kSuccess = 0;
    static constexpr int kFailure = 1;
    static constexpr int kPending = 2;          // the server finishes it later
    static constexpr int kTokenExpired = 4;
    static constexpr int kSignedInElsewhere = 7;
    static constexpr int kDeviceChanged = 11;
    static constexpr int kServerError = 1000;

    // Sub codes of kLogin and kLoginFailed.
    static constexpr int kLoginByToken = 1;
    static constexpr int kLoginByUserPwd = 2;
    static constexpr int kLoginByCode = 3;
    static constexpr int kLoginRestored = 4;

    int kind = 0;
    int code = 0;
    int subCode = 0;
    bool flag = false;
    QString text;
};
