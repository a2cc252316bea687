#include "IKvMediaPlayer.h"

#include "FStreamPlayerInfoHelper.h"
#include "IKvBaseLog.h"

#include <QFileInfo>

IKvMediaPlayer::IKvMediaPlayer(QObject *parent)
    : QObject(parent)
{
}

bool IKvMediaPlayer::play(const QString &path)
{
    if (!QFileInfo(path).isFile()) {
        KV_LOG_ERROR("media player: no file \"%s\"", KV_CSTR(path));
        return false;
    }
    m_path = path;
    if (!m_playing) {
        m_playing = true;
        emit sigPlayingChanged(true);
    }
    return true;
}

void IKvMediaPlayer::stop()
{
    if (!m_playing)
        return;
    m_playing = false;
    emit sigPlayingChanged(false);
}

IKvMediaPlayer *createMediaPlayer(QObject *owner)
{
    auto *player = new IKvMediaPlayer(owner);
    FStreamPlayerInfoHelper::getInstance()->addPlayer(player);
    return player;
}

void releaseMediaPlayer(IKvMediaPlayer *player)
{
    if (!player)
        return;
    player->stop();
    player->deleteLater();
}
