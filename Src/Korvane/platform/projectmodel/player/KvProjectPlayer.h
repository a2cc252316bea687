#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>

class IKvTimeline;
class KvPlayhead;

// The project's player: plays the timeline by running its own playhead
// from the current position to the timeline's end. Nothing is decoded; the
// player module draws what lies under the playhead. A timer runs only while
// playing, so an idle editor does not wake. GUI thread only.
class KvProjectPlayer : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool mute READ isMute WRITE setMute NOTIFY sigMuteChanged)
    Q_PROPERTY(int volume READ volume WRITE setVolume NOTIFY sigVolumeChanged)

public:
    explicit KvProjectPlayer(IKvTimeline *timeline, QObject *parent = nullptr);

    // False when there is nothing to play (an empty timeline). At the end
    // it starts again from the beginning.
    bool play();
    void pause();
    // Invokable: the project manager stops the player by name before opens.
    Q_INVOKABLE void stop();
    bool isPlaying() const { return m_timer->isActive(); }
    KvPlayhead *playhead() const { return m_playhead; }
    // Moves the playhead one frame (negative: back), within the timeline.
    void stepFrames(int frames);

    bool isMute() const { return m_mute; }
    void setMute(bool mute);
    // 0 to 100.
    int volume() const { return m_volume; }
    void setVolume(int volume);
    // While the audio mixer is open the player is held there.
    void setMixerState(bool inMixer);
    bool isInMixerState() const { return m_inMixer; }

signals:
    void sigPlayingChanged(bool playing);
    void sigMuteChanged(bool mute);
    void sigVolumeChanged(int volume);

private:
    void tick();
    qint64 end() const;

    QPointer<IKvTimeline> m_timeline;
    KvPlayhead *m_playhead;
    // Parented, so that a move to the GUI thread takes it along.
    QTimer *m_timer;
    QElapsedTimer m_clock;
    qint64 m_startPosition = 0;
    int m_volume = 100;
    bool m_mute = false;
    bool m_inMixer = false;
};
