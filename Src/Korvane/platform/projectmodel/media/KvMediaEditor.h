#pragma once

#include <QObject>

// What the user is working on: a clip of the timeline or a medium of the
// library (previewed). The player shows it and the property panel edits
// it. Setting one clears the other. GUI thread only.
class KvMediaEditor : public QObject
{
    Q_OBJECT

public:
    explicit KvMediaEditor(QObject *parent = nullptr);

    // -1 for none.
    void setCurrentClip(int clipIndex);
    void setCurrentMedia(int mediaId);
    void clear();
    int currentClip() const { return m_clip; }
    int currentMedia() const { return m_media; }
    // The medium chosen last, kept when a clip is chosen after it (what an
    // "add to timeline" places); -1 until one is chosen.
    int lastMedia() const { return m_lastMedia; }

signals:
    void sigCurrentChanged();

private:
    void set(int clip, int media);

    int m_clip = -1;
    int m_media = -1;
    int m_lastMedia = -1;
};
