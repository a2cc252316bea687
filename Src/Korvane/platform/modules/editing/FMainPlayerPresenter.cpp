#include "FMainPlayerPresenter.h"

#include "FColorMatchPresenter.h"
#include "IKvBaseLog.h"
#include "KvActionManager.h"
#include "KvDataMessage.h"
#include "KvEditingMessageId.h"
#include "KvMessage.h"
#include "KvProjectPlayer.h"

FMainPlayerPresenter::FMainPlayerPresenter(KvProjectPlayer *player, KvMediaEditor *mediaEditor, QObject *parent)
    : KvPresenter(parent)
    , m_player(player)
    , m_editor(mediaEditor)
    , m_colorMatch(new FColorMatchPresenter(this))
{
}

bool FMainPlayerPresenter::play()
{
    return m_player && m_player->play();
}

void FMainPlayerPresenter::pause()
{
    if (m_player)
        m_player->pause();
}

void FMainPlayerPresenter::stop()
{
    if (m_player)
        m_player->stop();
}

bool FMainPlayerPresenter::isPlaying() const
{
    return m_player && m_player->isPlaying();
}

bool FMainPlayerPresenter::isMute() const
{
    return m_player && m_player->isMute();
}

void FMainPlayerPresenter::setMute(bool mute)
{
    if (m_player)
        m_player->setMute(mute);
}

int FMainPlayerPresenter::volume() const
{
    return m_player ? m_player->volume() : 0;
}

void FMainPlayerPresenter::setVolume(int volume)
{
    if (m_player)
        m_player->setVolume(volume);
}

void FMainPlayerPresenter::setEditingMode(bool editing)
{
    if (m_editingMode == editing)
        return;
    m_editingMode = editing;
    emit sigEditingModeChanged(editing);
}

bool FMainPlayerPresenter::dispatchMessage(KvMessage *message)
{
    if (!message)
        return false;
    switch (message->code()) {
    case KvEditingMessageId::PlayerPlay:
        if (!play())
            KV_LOG_INFO("nothing to play");
        return true;
    case KvEditingMessageId::PlayerStop:
        stop();
        return true;
    case KvEditingMessageId::PlayerRefresh:
        emit sigRefresh();
        return true;
    case KvEditingMessageId::EndColorMatch:
        m_colorMatch->endMatching();
        return true;
    case KvEditingMessageId::IsPlayerPlaying:
        message->setAnswer(isPlaying());
        return true;
    case KvActionManager::kRunActionMessage:
        if (const auto *run = dynamic_cast<KvDataMessage *>(message))
            return runAction(run->data().toInt());
        return false;
    default:
        return KvPresenter::dispatchMessage(message);
    }
}

bool FMainPlayerPresenter::runAction(int actionId)
{
    KvActionManager *actions = KvActionManager::instance();
    if (actions->targetOf(actionId) != KvActionTarget::Player)
        return false;
    KV_LOG_INFO("Player: %s (action %d)", KV_CSTR(actions->getSourceText(actionId)), actionId);
    switch (actionId) {
    case KvActionId::PlayPause:
        if (isPlaying())
            pause();
        else if (!play())
            KV_LOG_INFO("Player: nothing to play");
        break;
    case KvActionId::Stop:
        stop();
        break;
    default:
        KV_LOG_INFO("Player: \"%s\" needs the editing engine's picture; nothing done",
                    KV_CSTR(actions->getSourceText(actionId)));
    }
    return true;
}
