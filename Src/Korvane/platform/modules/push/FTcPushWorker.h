#pragma once

#include "KvTcNativePush.h"

#include <QObject>

// Runs the push client on a thread of its own; reached through custom events
// (KvCustomEventDispatcher) and queued signals only.
class FTcPushWorker : public QObject
{
    Q_OBJECT

public:
    explicit FTcPushWorker(QObject *parent = nullptr);

    const KvTcNativePush &nativePush() const { return m_push; }

public slots:
    void onNotifyTCIDReport();
    void onNotifyTCIDReponse(int code, int subCode, bool flag);

private:
    KvTcNativePush m_push;
};
