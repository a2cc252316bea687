#pragma once

#include "KvEditingMessageId.h"
#include "KvMessage.h"

// A recording on the timeline (voice-over): phase Start at the playhead,
// Progress with the recorded position, Finish with the media library item
// of the recorded file, which the timeline places where the recording
// started. The timeline marks it handled.
class KvTimelineRecordingMessage : public KvMessage
{
public:
    enum Phase { Start = 0, Progress = 1, Finish = 2 };

    explicit KvTimelineRecordingMessage(int phase, qint64 position = 0, int mediaItem = -1)
        : KvMessage(KvEditingMessageId::TimelineRecording)
        , m_phase(phase)
        , m_position(position)
        , m_mediaItem(mediaItem)
    {
    }

    int phase() const { return m_phase; }
    // Milliseconds recorded so far (Progress).
    qint64 position() const { return m_position; }
    // The media library id of the recorded file (Finish); -1 for none.
    int mediaItem() const { return m_mediaItem; }

private:
    int m_phase;
    qint64 m_position;
    int m_mediaItem;
};
