#include "KvPlayheadConnector.h"

#include "KvBoolGuards.h"
#include "KvPlayhead.h"

KvPlayheadConnector::KvPlayheadConnector(QObject *parent)
    : QObject(parent)
{
}

KvPlayheadConnector::~KvPlayheadConnector()
{
    clear();
}

void KvPlayheadConnector::clear()
{
    for (const Entry &entry : qAsConst(m_entries))
        disconnect(entry.connection);
    m_entries.clear();
}

void KvPlayheadConnector::addPlayhead(KvPlayhead *playhead, int kind)
{
    if (!playhead)
        return;
    for (const Entry &entry : qAsConst(m_entries)) {
        if (entry.playhead == playhead)
            return;
    }
    Entry entry{playhead, kind, {}};
    entry.connection = connect(playhead, &KvPlayhead::sigPositionChanged, this,
                               [this, playhead](qint64 ms) { follow(playhead, ms); });
    m_entries << entry;
}

void KvPlayheadConnector::setEnabled(bool enabled)
{
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    if (!enabled)
        return;
    KvPlayhead *leader = playhead(KindTimeline);
    if (!leader && !m_entries.isEmpty())
        leader = m_entries.first().playhead;
    if (leader)
        follow(leader, leader->position());
}

int KvPlayheadConnector::count() const
{
    int alive = 0;
    for (const Entry &entry : m_entries)
        alive += entry.playhead ? 1 : 0;
    return alive;
}

KvPlayhead *KvPlayheadConnector::playhead(int kind) const
{
    for (const Entry &entry : m_entries) {
        if (entry.kind == kind && entry.playhead)
            return entry.playhead;
    }
    return nullptr;
}

void KvPlayheadConnector::follow(KvPlayhead *source, qint64 position)
{
    if (!m_enabled || m_syncing)
        return;
    KvBoolGuards guard(m_syncing);
    for (const Entry &entry : qAsConst(m_entries)) {
        if (entry.playhead && entry.playhead != source)
            entry.playhead->setPosition(position);
    }
}
