#include "FStreamPlayerInfoHelper.h"

#include "IKvBaseLog.h"
#include "IKvMediaPlayer.h"
#include "KvLazySingleton.h"

FStreamPlayerInfoHelper *FStreamPlayerInfoHelper::getInstance()
{
    return KvLazySingleton<FStreamPlayerInfoHelper>::instance();
}

void FStreamPlayerInfoHelper::quit()
{
    if (!KvLazySingleton<FStreamPlayerInfoHelper>::exists())
        return;
    FStreamPlayerInfoHelper *helper = getInstance();
    int stopped = 0;
    for (const QPointer<IKvMediaPlayer> &player : qAsConst(helper->m_players)) {
        if (player && player->isPlaying()) {
            player->stop();
            ++stopped;
        }
    }
    helper->m_players.removeAll(nullptr);
    helper->m_initialized = false;
    KV_LOG_INFO("stream players quit, %d stopped", stopped);
}

void FStreamPlayerInfoHelper::init()
{
    if (m_initialized)
        return;
    m_initialized = true;
    KV_LOG_INFO("stream players ready");
}

void FStreamPlayerInfoHelper::addPlayer(IKvMediaPlayer *player)
{
    m_players.removeAll(nullptr);
    if (player)
        m_players << player;
}

int FStreamPlayerInfoHelper::playerCount() const
{
    int count = 0;
    for (const QPointer<IKvMediaPlayer> &player : m_players)
        count += player ? 1 : 0;
    return count;
}
