#pragma once

#include <QObject>

// A position in milliseconds on a timeline, shared by whoever shows or moves
// it (the timeline's ruler, the player's timecode). GUI thread only.
class KvPlayhead : public QObject
{
    Q_OBJECT

public:
    explicit KvPlayhead(QObject *parent = nullptr);

    qint64 position() const { return m_position; }
    // Negative positions count as 0; an unchanged position is not announced.
    void setPosition(qint64 ms);

signals:
    void sigPositionChanged(qint64 ms);

private:
    qint64 m_position = 0;
};
