#pragma once

#include "KvIPCEvent.h"

// The editor's events on the web helper link. The numbers are shared with
// the web helper and must not change; 1001 and 1004 are fixed by the pages.
namespace FIPCEventId {
constexpr quint16 WebLoginFinished = 1001;
constexpr quint16 WebCallback = 1002;
constexpr quint16 ChangeBackBtnState = 1004;
constexpr quint16 Skin = 1010;
constexpr quint16 Proxy = 1011;
constexpr quint16 LoginStateChanged = 1012;
} // namespace FIPCEventId

// helper -> editor: a web login ended with a one-time authorisation code.
class FIPCWebLoginFinishedEvent : public KvIPCEvent
{
public:
    explicit FIPCWebLoginFinishedEvent(const QString &authCode = QString());
    QString authCode() const { return param(QStringLiteral("authCode")).toString(); }
};

// helper -> editor: the page wants its back button shown or hidden.
class FIPCChangeBackBtnStateEvent : public KvIPCEvent
{
public:
    explicit FIPCChangeBackBtnStateEvent(bool visible = false);
    bool visible() const { return param(QStringLiteral("visible")).toBool(); }
};

// helper -> editor: a page called the editor with an action and its parameters.
class FIPCWebCallbackEvent : public KvIPCEvent
{
public:
    FIPCWebCallbackEvent(const QString &action = QString(), const QString &params = QString());
    QString action() const { return param(QStringLiteral("action")).toString(); }
    QString params() const { return param(QStringLiteral("params")).toString(); }
};

// editor -> helper: the skin the pages follow.
class FIPCSkinEvent : public KvIPCEvent
{
public:
    FIPCSkinEvent(int skinKind, const QString &fontFamily);
};

// editor -> helper: the network proxy the pages use.
class FIPCProxyEvent : public KvIPCEvent
{
public:
    FIPCProxyEvent(int type, const QString &host, int port, const QString &user, const QString &password);
};

// editor -> helper: the account's state changed (see FIPCLoginWidget).
class FIPCLoginStateChangedEvent : public KvIPCEvent
{
public:
    FIPCLoginStateChangedEvent(int stateType, bool succeeded);
    void setDeviceLimit(bool limit) { setParam(QStringLiteral("deviceLimit"), limit); }
    void setDeviceAuth(bool auth) { setParam(QStringLiteral("deviceAuth"), auth); }
    void setState(int state) { setParam(QStringLiteral("state"), state); }
    int stateType() const { return param(QStringLiteral("type")).toInt(); }
};
