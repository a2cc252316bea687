#pragma once

#include "IKvTimeline.h"
#include <QAbstractScrollArea>
#include <QPointer>
#include <QVector>


// The tracks of the timeline, painted: a ruler with the playhead on top,
// one band per track, the clips as boxes named after their media. Only the
// clips inside the visible time range are looked at: each track's clips are
// kept sorted by start (rebuilt once per timeline change), so painting
// costs the clips on screen, not the project.
//
// Mouse: a click selects a clip (Ctrl adds), a drag moves it (one undo step
// when released), a click on the ruler moves the playhead. Keys: Delete
// removes the selection, Left and Right step the playhead by a frame. A
// clip's context menu splits it at the playhead or deletes the selection.
// Media ids dropped from the media library are placed where they fall.
class FTimelineTrackView : public QAbstractScrollArea
{
    Q_OBJECT

public:
    static constexpr int kRulerHeight = 24;
    static constexpr int kTrackHeight = 44;
    static constexpr int kHeaderWidth = 56;
    // Drag data of the media library: the ids as text, comma separated.
    static QString mediaIdsMimeType();

    explicit FTimelineTrackView(IKvTimeline *timeline, QWidget *parent = nullptr);

    // Pixels per second, 2 to 800.
    double zoom() const { return m_pixelsPerSecond; }
    void setZoom(double pixelsPerSecond);
    void zoomIn() { setZoom(m_pixelsPerSecond * 1.5); }
    void zoomOut() { setZoom(m_pixelsPerSecond / 1.5); }

    // Geometry, in viewport coordinates.
    int xOfTime(qint64 ms) const;
    qint64 timeOfX(int x) const;
    int trackAtY(int y) const;
    // The clip under the point, -1 for none.
    int clipAt(const QPoint &point) const;
    QRect clipRect(int index) const;
    // How many clips the last paint drew (for the scale checks).
    int lastPaintedClips() const { return m_lastPainted; }
    // Clip indices of a track, by start.
    QVector<int> trackClips(int track) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    struct TrackIndex
    {
        QVector<int> clips; // by start
        qint64 longest = 0; // the longest clip, to find those starting off screen
    };

    void rebuildIndex() const;
    void updateScrollBars();
    void followPlayhead(qint64 ms);
    void paintRuler(QPainter &painter, qint64 from, qint64 to);
    int paintTrack(QPainter &painter, int track, qint64 from, qint64 to);

    QPointer<IKvTimeline> m_timeline;
    double m_pixelsPerSecond = 40.0;
    mutable QVector<TrackIndex> m_tracks;
    mutable quint64 m_indexGeneration = ~quint64(0);
    int m_lastPainted = 0;

    // A drag in progress: the clip, where it was grabbed, where it goes.
    int m_dragClip = -1;
    QPoint m_pressPos;
    qint64 m_grabOffsetMs = 0;
    bool m_dragging = false;
    bool m_scrubbing = false;
    int m_dropTrack = -1;
    qint64 m_dropStart = 0;
};
