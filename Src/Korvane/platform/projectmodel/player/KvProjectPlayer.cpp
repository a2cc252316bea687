#include "KvProjectPlayer.h"

#include "IKvTimeline.h"
#include "KvPlayhead.h"
#include "KvTimecode.h"

KvProjectPlayer::KvProjectPlayer(IKvTimeline *timeline, QObject *parent)
    : QObject(parent)
    , m_timeline(timeline)
    , m_playhead(new KvPlayhead(this))
    , m_timer(new QTimer(this))
{
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &KvProjectPlayer::tick);
}

bool KvProjectPlayer::play()
{
    const qint64 last = end();
    if (last <= 0)
        return false;
    if (isPlaying())
        return true;
    if (m_playhead->position() >= last)
        m_playhead->setPosition(0);
    m_startPosition = m_playhead->position();
    m_clock.start();
    m_timer->start(int(KvTimecode::frameDuration(m_timeline ? m_timeline->frameRate() : 30.0)));
    emit sigPlayingChanged(true);
    return true;
}

void KvProjectPlayer::pause()
{
    if (!isPlaying())
        return;
    m_timer->stop();
    emit sigPlayingChanged(false);
}

void KvProjectPlayer::stop()
{
    pause();
}

void KvProjectPlayer::stepFrames(int frames)
{
    pause();
    const double rate = m_timeline ? m_timeline->frameRate() : 30.0;
    m_playhead->setPosition(qMin(KvTimecode::stepFrames(m_playhead->position(), frames, rate), end()));
}

void KvProjectPlayer::setMute(bool mute)
{
    if (m_mute == mute)
        return;
    m_mute = mute;
    emit sigMuteChanged(mute);
}

void KvProjectPlayer::setVolume(int volume)
{
    const int bounded = qBound(0, volume, 100);
    if (bounded == m_volume)
        return;
    m_volume = bounded;
    emit sigVolumeChanged(bounded);
}

void KvProjectPlayer::setMixerState(bool inMixer)
{
    if (inMixer)
        pause();
    m_inMixer = inMixer;
}

void KvProjectPlayer::tick()
{
    const qint64 last = end();
    const qint64 position = m_startPosition + m_clock.elapsed();
    if (position >= last) {
        m_playhead->setPosition(last);
        pause();
        return;
    }
    m_playhead->setPosition(position);
}

qint64 KvProjectPlayer::end() const
{
    return m_timeline ? m_timeline->endLimit() : 0;
}
