#include "KvTimeline.h"

#include "IKvBaseLog.h"
#include "IKvClip.h"
#include "IKvProject.h"
#include "KvMediaType.h"
#include "KvPlayhead.h"
#include "KvRenderService.h"
#include "KvSubtitleFile.h"
#include "KvTimecode.h"
#include "KvTimelineEvent.h"
#include "KvUndoRedoService.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

// A snapshot of one clip with the facts other libraries ask for.
class KvClip final : public IKvClip
{
public:
    KvClip(int index, const KvTimelineClip &clip, const QString &mediaPath, double projectRate, quint64 generation)
        : m_index(index)
        , m_clip(clip)
        , m_path(mediaPath)
        , m_generation(generation)
    {
        const KvMediaType mediaType = KvMediaProbe::typeBySuffix(mediaPath);
        switch (mediaType) {
        case KvMediaType::Video: m_type = KvClipType::Video; break;
        case KvMediaType::Audio: m_type = KvClipType::Audio; break;
        case KvMediaType::Image: m_type = KvClipType::Image; break;
        case KvMediaType::Subtitle: m_type = KvClipType::Srt; break;
        case KvMediaType::Unknown: m_type = KvClipType::Unknown; break;
        }
        if (mediaType == KvMediaType::Subtitle)
            m_textItems = KvSubtitleFile::read(mediaPath).size();
        if (mediaType == KvMediaType::Video || mediaType == KvMediaType::Image) {
            const QSize size = KvMediaProbe::frameSize(mediaPath, mediaType);
            m_info.width = size.width();
            m_info.height = size.height();
            m_info.aspectRatioType = KvClipVideoInfo::aspectRatioTypeOf(size.width(), size.height());
            // A still has no rate of its own: it takes the project's.
            m_info.frameRateType = KvFrameRateType::typeOf(mediaType == KvMediaType::Image ? projectRate : 30.0);
            m_hasPicture = true;
        }
    }

    int index() const override { return m_index; }
    int type() const override { return m_type; }
    KvTimelineClip data() const override { return m_clip; }
    QString mediaPath() const override { return m_path; }
    QString name() const override { return QFileInfo(m_path).fileName(); }
    bool isTextClip() const override { return m_type == KvClipType::Title || m_type == KvClipType::Srt; }
    int textItemCount() const override { return m_textItems; }
    const KvClipVideoInfo *videoInfo() const override { return m_hasPicture ? &m_info : nullptr; }
    quint64 generation() const { return m_generation; }

private:
    int m_index;
    KvTimelineClip m_clip;
    QString m_path;
    quint64 m_generation;
    int m_type = KvClipType::Unknown;
    bool m_hasPicture = false;
    int m_textItems = 0;
    KvClipVideoInfo m_info;
};

} // namespace

KvTimeline::KvTimeline(QObject *parent)
    : IKvTimeline(parent)
    , m_playhead(new KvPlayhead(this))
    , m_render(new KvRenderService(this))
{
    m_render->setDescribe([this]() { return describe(); });
}

KvTimeline::~KvTimeline()
{
    const std::vector<IKvTimelineEventObserver *> observers = m_observers;
    for (IKvTimelineEventObserver *observer : observers)
        observer->onTimelineReleased(this);
}

void KvTimeline::setProject(IKvProject *project, KvUndoRedoService *undo)
{
    if (m_project == project && m_undo == undo)
        return;
    if (m_project)
        notify({KvTimelineEvent::ProjectClosing});
    m_project = project;
    m_undo = undo;
    const bool hadSelection = !m_selection.isEmpty();
    m_selection.clear();
    m_handles.clear();
    ++m_generation;
    m_playhead->setPosition(0);
    emit sigProjectChanged();
    if (hadSelection)
        emit sigSelectionChanged();
    if (m_project)
        notify({KvTimelineEvent::ProjectLoaded});
}

void KvTimeline::mediaChanged()
{
    ++m_generation;
    emit sigClipsChanged();
}

void KvTimeline::contentReset()
{
    if (!m_selection.isEmpty()) {
        m_selection.clear();
        emit sigSelectionChanged();
        notify({KvTimelineEvent::SelectionChanged});
    }
    changed(KvTimelineEvent::ClipsChanged);
}

int KvTimeline::trackCount() const
{
    if (m_maxTrackGeneration != m_generation) {
        m_maxTrack = -1;
        const int count = clipCount();
        for (int i = 0; i < count; ++i)
            m_maxTrack = qMax(m_maxTrack, m_project->clipAt(i).track);
        m_maxTrackGeneration = m_generation;
    }
    // One empty track above the last used, to drop clips on.
    return qMax(kMinTracks, m_maxTrack + 2);
}

int KvTimeline::clipCount() const
{
    return m_project ? m_project->clipCount() : 0;
}

KvTimelineClip KvTimeline::clipAt(int index) const
{
    return m_project ? m_project->clipAt(index) : KvTimelineClip();
}

QVector<KvTimelineClip> KvTimeline::clips() const
{
    return m_project ? m_project->clips() : QVector<KvTimelineClip>();
}

QString KvTimeline::mediaPathOf(int clipIndex) const
{
    if (!m_project || clipIndex < 0 || clipIndex >= m_project->clipCount())
        return QString();
    return m_project->mediaPathAt(m_project->clipAt(clipIndex).mediaIndex);
}

IKvClip *KvTimeline::clip(int index)
{
    if (!m_project || index < 0 || index >= m_project->clipCount())
        return nullptr;
    for (const auto &handle : m_handles) {
        const auto *existing = static_cast<const KvClip *>(handle.get());
        if (existing->index() == index && existing->generation() == m_generation)
            return handle.get();
    }
    m_handles.push_back(
        std::make_unique<KvClip>(index, m_project->clipAt(index), mediaPathOf(index), frameRate(), m_generation));
    return m_handles.back().get();
}

double KvTimeline::frameRate() const
{
    return m_project ? m_project->settings().frameRate : KvProjectSettings().frameRate;
}

qint64 KvTimeline::currentPosition() const
{
    return m_playhead->position();
}

void KvTimeline::setCurrentPosition(qint64 ms)
{
    m_playhead->setPosition(ms);
}

qint64 KvTimeline::durationMs() const
{
    return m_project ? m_project->durationMs() : 0;
}

QString KvTimeline::durationText() const
{
    return KvTimecode::format(durationMs(), frameRate());
}

void KvTimeline::setSelectedClips(const QVector<int> &indices)
{
    QVector<int> selection;
    const int count = clipCount();
    for (int index : indices) {
        if (index >= 0 && index < count && !selection.contains(index))
            selection << index;
    }
    std::sort(selection.begin(), selection.end());
    if (selection == m_selection)
        return;
    m_selection = selection;
    emit sigSelectionChanged();
    notify({KvTimelineEvent::SelectionChanged});
}

int KvTimeline::selectionKind() const
{
    if (m_selection.isEmpty())
        return SelectionNone;
    return m_selection.size() == 1 ? SelectionClip : SelectionClips;
}

bool KvTimeline::selectionKeepsOwnPanel() const
{
    return selectionKind() == SelectionSplitScreen;
}

int KvTimeline::addMedia(int mediaIndex, int track, qint64 startMs)
{
    if (!m_project || mediaIndex < 0 || mediaIndex >= m_project->mediaCount()) {
        KV_LOG_ERROR("medium %d cannot be placed: %s", mediaIndex, m_project ? "no such medium" : "no project");
        return -1;
    }
    const QString path = m_project->mediaPathAt(mediaIndex);
    const KvMediaType type = KvMediaProbe::typeBySuffix(path);
    KvTimelineClip clip;
    clip.mediaIndex = mediaIndex;
    clip.startMs = qMax<qint64>(0, startMs);
    clip.outMs = KvMediaProbe::naturalDurationMs(path, type);
    const int first = track >= 0 ? track : (type == KvMediaType::Audio ? kMinTracks - 1 : 0);
    clip.track = track >= 0 ? track : freeTrack(first, clip.startMs, clip.endMs());
    const int index = addClip(clip);
    if (index >= 0)
        setSelectedClips({index});
    return index;
}

int KvTimeline::addClip(const KvTimelineClip &clip)
{
    if (!m_project || !m_undo) {
        KV_LOG_ERROR("clip not added: no project");
        return -1;
    }
    const QString why = checkClip(clip);
    if (!why.isEmpty()) {
        KV_LOG_ERROR("clip not added: %s", KV_CSTR(why));
        return -1;
    }
    const int index = m_project->clipCount();
    IKvProject *project = m_project;
    const bool pushed = m_undo->push(
        tr("Add Clip"),
        [this, project, index]() {
            project->removeClip(index);
            m_selection.clear();
            emit sigSelectionChanged();
            changed(KvTimelineEvent::ClipsChanged);
        },
        [this, project, index, clip]() {
            project->insertClip(index, clip);
            changed(KvTimelineEvent::ClipsChanged);
        });
    return pushed ? index : -1;
}

QString KvTimeline::checkClip(const KvTimelineClip &clip) const
{
    if (!m_project || clip.mediaIndex < 0 || clip.mediaIndex >= m_project->mediaCount())
        return QStringLiteral("medium %1 is not in the project").arg(clip.mediaIndex);
    // The remaining checks need one medium and the clip, not the project.
    KvProjectData probe;
    probe.mediaPaths << QStringLiteral("-");
    KvTimelineClip check = clip;
    check.mediaIndex = 0;
    probe.clips << check;
    return probe.validate();
}

bool KvTimeline::moveClip(int index, int track, qint64 startMs)
{
    KvTimelineClip clip = clipAt(index);
    clip.track = track;
    clip.startMs = startMs;
    return replaceClip(index, clip, tr("Move Clip"), KvTimelineEvent::ClipsChanged);
}

bool KvTimeline::setClipVolume(int index, int volume)
{
    KvTimelineClip clip = clipAt(index);
    clip.volume = volume;
    return replaceClip(index, clip, tr("Clip Volume"), KvTimelineEvent::ClipPropertyChanged);
}

bool KvTimeline::setClipRange(int index, qint64 inMs, qint64 outMs)
{
    KvTimelineClip clip = clipAt(index);
    clip.inMs = inMs;
    clip.outMs = outMs;
    return replaceClip(index, clip, tr("Trim Clip"), KvTimelineEvent::ClipPropertyChanged);
}

bool KvTimeline::replaceClip(int index, const KvTimelineClip &clip, const QString &text, KvTimelineEventPair event)
{
    if (!m_project || !m_undo || index < 0 || index >= m_project->clipCount())
        return false;
    const KvTimelineClip before = m_project->clipAt(index);
    if (before == clip)
        return true;
    const QString why = checkClip(clip);
    if (!why.isEmpty()) {
        KV_LOG_INFO("clip %d not changed: %s", index, KV_CSTR(why));
        return false;
    }
    IKvProject *project = m_project;
    return m_undo->push(
        text,
        [this, project, index, before, event]() {
            project->setClip(index, before);
            changed(event);
        },
        [this, project, index, clip, event]() {
            project->setClip(index, clip);
            changed(event);
        });
}

bool KvTimeline::splitClip(int index, qint64 atMs)
{
    if (!m_project || !m_undo || index < 0 || index >= m_project->clipCount())
        return false;
    const KvTimelineClip whole = m_project->clipAt(index);
    if (atMs <= whole.startMs || atMs >= whole.endMs())
        return false;
    KvTimelineClip first = whole;
    first.outMs = whole.inMs + (atMs - whole.startMs);
    KvTimelineClip second = whole;
    second.startMs = atMs;
    second.inMs = first.outMs;
    const int secondIndex = m_project->clipCount();
    IKvProject *project = m_project;
    return m_undo->push(
        tr("Split Clip"),
        [this, project, index, whole, secondIndex]() {
            project->removeClip(secondIndex);
            project->setClip(index, whole);
            setSelectedClips({index});
            changed(KvTimelineEvent::ClipsChanged);
        },
        [this, project, index, first, second, secondIndex]() {
            project->setClip(index, first);
            project->insertClip(secondIndex, second);
            changed(KvTimelineEvent::ClipsChanged);
            setSelectedClips({secondIndex});
        });
}

bool KvTimeline::deleteClips(const QVector<int> &indices)
{
    if (!m_project || !m_undo)
        return false;
    QVector<int> sorted;
    for (int index : indices) {
        if (index >= 0 && index < m_project->clipCount() && !sorted.contains(index))
            sorted << index;
    }
    if (sorted.isEmpty())
        return false;
    std::sort(sorted.begin(), sorted.end());
    QVector<KvTimelineClip> removed;
    for (int index : sorted)
        removed << m_project->clipAt(index);
    IKvProject *project = m_project;
    return m_undo->push(
        sorted.size() == 1 ? tr("Delete Clip") : tr("Delete Clips"),
        [this, project, sorted, removed]() {
            // Ascending, so each lands where it was.
            for (int i = 0; i < sorted.size(); ++i)
                project->insertClip(sorted.at(i), removed.at(i));
            m_selection = sorted;
            emit sigSelectionChanged();
            changed(KvTimelineEvent::ClipsChanged);
        },
        [this, project, sorted]() {
            for (int i = sorted.size() - 1; i >= 0; --i)
                project->removeClip(sorted.at(i));
            m_selection.clear();
            emit sigSelectionChanged();
            changed(KvTimelineEvent::ClipsChanged);
        });
}

bool KvTimeline::deleteSelectedClips()
{
    return deleteClips(m_selection);
}

void KvTimeline::addObserver(IKvTimelineEventObserver *observer)
{
    if (observer && std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end())
        m_observers.push_back(observer);
}

void KvTimeline::removeObserver(IKvTimelineEventObserver *observer)
{
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer), m_observers.end());
}

int KvTimeline::freeTrack(int first, qint64 start, qint64 end) const
{
    const int count = clipCount();
    for (int track = qMax(0, first); track <= KvProjectLimits::kMaxTrack; ++track) {
        bool free = true;
        for (int i = 0; i < count && free; ++i) {
            const KvTimelineClip c = m_project->clipAt(i);
            free = c.track != track || c.endMs() <= start || c.startMs >= end;
        }
        if (free)
            return track;
    }
    return qMax(0, first);
}

void KvTimeline::changed(KvTimelineEventPair event)
{
    ++m_generation;
    emit sigClipsChanged();
    notify({event});
    m_render->timelineChanged();
}

void KvTimeline::notify(const KvTimelineEventList &events)
{
    // An observer may remove itself while being told.
    const std::vector<IKvTimelineEventObserver *> snapshot = m_observers;
    for (IKvTimelineEventObserver *observer : snapshot) {
        if (std::find(m_observers.begin(), m_observers.end(), observer) != m_observers.end())
            observer->onTimelineEvents(events);
    }
}

QByteArray KvTimeline::describe() const
{
    const QJsonObject preview{{QStringLiteral("clips"), clipCount()},
                              {QStringLiteral("durationMs"), double(durationMs())},
                              {QStringLiteral("frameRate"), frameRate()}};
    return QJsonDocument(preview).toJson(QJsonDocument::Compact);
}
