#include "KvMediaLibrary.h"

#include "IKvBaseLog.h"
#include "IKvProject.h"

#include <QDir>
#include <QFileInfo>

KvMediaLibrary::KvMediaLibrary(QObject *parent)
    : IKvMediaLibrary(parent)
{
}

void KvMediaLibrary::setProject(IKvProject *project)
{
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
