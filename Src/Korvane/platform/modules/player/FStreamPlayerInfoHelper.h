#pragma once

#include <QList>
#include <QPointer>

class IKvMediaPlayer;

template <class T>
class KvLazySingleton;

// Keeps track of the media players of the pages that stream previews (start
// page, template views). quit() stops all of them, so a page that is being
// left holds no playback while the next page is built. GUI thread only.
class FStreamPlayerInfoHelper
{
public:
    static FStreamPlayerInfoHelper *getInstance();
    // Stops every tracked player and marks the helper uninitialised; nothing
    // when the helper was never created.
    static void quit();

    void init();
    bool isInitialized() const { return m_initialized; }

    void addPlayer(IKvMediaPlayer *player);
    int playerCount() const;

private:
    friend class KvLazySingleton<FStreamPlayerInfoHelper>;
    FStreamPlayerInfoHelper() = default;

    bool m_initialized = false;
    QList<QPointer<IKvMediaPlayer>> m_players;
};
