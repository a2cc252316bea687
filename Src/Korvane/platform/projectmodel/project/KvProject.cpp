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
    const int existing = m_data.mediaPaths.indexOf(absolute);
    if (existing >= 0)
        return existing;
    m_data.mediaPaths << absolute;
    changed();
    return m_data.mediaPaths.size() - 1;
}

bool KvProject::removeMedia(int index)
{
    if (index < 0 || index >= m_data.mediaPaths.size())
        return false;
    m_data.mediaPaths.removeAt(index);
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

bool KvProject::addClip(const KvTimelineClip &clip)
{
    KvProjectData candidate = m_data;
    candidate.clips << clip;
    if (!candidate.validate().isEmpty())
        return false;
    m_data.clips << clip;
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

void KvProject::setRequiredEffects(const QStringList &effects)
{
    if (effects == m_data.requiredEffects)
        return;
    m_data.requiredEffects = effects;
    changed();
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
