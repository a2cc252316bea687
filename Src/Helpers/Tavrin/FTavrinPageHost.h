#pragma once

#include "KvIPCEvent.h"

#include <QMap>
#include <QObject>
#include <QPointer>

class KvIPCClient;
class QWidget;

// Keeps one window per task the editor creates and answers the editor's
// events: the page's window id and its load, the login page's code and back
// button, closing, skin and proxy. What it receives is logged.
//
// KV_TAVRIN_SIGN_IN=<user>:<password> signs in on every login page once it
// has loaded, as a user would (for tests).
class FTavrinPageHost : public QObject
{
    Q_OBJECT

public:
    explicit FTavrinPageHost(KvIPCClient *client, QObject *parent = nullptr);
    ~FTavrinPageHost() override;

    void onEvent(quint32 task, const KvIPCEventPtr &event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createPage(quint32 task, const QJsonObject &params);
    void finishPage(quint32 task);
    void closePage(quint32 task);
    void applySkin(const QJsonObject &params);
    void applyProxy(const QJsonObject &params);

    KvIPCClient *m_client;
    QMap<quint32, QPointer<QWidget>> m_pages;
    bool m_enabled = true;
};
