#include "KvProject.h"

#include <QDir>
#include <QFileInfo>

KvProject::KvProject(const KvProjectData &data, const QString &filePath)
    : m_data(data)
    , m_filePath(filePath)
{
}

bool KvProject::setSettings(const KvProjectSettings &settings)
{
    KvProjectData candidate = m_data;
    candidate.settings = settings;
    if (!candidate.validate().isEmpty())
        return false;
    if (settings != m_data.settings) {
        m_data.settings = settings;
        changed();
    }
    return true;
}

int KvProject::addMedia(const QString &path)
{
    if (path.isEmpty())
        return -1;
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (!m_mediaIndexBuilt) {
        m_mediaIndex.clear();
        m_mediaIndex.reserve(m_data.mediaPaths.size());
        // The first of equal paths wins, as a search from the front would.
        for (int i = m_data.mediaPaths.size() - 1; i >= 0; --i)
            m_mediaIndex.insert(m_data.mediaPaths.at(i), i);
        m_mediaIndexBuilt = true;
    }
    const auto existing = m_mediaIndex.constFind(absolute);
    if (existing != m_mediaIndex.constEnd())
        return existing.value();
    m_mediaIndex.insert(absolute, m_data.mediaPaths.size());
    m_data.mediaPaths << absolute;
    changed();
    return m_data.mediaPaths.size() - 1;
}

bool KvProject::removeMedia(int index)
{
    if (index < 0 || index >= m_data.mediaPaths.size())
        return false;
    m_data.mediaPaths.removeAt(index);
    m_mediaIndexBuilt = false;
    QVector<KvTimelineClip> kept;
    for (KvTimelineClip clip : qAsConst(m_data.clips)) {
        if (clip.mediaIndex == index)
            continue;
        if (clip.mediaIndex > index)
            --clip.mediaIndex;
        kept << clip;
    }
    m_data.clips = kept;
    changed();
    return true;
}

bool KvProject::isValidClip(const KvTimelineClip &clip) const
{
    if (clip.mediaIndex < 0 || clip.mediaIndex >= m_data.mediaPaths.size())
        return false;
    // The other checks need one medium and the clip, not a copy of the project.
    KvProjectData single;
    single.settings = m_data.settings;
    single.mediaPaths << QStringLiteral("-");
    KvTimelineClip probe = clip;
    probe.mediaIndex = 0;
    single.clips << probe;
    return single.validate().isEmpty();
}

bool KvProject::addClip(const KvTimelineClip &clip)
{
    return insertClip(m_data.clips.size(), clip);
}

bool KvProject::insertClip(int index, const KvTimelineClip &clip)
{
    if (index < 0 || index > m_data.clips.size() || !isValidClip(clip))
        return false;
    m_data.clips.insert(index, clip);
    changed();
    return true;
}

bool KvProject::setClip(int index, const KvTimelineClip &clip)
{
    if (index < 0 || index >= m_data.clips.size() || !isValidClip(clip))
        return false;
    if (m_data.clips.at(index) == clip)
        return true;
    // GCC 12 sees the detach of a shared empty vector and warns of an
    // overflow that cannot happen: the index was checked above.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wstringop-overflow"
    m_data.clips[index] = clip;
#pragma GCC diagnostic pop
    changed();
    return true;
}

bool KvProject::removeClip(int index)
{
    if (index < 0 || index >= m_data.clips.size())
        return false;
    m_data.clips.remove(index);
    changed();
    return true;
}

bool KvProject::restoreContent(const QStringList &mediaPaths, const QVector<KvTimelineClip> &clips)
{
    KvProjectData candidate;
    candidate.settings = m_data.settings;
    candidate.mediaPaths = mediaPaths;
    candidate.clips = clips;
    if (!candidate.validate().isEmpty())
        return false;
    m_data.mediaPaths = mediaPaths;
    m_data.clips = clips;
    m_mediaIndexBuilt = false;
    changed();
    return true;
}

void KvProject::setRequiredEffects(const QStringList &effects)
{
    if (effects == m_data.requiredEffects)
        return;
    m_data.requiredEffects = effects;
    changed();
}

void KvProject::changed()
{
    ++m_revision;
    setModified(true);
    if (m_changeListener)
        m_changeListener();
}

void KvProject::setName(const QString &name)
{
    m_data.name = name;
}

void KvProject::setModified(bool modified)
{
    if (m_modified == modified)
        return;
    m_modified = modified;
    if (m_listener)
        m_listener(modified);
}
