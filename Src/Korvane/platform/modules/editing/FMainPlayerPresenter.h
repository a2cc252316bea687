#pragma once

#include "KvMediaEditor.h"
#include "KvProjectPlayer.h"
#include "KvPresenter.h"

#include <QPointer>

class FColorMatchPresenter;

// Presenter of the player module (view type 3) over the project's player
// and media editor. It handles the playback messages of the scene:
// PlayerPlay, PlayerStop, PlayerRefresh, EndColorMatch and the
// IsPlayerPlaying query (KvEditingMessageId).
class FMainPlayerPresenter : public KvPresenter
{
    Q_OBJECT

public:
    FMainPlayerPresenter(KvProjectPlayer *player, KvMediaEditor *mediaEditor, QObject *parent = nullptr);

    KvProjectPlayer *player() const { return m_player; }
    KvMediaEditor *mediaEditor() const { return m_editor; }
    FColorMatchPresenter *colorMatchPresenter() const { return m_colorMatch; }

    bool play();
    void pause();
    void stop();
    bool isPlaying() const;
    bool isMute() const;
    void setMute(bool mute);
    int volume() const;
    void setVolume(int volume);

    // In editing mode the player shows the clip being edited (for the text
    // and split-screen tools) instead of the whole timeline.
    bool isEditingMode() const { return m_editingMode; }
    void setEditingMode(bool editing);

    // Runs a self-running action of the player (KvActionManager): Play/Pause
    // and Stop; false for an action the player does not run.
    bool runAction(int actionId);

    bool dispatchMessage(KvMessage *message) override;

signals:
    void sigEditingModeChanged(bool editing);
    // The picture should be drawn again.
    void sigRefresh();

private:
    QPointer<KvProjectPlayer> m_player;
    QPointer<KvMediaEditor> m_editor;
    FColorMatchPresenter *m_colorMatch;
    bool m_editingMode = false;
};
