#include "FIPCLoginWidget.h"

#include "FIPCEvents.h"
#include "IKvAccountService.h"
#include "IKvBaseLog.h"
#include "KvIPCProtocol.h"

FIPCLoginWidget::FIPCLoginWidget(QWidget *parent)
    : KvIPCWidget(parent)
    , m_state(IKvAccountService::getInstance()->isLoggedIn() ? SignedIn : SignedOut)
{
    setObjectName(QStringLiteral("FIPCLoginWidget"));
    IKvAccountService::getInstance()->addObserver(this);
    connect(this, &KvIPCWidget::sigPageLoaded, this, [this] {
        if (task())
            KV_LOG_INFO("%s", KV_CSTR(QStringLiteral("Login spend %1 msec").arg(task()->elapsedMs())));
    });
}

FIPCLoginWidget::~FIPCLoginWidget()
{
    IKvAccountService::getInstance()->removeObserver(this);
}

void FIPCLoginWidget::processEvent(KvIPCEvent *event)
{
    if (event->number() < KvIPC::kFirstUserEvent) {
        KvIPCWidget::processEvent(event);
        return;
    }
    switch (event->number()) {
    case FIPCEventId::WebLoginFinished:
        if (auto *finished = dynamic_cast<FIPCWebLoginFinishedEvent *>(event))
            IKvAccountService::getInstance()->loginByCode(finished->authCode());
        break;
    case FIPCEventId::ChangeBackBtnState:
        if (auto *back = dynamic_cast<FIPCChangeBackBtnStateEvent *>(event))
            emit sigChangeBackBtnState(back->visible());
        break;
    default:
        break;
    }
}

void FIPCLoginWidget::onTCIDEvent(const KvTCIDEvent &event)
{
    int state = m_state;
    switch (event.kind) {
    case KvTCIDEvent::kLogin:
        state = SignedIn;
        break;
    case KvTCIDEvent::kLoginFailed:
        state = SignInFailed;
        break;
    case KvTCIDEvent::kLogout:
        state = SignedOut;
        break;
    case KvTCIDEvent::kDeviceLimit:
        state = DeviceLimited;
        break;
    case KvTCIDEvent::kTokenRefreshed:
        if (event.code == KvTCIDEvent::kTokenExpired)
            state = Expired;
        break;
    default:
        break;
    }
    onAuthStateChanged(m_state, state, event.code);
}

int FIPCLoginWidget::stateTypeFor(int oldState, int newState)
{
    if ((newState == SignedOut && oldState < Expired) || newState == SignedIn)
        return StateSignedInOrOut;
    if (newState == DeviceLimited)
        return StateDevice;
    return StateOther;
}

void FIPCLoginWidget::onAuthStateChanged(int oldState, int newState, int result)
{
    if (oldState == newState)
        return;
    m_state = newState;
    KV_LOG_INFO("Auth state changed, result: %d, oldState: %d, newState: %d", result, oldState, newState);
    if (!task())
        return;
    const int type = stateTypeFor(oldState, newState);
    FIPCLoginStateChangedEvent event(type, result == KvTCIDEvent::kSuccess);
    event.setState(newState);
    if (type == StateDevice) {
        event.setDeviceLimit(newState == DeviceLimited);
        event.setDeviceAuth(IKvAccountService::getInstance()->isLoggedIn());
    }
    task()->sendEvent(event);
}
