#include "FIPCEvents.h"

FIPCWebLoginFinishedEvent::FIPCWebLoginFinishedEvent(const QString &authCode)
    : KvIPCEvent(FIPCEventId::WebLoginFinished, {{QStringLiteral("authCode"), authCode}})
{
}

FIPCChangeBackBtnStateEvent::FIPCChangeBackBtnStateEvent(bool visible)
    : KvIPCEvent(FIPCEventId::ChangeBackBtnState, {{QStringLiteral("visible"), visible}})
{
}

FIPCWebCallbackEvent::FIPCWebCallbackEvent(const QString &action, const QString &params)
    : KvIPCEvent(FIPCEventId::WebCallback, {{QStringLiteral("action"), action}, {QStringLiteral("params"), params}})
{
}

FIPCSkinEvent::FIPCSkinEvent(int skinKind, const QString &fontFamily)
    : KvIPCEvent(FIPCEventId::Skin, {{QStringLiteral("skin"), skinKind}, {QStringLiteral("font"), fontFamily}})
{
}

FIPCProxyEvent::FIPCProxyEvent(int type, const QString &host, int port, const QString &user,
                               const QString &password)
    : KvIPCEvent(FIPCEventId::Proxy, {{QStringLiteral("type"), type},
                                      {QStringLiteral("host"), host},
                                      {QStringLiteral("port"), port},
                                      {QStringLiteral("user"), user},
                                      {QStringLiteral("password"), password}})
{
}

FIPCLoginStateChangedEvent::FIPCLoginStateChangedEvent(int stateType, bool succeeded)
    : KvIPCEvent(FIPCEventId::LoginStateChanged,
                 {{QStringLiteral("type"), stateType}, {QStringLiteral("succeeded"), succeeded}})
{
}
