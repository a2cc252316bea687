#include "FCaddyMessageModel.h"

#include "IKvBaseLog.h"
#include "KvLazySingleton.h"

#include <QTimer>

FCaddyMessageModel *FCaddyMessageModel::instance()
{
    return KvLazySingleton<FCaddyMessageModel>::instance();
}

void FCaddyMessageModel::releaseInstance()
{
    KvLazySingleton<FCaddyMessageModel>::release();
}

void FCaddyMessageModel::init(bool loggedIn)
{
    if (m_initialized) {
        KV_LOG_INFO("caddy messages already initialised");
        return;
    }
    m_initialized = true;
    m_loggedIn = loggedIn;
    KV_LOG_INFO("caddy messages: first load, logged in %d", int(loggedIn));
    QTimer::singleShot(0, this, [this] { load(true); });
}

void FCaddyMessageModel::updateMessages()
{
    if (!m_initLoadFinished) {
        KV_LOG_INFO("caddy messages: update before the first load finished, ignored");
        return;
    }
    KV_LOG_INFO("caddy messages: update");
    QTimer::singleShot(0, this, [this] { load(false); });
}

void FCaddyMessageModel::load(bool first)
{
    m_messages.clear();
    KV_LOG_INFO("caddy messages: no message service on this installation, %d messages", int(m_messages.size()));
    if (first) {
        m_initLoadFinished = true;
        emit sigInitFinished();
    } else {
        emit sigUpdateFinished();
    }
}
