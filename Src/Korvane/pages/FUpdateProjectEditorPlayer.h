#pragma once

#include <QPointer>

#include <memory>

class IKvMediaPlayer;
class QObject;

// Mixed into a scene: the scene's media player, handed to the project model
// for as long as the scene lives, and bound to the current project.
class FUpdateProjectEditorPlayer
{
public:
    // The player belongs to `owner`; without one, to this mix-in.
    explicit FUpdateProjectEditorPlayer(QObject *owner = nullptr);
    virtual ~FUpdateProjectEditorPlayer();

    FUpdateProjectEditorPlayer(const FUpdateProjectEditorPlayer &) = delete;
    FUpdateProjectEditorPlayer &operator=(const FUpdateProjectEditorPlayer &) = delete;

    IKvMediaPlayer *editorPlayer() const;

protected:
    // Binds the player to the current project; without one it stays unbound.
    void updateProjectEditorPlayer();

private:
    // Owns the player when the scene gave no owner, so that it never
    // outlives the scene (its release is deferred to an event loop that may
    // not run again at shutdown).
    std::unique_ptr<QObject> m_anchor;
    QPointer<IKvMediaPlayer> m_player;
};
