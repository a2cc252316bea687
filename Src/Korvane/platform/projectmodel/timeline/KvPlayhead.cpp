#include "KvPlayhead.h"

KvPlayhead::KvPlayhead(QObject *parent)
    : QObject(parent)
{
}

void KvPlayhead::setPosition(qint64 ms)
{
    const qint64 position = qMax<qint64>(0, ms);
    if (position == m_position)
        return;
    m_position = position;
    emit sigPositionChanged(position);
}
