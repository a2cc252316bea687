#include "FAccountSession.h"

#include "FAccountInfoDlg.h"
#include "FActiveDeviceLimitHelper.h"
#include "FCaddyMessageModel.h"
#include "FLoginTokenStore.h"
#include "FNetworkProxySetting.h"
#include "FPageNotices.h"
#include "FUserAccountPages.h"
#include "IKvAccountService.h"
#include "IKvBaseLog.h"
#include "IKvProjectRecentManager.h"
#include "KvCloudDisk.h"
#include "KvElapsedTimer.h"
#include "KvVelloqHelper.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPointer>
#include <QTimer>

FAccountSession::FAccountSession(std::function<QWidget *()> currentPage, QObject *parent)
    : QObject(parent)
    , m_currentPage(std::move(currentPage))
{
}

bool FAccountSession::isLoggedIn() const
{
    return IKvAccountService::getInstance()->isLoggedIn();
}

bool FAccountSession::autoLogin(const KvVelloqHelper &launcher)
{
    IKvAccountService *account = IKvAccountService::getInstance();
    const IKvAccountService::KvAccountUser user = account->currentUser();
    if (!user.token.isEmpty() && !user.userName.isEmpty())
        return account->restoreLogin();

    QByteArray token;
    QString userId;
    if (FLoginTokenStore::load(&token, &userId))
        return account->loginByToken(token, userId);
    if (launcher.isAppStartByVelloq()) {
        const QPair<QString, QString> pair = launcher.getUserPwdPair();
        if (!pair.first.isEmpty() && !pair.second.isEmpty())
            return account->loginByUserPwd(pair.first, pair.second);
    }
    KV_LOG_INFO("nobody is logged in");
    return false;
}

void FAccountSession::startCaddyAsGuest()
{
    m_caddyStarted = true;
    FCaddyMessageModel::instance()->init(false);
}

void FAccountSession::showAccount()
{
    if (!isLoggedIn()) {
        showLoginDialog();
        return;
    }
    FAccountInfoDlg dialog(m_currentPage());
    connect(&dialog, &FAccountInfoDlg::sigVendaraEffect, this, &FAccountSession::sigVendaraEffect);
    dialog.exec();
}

void FAccountSession::showLoginDialog()
{
    if (isLoggedIn())
        return;
    FUserAccountPages *pages = FUserAccountPages::instance();
    connect(pages, &FUserAccountPages::sigProxySetting, this, [this] {
        FNetworkProxySetting dialog(m_currentPage());
        dialog.exec();
    }, Qt::UniqueConnection);
    pages->showLoginFrom(m_currentPage());
}

bool FAccountSession::logout(const std::function<bool()> &pageAgrees)
{
    if (pageAgrees && !pageAgrees()) {
        KV_LOG_INFO("logout refused by the page");
        return false;
    }
    if (!FPageNotices::ensureOnline(m_currentPage()))
        return false;
    IKvAccountService::getInstance()->logout();
    return true;
}

void FAccountSession::onTCIDEvent(const KvTCIDEvent &event)
{
    KvElapsedTimer timer("KorvanePageMgr::checkUpdateCaddyFromLoginState");
    IKvAccountService *account = IKvAccountService::getInstance();
    switch (event.kind) {
    case KvTCIDEvent::kDeviceLimit: {
        // Queued: the account service is still inside its notification.
        QTimer::singleShot(0, this, [this] { FActiveDeviceLimitHelper::showLimitDialog(m_currentPage()); });
        break;
    }
    case KvTCIDEvent::kLogin:
    case KvTCIDEvent::kLogout: {
        const bool login = event.kind == KvTCIDEvent::kLogin;
        const QString userId = login ? account->currentUser().userId : QString();
        IKvProjectRecentManager::getInstance()->setUserId(userId);
        emit sigUserIdChanged(userId);
        // The next start logs in again with what a login leaves here.
        FLoginTokenStore::save(login ? account->currentUser().token.toUtf8() : QByteArray(), userId);
        if (!login) {
            IKvProjectRecentManager::getInstance()->reload();
            getCloudDisk()->reload();
        }
        break;
    }
    case KvTCIDEvent::kUserInfo:
        if (!getCloudDisk()->isBusy())
            getCloudDisk()->setUserInfo(QCoreApplication::applicationName(), QCoreApplication::applicationVersion(),
                                        QLocale().name(), account->currentUser().userName);
        break;
    default:
        break;
    }
    updateCaddy(event);
}

bool FAccountSession::refreshesCaddy(const KvTCIDEvent &event)
{
    const int kind = event.kind;
    const int code = event.code;
    const bool sessionKind = kind == KvTCIDEvent::kAccountChecked || kind == KvTCIDEvent::kTokenRefreshed
        || kind == KvTCIDEvent::kLogout || kind == KvTCIDEvent::kMembershipChanged;
    const bool sessionCode = (code == KvTCIDEvent::kPending && event.flag) || code == KvTCIDEvent::kFailure
        || code == KvTCIDEvent::kTokenExpired || code == KvTCIDEvent::kDeviceChanged
        || code == KvTCIDEvent::kServerError;
    return (sessionKind && sessionCode)
        || (kind == KvTCIDEvent::kTokenRefreshed && code == KvTCIDEvent::kSignedInElsewhere);
}

void FAccountSession::updateCaddy(const KvTCIDEvent &event)
{
    const bool refresh = refreshesCaddy(event);
    FCaddyMessageModel *caddy = FCaddyMessageModel::instance();
    if (refresh) {
        if (!m_caddyStarted) {
            m_caddyStarted = true;
            caddy->init(true);
        } else if (caddy->isInitLoadFinished()) {
            QTimer::singleShot(0, caddy, &FCaddyMessageModel::updateMessages);
        }
    }
    KV_LOG_INFO("ShowCaddyChecked: %d, InitCaddyMsgFinished: %d", int(refresh), int(caddy->isInitLoadFinished()));
}
