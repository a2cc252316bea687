#include "KvClipSelectorConnector.h"

#include "IKvTimeline.h"
#include "KvMediaEditor.h"

KvClipSelectorConnector::KvClipSelectorConnector(QObject *parent)
    : QObject(parent)
{
}

void KvClipSelectorConnector::init(IKvTimeline *timeline, KvMediaEditor *mediaEditor)
{
    disconnect(m_connection);
    m_timeline = timeline;
    m_editor = mediaEditor;
    if (!timeline || !mediaEditor)
        return;
    m_connection =
        connect(timeline, &IKvTimeline::sigSelectionChanged, this, &KvClipSelectorConnector::selectionChanged);
    selectionChanged();
}

void KvClipSelectorConnector::selectionChanged()
{
    if (!m_timeline || !m_editor)
        return;
    const QVector<int> selected = m_timeline->selectedClips();
    if (selected.size() == 1)
        m_editor->setCurrentClip(selected.first());
    else if (m_editor->currentClip() >= 0)
        m_editor->clear();
}
