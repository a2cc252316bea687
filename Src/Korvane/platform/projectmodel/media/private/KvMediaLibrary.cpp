#include "KvMediaLibrary.h"

#include "IKvBaseLog.h"
#include "IKvProject.h"
#include "KvUndoRedoService.h"

#include <QSet>

#include <QDir>
#include <QFileInfo>

KvMediaLibrary::KvMediaLibrary(QObject *parent)
    : IKvMediaLibrary(parent)
{
}

void KvMediaLibrary::setProject(IKvProject *project, KvUndoRedoService *undo)
{
    m_undo = undo;
    if (m_project == project)
        return;
    m_project = project;
    ++m_generation;
    emit sigProjectChanged();
}

int KvMediaLibrary::count() const
{
    return m_project ? m_project->mediaCount() : 0;
}

QString KvMediaLibrary::pathAt(int id) const
{
    return m_project ? m_project->mediaPathAt(id) : QString();
}

QStringList KvMediaLibrary::paths() const
{
    return m_project ? m_project->mediaPaths() : QStringList();
}

bool KvMediaLibrary::removeMedia(const QVector<int> &ids)
{
    if (!m_project || !m_undo)
        return false;
    QSet<int> gone;
    for (int id : ids) {
        if (id >= 0 && id < m_project->mediaCount())
            gone.insert(id);
    }
    if (gone.isEmpty())
        return false;
    const QStringList media = m_project->mediaPaths();
    const QVector<KvTimelineClip> clips = m_project->clips();
    // New ids: each kept medium moves down by the removed ones before it.
    QVector<int> newId(media.size(), -1);
    QStringList keptMedia;
    for (int id = 0; id < media.size(); ++id) {
        if (gone.contains(id))
            continue;
        newId[id] = keptMedia.size();
        keptMedia << media.at(id);
    }
    QVector<KvTimelineClip> keptClips;
    for (KvTimelineClip clip : clips) {
        if (clip.mediaIndex < 0 || clip.mediaIndex >= newId.size() || newId.at(clip.mediaIndex) < 0)
            continue;
        clip.mediaIndex = newId.at(clip.mediaIndex);
        keptClips << clip;
    }
    KV_LOG_INFO("removing %d media and %d clips", int(gone.size()), int(clips.size() - keptClips.size()));
    IKvProject *project = m_project;
    return m_undo->push(
        gone.size() == 1 ? tr("Remove Medium") : tr("Remove Media"),
        [this, project, media, clips]() { restore(project, media, clips); },
        [this, project, keptMedia, keptClips]() { restore(project, keptMedia, keptClips); });
}

void KvMediaLibrary::restore(IKvProject *project, const QStringList &media, const QVector<KvTimelineClip> &clips)
{
    if (!project->restoreContent(media, clips))
        KV_LOG_ERROR("media of the project could not be restored");
    ++m_generation;
    emit sigMediaReset();
}

KvMediaImportResult KvMediaLibrary::importFiles(const QStringList &paths)
{
    KvMediaImportResult result;
    if (!m_project) {
        for (const QString &path : paths)
            result.refused << QStringLiteral("%1: %2").arg(path, tr("no project is open"));
        KV_LOG_ERROR("import of %d files refused: no project", int(paths.size()));
        return result;
    }
    const int first = m_project->mediaCount();
    for (const QString &path : paths) {
        const QString why = checkImportable(path);
        if (!why.isEmpty()) {
            result.refused << QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), why);
            KV_LOG_INFO("not imported \"%s\": %s", KV_CSTR(path), KV_CSTR(why));
            continue;
        }
        const int before = m_project->mediaCount();
        const int id = m_project->addMedia(path);
        if (id < 0)
            continue;
        if (!result.ids.contains(id))
            result.ids << id;
        if (m_project->mediaCount() > before)
            result.added << id;
        else
            ++result.duplicates;
    }
    const int added = m_project->mediaCount() - first;
    KV_LOG_INFO("imported %d media, %d already there, %d refused", added, result.duplicates,
                int(result.refused.size()));
    if (added > 0) {
        ++m_generation;
        emit sigMediaAdded(first, added);
    }
    return result;
}
