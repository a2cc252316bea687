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
    // The player belongs to `owner`; without one, to this mix-in. It is
    // handed to the project manager, which binds it to the project current
    // now or made current later.
    explicit FUpdateProjectEditorPlayer(QObject *owner = nullptr);
    virtual ~FUpdateProjectEditorPlayer();

    FUpdateProjectEditorPlayer(const FUpdateProjectEditorPlayer &) = delete;
    FUpdateProjectEditorPlayer &operator=(const FUpdateProjectEditorPlayer &) = delete;

    IKvMediaPlayer *editorPlayer() const;

    // Binds the player to the current project; without one it stays unbound
    // and the missing project is logged. Called once the scene's project is
    // open: a scene built with a project binds it at construction.
    void updateProjectEditorPlayer();

private:
    // Owns the player when the scene gave no owner, so that it never
    // outlives the scene (its release is deferred to an event loop that may
    // not run again at shutdown).
    std::unique_ptr<QObject> m_anchor;
    QPointer<IKvMediaPlayer> m_player;
};
