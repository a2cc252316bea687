#pragma once

#include <QObject>
#include <QPointer>
#include <QVector>

class KvPlayhead;

// Keeps playheads in step: while enabled, a move of any of them moves the
// others to the same position. Playheads are not owned; one destroyed is
// forgotten. Disabled, each moves on its own (a recording drives the
// timeline's playhead without the player following). GUI thread only.
class KvPlayheadConnector : public QObject
{
    Q_OBJECT

public:
    // Kinds the editor registers its playheads under.
    enum Kind { KindTimeline = 1, KindPlayer = 2 };

    explicit KvPlayheadConnector(QObject *parent = nullptr);
    ~KvPlayheadConnector() override;

    void clear();
    // A playhead already added is not added twice. The others follow it
    // from now on; it is not moved itself.
    void addPlayhead(KvPlayhead *playhead, int kind);
    // Enabling again brings every playhead to the timeline's position (the
    // first one added when there is no timeline playhead).
    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }
    int count() const;
    KvPlayhead *playhead(int kind) const;

private:
    void follow(KvPlayhead *source, qint64 position);

    struct Entry
    {
        QPointer<KvPlayhead> playhead;
        int kind;
        QMetaObject::Connection connection;
    };
    QVector<Entry> m_entries;
    bool m_enabled = true;
    // Moving the others makes them announce their moves too.
    bool m_syncing = false;
};
