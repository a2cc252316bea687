#pragma once

#include "IKvTCIDEventObserver.h"

#include <QObject>

#include <functional>

class KvVelloqHelper;
class QWidget;

// The user's account as the pages see it: restoring the last login at
// start, the login, account and logout requests of the pages, and what an
// account event changes (the stored token, the user id of the recent list
// and the start page, the cloud storage's user, the message caddy).
// GUI thread only.
class FAccountSession : public QObject, public IKvTCIDEventObserver
{
    Q_OBJECT

public:
    // `currentPage` gives the window dialogs are shown over; may return null.
    explicit FAccountSession(std::function<QWidget *()> currentPage, QObject *parent = nullptr);

    bool isLoggedIn() const;

    // Restores the last login: the account service's own, the stored token,
    // or the companion launcher's user. False when nobody is logged in.
    bool autoLogin(const KvVelloqHelper &launcher);
    // Start-up without a login: the message caddy loads as a guest.
    void startCaddyAsGuest();
    bool isCaddyStarted() const { return m_caddyStarted; }

    // The account button: the account dialog for a user, else the login.
    void showAccount();
    // The login pages, unless a user is logged in already.
    void showLoginDialog();
    // Logs out after `pageAgrees` (the page may veto, e.g. an unsaved
    // project) and the network check. False when nothing happened.
    bool logout(const std::function<bool()> &pageAgrees);

    void onTCIDEvent(const KvTCIDEvent &event) override;

    // Whether an event makes the message caddy load (or reload) its messages.
    static bool refreshesCaddy(const KvTCIDEvent &event);

signals:
    // The logged-in user changed; empty after a logout.
    void sigUserIdChanged(const QString &userId);
    // The account dialog asked for the effect store.
    void sigVendaraEffect();

private:
    void updateCaddy(const KvTCIDEvent &event);

    std::function<QWidget *()> m_currentPage;
    bool m_caddyStarted = false;
};
