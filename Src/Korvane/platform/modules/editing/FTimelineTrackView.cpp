#include "FTimelineTrackView.h"

#include "IKvMediaLibrary.h"
#include "IKvTimeline.h"
#include "KvElapsedTimer.h"
#include "KvMediaType.h"
#include "KvMenu.h"
#include "KvPlayhead.h"
#include "KvSkin.h"
#include "KvTimecode.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace {

QColor skin(const char *token)
{
    return KvSkin::instance()->color(QString::fromLatin1(token));
}

// Pixels of a time, kept within what an int and a painter take, however far
// out a (hand-edited) project places its clips.
int toPixels(double value)
{
    return int(qBound(-1.0e9, value, 1.0e9));
}

// Track labels: the upper tracks carry pictures, the lowest one sound.
QString trackLabel(int track)
{
    return QCoreApplication::translate("FTimelineTrackView", "Track %1").arg(track + 1);
}

} // namespace

QString FTimelineTrackView::mediaIdsMimeType()
{
    return QStringLiteral("application/x-korvane-media-ids");
}

FTimelineTrackView::FTimelineTrackView(IKvTimeline *timeline, QWidget *parent)
    : QAbstractScrollArea(parent)
    , m_timeline(timeline)
{
    setObjectName(QStringLiteral("FTimelineTrackView"));
    setAccessibleName(tr("Timeline tracks"));
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    if (timeline) {
        auto refresh = [this]() {
            updateScrollBars();
            viewport()->update();
        };
        connect(timeline, &IKvTimeline::sigClipsChanged, this, refresh);
        connect(timeline, &IKvTimeline::sigProjectChanged, this, refresh);
        connect(timeline, &IKvTimeline::sigSelectionChanged, viewport(), QOverload<>::of(&QWidget::update));
        connect(timeline->playhead(), &KvPlayhead::sigPositionChanged, this, &FTimelineTrackView::followPlayhead);
    }
    updateScrollBars();
}

void FTimelineTrackView::setZoom(double pixelsPerSecond)
{
    const double bounded = qBound(2.0, pixelsPerSecond, 800.0);
    if (qFuzzyCompare(bounded, m_pixelsPerSecond))
        return;
    // Keep the playhead where it is on screen.
    const qint64 anchor = m_timeline ? m_timeline->currentPosition() : 0;
    const int anchorX = xOfTime(anchor);
    m_pixelsPerSecond = bounded;
    updateScrollBars();
    horizontalScrollBar()->setValue(toPixels(anchor * m_pixelsPerSecond / 1000.0) - (anchorX - kHeaderWidth));
    viewport()->update();
}

int FTimelineTrackView::xOfTime(qint64 ms) const
{
    return toPixels(kHeaderWidth + double(ms) * m_pixelsPerSecond / 1000.0 - horizontalScrollBar()->value());
}

qint64 FTimelineTrackView::timeOfX(int x) const
{
    return qMax<qint64>(0, qint64(double(x - kHeaderWidth + horizontalScrollBar()->value()) * 1000.0 / m_pixelsPerSecond));
}

int FTimelineTrackView::trackAtY(int y) const
{
    if (y < kRulerHeight)
        return -1;
    const int track = (y - kRulerHeight + verticalScrollBar()->value()) / kTrackHeight;
    return m_timeline && track < m_timeline->trackCount() ? track : -1;
}

QRect FTimelineTrackView::clipRect(int index) const
{
    if (!m_timeline || index < 0 || index >= m_timeline->clipCount())
        return QRect();
    const KvTimelineClip clip = m_timeline->clipAt(index);
    const int left = xOfTime(clip.startMs);
    const int right = qMax(left + 2, xOfTime(clip.endMs()));
    const int top = kRulerHeight + clip.track * kTrackHeight - verticalScrollBar()->value() + 3;
    return QRect(left, top, right - left, kTrackHeight - 6);
}

QVector<int> FTimelineTrackView::trackClips(int track) const
{
    rebuildIndex();
    return track >= 0 && track < m_tracks.size() ? m_tracks.at(track).clips : QVector<int>();
}

int FTimelineTrackView::clipAt(const QPoint &point) const
{
    const int track = trackAtY(point.y());
    if (track < 0 || point.x() < kHeaderWidth)
        return -1;
    rebuildIndex();
    if (track >= m_tracks.size())
        return -1;
    const qint64 t = timeOfX(point.x());
    const TrackIndex &index = m_tracks.at(track);
    // The last clip starting at or before t that still covers it; later
    // clips are drawn on top, so they win.
    auto it = std::upper_bound(index.clips.cbegin(), index.clips.cend(), t, [this](qint64 time, int clip) {
        return time < m_timeline->clipAt(clip).startMs;
    });
    while (it != index.clips.cbegin()) {
        --it;
        const KvTimelineClip clip = m_timeline->clipAt(*it);
        if (clip.endMs() > t)
            return *it;
        if (clip.startMs + index.longest <= t)
            break;
    }
    return -1;
}

void FTimelineTrackView::rebuildIndex() const
{
    if (!m_timeline) {
        m_tracks.clear();
        return;
    }
    if (m_indexGeneration == m_timeline->generation())
        return;
    KvElapsedTimer timer("FTimelineTrackView::rebuildIndex");
    m_tracks = QVector<TrackIndex>(m_timeline->trackCount());
    const QVector<KvTimelineClip> clips = m_timeline->clips();
    for (int i = 0; i < clips.size(); ++i) {
        const KvTimelineClip &clip = clips.at(i);
        if (clip.track < 0 || clip.track >= m_tracks.size())
            continue;
        TrackIndex &track = m_tracks[clip.track];
        track.clips << i;
        track.longest = qMax(track.longest, clip.durationMs());
    }
    for (TrackIndex &track : m_tracks) {
        std::stable_sort(track.clips.begin(), track.clips.end(),
                         [&clips](int a, int b) { return clips.at(a).startMs < clips.at(b).startMs; });
    }
    m_indexGeneration = m_timeline->generation();
}

void FTimelineTrackView::updateScrollBars()
{
    const qint64 duration = m_timeline ? m_timeline->durationMs() : 0;
    // Room after the end to place more.
    const int width = toPixels(double(duration + 30000) * m_pixelsPerSecond / 1000.0);
    const int visible = qMax(0, viewport()->width() - kHeaderWidth);
    horizontalScrollBar()->setRange(0, qMax(0, width - visible));
    horizontalScrollBar()->setPageStep(visible);
    horizontalScrollBar()->setSingleStep(20);
    const int height = (m_timeline ? m_timeline->trackCount() : IKvTimeline::kMinTracks) * kTrackHeight;
    const int visibleHeight = qMax(0, viewport()->height() - kRulerHeight);
    verticalScrollBar()->setRange(0, qMax(0, height - visibleHeight));
    verticalScrollBar()->setPageStep(visibleHeight);
    verticalScrollBar()->setSingleStep(kTrackHeight / 2);
}

void FTimelineTrackView::followPlayhead(qint64 ms)
{
    // Scroll along when the playhead leaves the visible range.
    const int x = xOfTime(ms);
    if (x < kHeaderWidth || x > viewport()->width() - 8)
        horizontalScrollBar()->setValue(toPixels(double(ms) * m_pixelsPerSecond / 1000.0) - 40);
    viewport()->update();
}

void FTimelineTrackView::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), skin("viewBg"));
    if (!m_timeline)
        return;
    rebuildIndex();
    const qint64 from = timeOfX(kHeaderWidth);
    const qint64 to = timeOfX(viewport()->width()) + 1;
    m_lastPainted = 0;
    const int firstTrack = verticalScrollBar()->value() / kTrackHeight;
    const int lastTrack = qMin(m_tracks.size() - 1, (verticalScrollBar()->value() + viewport()->height()) / kTrackHeight);
    painter.save();
    painter.setClipRect(QRect(0, kRulerHeight, viewport()->width(), viewport()->height() - kRulerHeight));
    for (int track = firstTrack; track <= lastTrack; ++track)
        m_lastPainted += paintTrack(painter, track, from, to);
    if (m_dragging && m_dropTrack >= 0 && m_dragClip >= 0) {
        const KvTimelineClip clip = m_timeline->clipAt(m_dragClip);
        const int left = xOfTime(m_dropStart);
        const int top = kRulerHeight + m_dropTrack * kTrackHeight - verticalScrollBar()->value() + 3;
        painter.setPen(QPen(skin("accent"), 1, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(left, top, qMax(2, xOfTime(m_dropStart + clip.durationMs()) - left), kTrackHeight - 6));
    }
    painter.restore();
    paintRuler(painter, from, to);
    const int x = xOfTime(m_timeline->currentPosition());
    if (x >= kHeaderWidth) {
        painter.setPen(QPen(skin("accent"), 1));
        painter.drawLine(x, 0, x, viewport()->height());
    }
}

void FTimelineTrackView::paintRuler(QPainter &painter, qint64 from, qint64 to)
{
    const QRect ruler(0, 0, viewport()->width(), kRulerHeight);
    painter.fillRect(ruler, skin("surfaceBg"));
    painter.setPen(skin("line"));
    painter.drawLine(0, kRulerHeight - 1, ruler.width(), kRulerHeight - 1);
    // A labelled tick every 1, 5, 10, 30 or 60 s, whichever leaves room.
    static const qint64 steps[] = {1000, 5000, 10000, 30000, 60000, 300000, 600000};
    qint64 step = steps[6];
    for (qint64 candidate : steps) {
        if (double(candidate) * m_pixelsPerSecond / 1000.0 >= 90.0) {
            step = candidate;
            break;
        }
    }
    painter.setPen(skin("textMuted"));
    const double rate = m_timeline->frameRate();
    for (qint64 t = from / step * step; t <= to; t += step) {
        const int x = xOfTime(t);
        if (x < kHeaderWidth)
            continue;
        painter.drawLine(x, kRulerHeight - 8, x, kRulerHeight - 1);
        painter.drawText(QRect(x + 3, 0, 100, kRulerHeight - 6), Qt::AlignLeft | Qt::AlignVCenter,
                         KvTimecode::format(t, rate).left(8));
    }
    painter.fillRect(QRect(0, 0, kHeaderWidth, kRulerHeight), skin("surfaceBg"));
}

int FTimelineTrackView::paintTrack(QPainter &painter, int track, qint64 from, qint64 to)
{
    const int top = kRulerHeight + track * kTrackHeight - verticalScrollBar()->value();
    const QRect band(0, top, viewport()->width(), kTrackHeight);
    painter.fillRect(band, track % 2 ? skin("viewBg") : skin("surfaceBg"));
    painter.setPen(skin("line"));
    painter.drawLine(band.bottomLeft(), band.bottomRight());

    const TrackIndex &index = m_tracks.at(track);
    // Clips that start before `from` but reach into view start at most
    // `longest` earlier.
    const qint64 earliest = from - index.longest;
    auto it = std::lower_bound(index.clips.cbegin(), index.clips.cend(), earliest,
                               [this](int clip, qint64 time) { return m_timeline->clipAt(clip).startMs < time; });
    const QVector<int> selected = m_timeline->selectedClips();
    const QFontMetrics metrics = painter.fontMetrics();
    int painted = 0;
    for (; it != index.clips.cend(); ++it) {
        const KvTimelineClip clip = m_timeline->clipAt(*it);
        if (clip.startMs > to)
            break;
        if (clip.endMs() < from)
            continue;
        const QRect box = clipRect(*it);
        const bool isSelected = std::binary_search(selected.cbegin(), selected.cend(), *it);
        painter.setPen(isSelected ? QPen(skin("accent"), 2) : QPen(skin("controlBorder"), 1));
        painter.setBrush(isSelected ? skin("itemSelectedBg") : skin("controlBg"));
        painter.drawRoundedRect(box.adjusted(0, 0, -1, -1), 3, 3);
        // A stripe tells pictures, stills and sound apart at a glance.
        const KvMediaType type = KvMediaProbe::typeBySuffix(m_timeline->mediaPathOf(*it));
        const char *stripe = type == KvMediaType::Audio ? "success" : type == KvMediaType::Image ? "warning" : "accent";
        painter.fillRect(QRect(box.left() + 1, box.bottom() - 3, box.width() - 2, 3), skin(stripe));
        if (box.width() > 24) {
            painter.setPen(skin("text"));
            const QString name = IKvMediaLibrary::fileNameOf(m_timeline->mediaPathOf(*it));
            painter.drawText(box.adjusted(6, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter,
                             metrics.elidedText(name, Qt::ElideRight, box.width() - 10));
        }
        ++painted;
    }
    // The header is drawn last so that clips scrolled left pass under it.
    const QRect header(0, top, kHeaderWidth, kTrackHeight);
    painter.fillRect(header, skin("sideBg"));
    painter.setPen(skin("textMuted"));
    painter.drawText(header, Qt::AlignCenter, trackLabel(track));
    return painted;
}

void FTimelineTrackView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void FTimelineTrackView::scrollContentsBy(int dx, int dy)
{
    Q_UNUSED(dx)
    Q_UNUSED(dy)
    viewport()->update();
}

void FTimelineTrackView::mousePressEvent(QMouseEvent *event)
{
    if (!m_timeline || event->button() != Qt::LeftButton)
        return QAbstractScrollArea::mousePressEvent(event);
    setFocus(Qt::MouseFocusReason);
    m_pressPos = event->pos();
    if (event->pos().y() < kRulerHeight) {
        m_scrubbing = true;
        m_timeline->setCurrentPosition(timeOfX(event->pos().x()));
        return;
    }
    const int clip = clipAt(event->pos());
    if (clip < 0) {
        if (!(event->modifiers() & Qt::ControlModifier))
            m_timeline->clearSelection();
        return;
    }
    QVector<int> selection = m_timeline->selectedClips();
    if (event->modifiers() & Qt::ControlModifier) {
        if (selection.contains(clip))
            selection.removeAll(clip);
        else
            selection << clip;
    } else {
        selection = {clip};
    }
    m_timeline->setSelectedClips(selection);
    m_dragClip = clip;
    m_grabOffsetMs = timeOfX(event->pos().x()) - m_timeline->clipAt(clip).startMs;
}

void FTimelineTrackView::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_timeline)
        return;
    if (m_scrubbing) {
        m_timeline->setCurrentPosition(timeOfX(event->pos().x()));
        return;
    }
    if (m_dragClip < 0)
        return;
    if (!m_dragging && (event->pos() - m_pressPos).manhattanLength() < 4)
        return;
    m_dragging = true;
    const int track = trackAtY(qBound(kRulerHeight, event->pos().y(), viewport()->height() - 1));
    m_dropTrack = track >= 0 ? track : m_timeline->clipAt(m_dragClip).track;
    m_dropStart = qMax<qint64>(0, timeOfX(event->pos().x()) - m_grabOffsetMs);
    viewport()->update();
}

void FTimelineTrackView::mouseReleaseEvent(QMouseEvent *event)
{
    Q_UNUSED(event)
    if (m_dragging && m_timeline && m_dragClip >= 0 && m_dropTrack >= 0)
        m_timeline->moveClip(m_dragClip, m_dropTrack, m_dropStart);
    m_dragging = false;
    m_scrubbing = false;
    m_dragClip = -1;
    m_dropTrack = -1;
    viewport()->update();
}

void FTimelineTrackView::keyPressEvent(QKeyEvent *event)
{
    if (!m_timeline)
        return QAbstractScrollArea::keyPressEvent(event);
    const double rate = m_timeline->frameRate();
    switch (event->key()) {
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        m_timeline->deleteSelectedClips();
        return;
    case Qt::Key_Left:
        m_timeline->setCurrentPosition(KvTimecode::stepFrames(m_timeline->currentPosition(), -1, rate));
        return;
    case Qt::Key_Right:
        m_timeline->setCurrentPosition(KvTimecode::stepFrames(m_timeline->currentPosition(), 1, rate));
        return;
    default:
        QAbstractScrollArea::keyPressEvent(event);
    }
}

void FTimelineTrackView::contextMenuEvent(QContextMenuEvent *event)
{
    const int clip = m_timeline ? clipAt(event->pos()) : -1;
    if (clip < 0)
        return;
    if (!m_timeline->selectedClips().contains(clip))
        m_timeline->setSelectedClips({clip});
    const KvTimelineClip data = m_timeline->clipAt(clip);
    const qint64 at = m_timeline->currentPosition();
    // No parent: the view may go while the menu's loop runs, and must not
    // take the menu on this stack with it. Nothing of the view is used after.
    KvMenu menu;
    menu.setObjectName(QStringLiteral("FTimelineTrackView_ClipMenu"));
    QAction *split = menu.addAction(tr("Split at Playhead"));
    split->setEnabled(data.startMs < at && at < data.endMs());
    QAction *remove = menu.addAction(tr("Delete"));
    QPointer<IKvTimeline> timeline = m_timeline;
    QAction *chosen = menu.exec(event->globalPos());
    if (!timeline)
        return;
    if (chosen == split)
        timeline->splitClip(clip, at);
    else if (chosen == remove)
        timeline->deleteSelectedClips();
}

void FTimelineTrackView::wheelEvent(QWheelEvent *event)
{
    if (event->modifiers() & Qt::ControlModifier) {
        event->angleDelta().y() > 0 ? zoomIn() : zoomOut();
        return;
    }
    QAbstractScrollArea::wheelEvent(event);
}

void FTimelineTrackView::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasFormat(mediaIdsMimeType()))
        event->acceptProposedAction();
}

void FTimelineTrackView::dragMoveEvent(QDragMoveEvent *event)
{
    if (event->mimeData()->hasFormat(mediaIdsMimeType()))
        event->acceptProposedAction();
}

void FTimelineTrackView::dropEvent(QDropEvent *event)
{
    if (!m_timeline || !event->mimeData()->hasFormat(mediaIdsMimeType()))
        return;
    const QStringList ids = QString::fromLatin1(event->mimeData()->data(mediaIdsMimeType())).split(QLatin1Char(','));
    int track = trackAtY(event->pos().y());
    qint64 start = timeOfX(event->pos().x());
    for (const QString &id : ids) {
        bool ok = false;
        const int media = id.toInt(&ok);
        if (!ok)
            continue;
        const int clip = m_timeline->addMedia(media, track, start);
        if (clip < 0)
            continue;
        // Several media line up one after another.
        const KvTimelineClip placed = m_timeline->clipAt(clip);
        start = placed.endMs();
        track = placed.track;
    }
    event->acceptProposedAction();
}
