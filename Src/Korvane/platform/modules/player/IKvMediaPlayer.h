#pragma once

#include <QObject>
#include <QString>

// A media player of the player library. This platform decodes no media: a
// player knows what it plays and whether it is playing, which is what the
// editor's pages steer. GUI thread only.
class IKvMediaPlayer : public QObject
{
    Q_OBJECT

public:
    explicit IKvMediaPlayer(QObject *parent = nullptr);

    // False (logged) when the file does not exist.
    bool play(const QString &path);
    // Invokable: the project manager stops the editor's player by name,
    // below the player library.
    Q_INVOKABLE void stop();
    bool isPlaying() const { return m_playing; }
    QString mediaPath() const { return m_path; }

signals:
    void sigPlayingChanged(bool playing);

private:
    QString m_path;
    bool m_playing = false;
};

// The player belongs to `owner` (deleted with it) unless released before.
IKvMediaPlayer *createMediaPlayer(QObject *owner);
// Stops the player and deletes it on the next event-loop turn.
void releaseMediaPlayer(IKvMediaPlayer *player);
