#include "KvMediaEditor.h"

KvMediaEditor::KvMediaEditor(QObject *parent)
    : QObject(parent)
{
}

void KvMediaEditor::setCurrentClip(int clipIndex)
{
    set(qMax(-1, clipIndex), -1);
}

void KvMediaEditor::setCurrentMedia(int mediaId)
{
    set(-1, qMax(-1, mediaId));
}

void KvMediaEditor::clear()
{
    m_lastMedia = -1;
    set(-1, -1);
}

void KvMediaEditor::set(int clip, int media)
{
    if (media >= 0)
        m_lastMedia = media;
    if (clip == m_clip && media == m_media)
        return;
    m_clip = clip;
    m_media = media;
    emit sigCurrentChanged();
}
