#pragma once

#include <QString>

// An event of the account service, handed to every IKvTCIDEventObserver.
//   kind     what happened (the constants below)
//   code     0 success, 1 failure
//   subCode  how a login came about (the Login... constants), else 0
//   flag     the user asked for it (a login form), not an automatic login
//   text     the user id concerned, or the reason of a failure
struct KvTCIDEvent
{
    static constexpr int kLogin = 2;
    static constexpr int kLoginFailed = 3;
    static constexpr int kLogout = 4;
    static constexpr int kUserInfo = 5;
    static constexpr int kDeviceLimit = 10;

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
