#include "FUpdateProjectEditorPlayer.h"

#include "IKvBaseLog.h"
#include "IKvMediaPlayer.h"
#include "IKvProjectManager.h"

FUpdateProjectEditorPlayer::FUpdateProjectEditorPlayer(QObject *owner)
    : m_anchor(owner ? nullptr : std::make_unique<QObject>())
    , m_player(createMediaPlayer(owner ? owner : m_anchor.get()))
{
    IKvProjectManager *manager = IKvProjectManager::getInstance();
    manager->setEditorPlayer(m_player);
    // A scene entered from the start page is built before its project is
    // opened; the manager binds the player when that project is made
    // current, and the page manager confirms it once the open is done.
    if (manager->currentProject())
        updateProjectEditorPlayer();
    else
        KV_LOG_TRACE("editor player waits for the project");
}

FUpdateProjectEditorPlayer::~FUpdateProjectEditorPlayer()
{
    if (!m_player)
        return;
    m_player->stop();
    // At shutdown the manager may be gone already; never make a new one here.
    if (IKvProjectManager::hasInstance()) {
        IKvProjectManager *manager = IKvProjectManager::getInstance();
        if (manager->editorPlayer() == m_player)
            manager->setEditorPlayer(nullptr);
    }
    releaseMediaPlayer(m_player);
    m_player = nullptr;
}

IKvMediaPlayer *FUpdateProjectEditorPlayer::editorPlayer() const
{
    return m_player.data();
}

void FUpdateProjectEditorPlayer::updateProjectEditorPlayer()
{
    IKvProjectManager *manager = IKvProjectManager::getInstance();
    if (!manager->currentProject()) {
        KV_LOG_ERROR("KV_ACTIVE_PROJECT is null");
        return;
    }
    manager->refreshPlayerBinding();
}
