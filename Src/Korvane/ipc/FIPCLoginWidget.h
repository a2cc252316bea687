#pragma once

#include "IKvTCIDEventObserver.h"
#include "KvIPCWidget.h"

// The login page of the web helper inside the editor. It hands the page's
// authorisation code to the account service, passes the page's back button
// wish on, and tells the page how the account's state changes, so that the
// page can finish (signed in) or show what went wrong.
class FIPCLoginWidget : public KvIPCWidget, public IKvTCIDEventObserver
{
    Q_OBJECT

public:
    // The account's states as the pages know them.
    enum AuthState {
        SignedOut = 0,
        SignInFailed = 2,
        DeviceLimited = 3,
        SignedIn = 6,
        Expired = 7,
    };
    // What the page is told about a change.
    enum StateType {
        StateSignedInOrOut = 1,
        StateDevice = 2,
        StateOther = 3,
    };

    explicit FIPCLoginWidget(QWidget *parent = nullptr);
    ~FIPCLoginWidget() override;

    void processEvent(KvIPCEvent *event) override;
    void onTCIDEvent(const KvTCIDEvent &event) override;
    void onAuthStateChanged(int oldState, int newState, int result);

    int authState() const { return m_state; }
    // The type a change is told as.
    static int stateTypeFor(int oldState, int newState);

signals:
    void sigChangeBackBtnState(bool visible);

private:
    int m_state;
};
