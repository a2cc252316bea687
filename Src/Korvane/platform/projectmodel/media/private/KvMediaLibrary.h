#pragma once

#include "IKvMediaLibrary.h"
#include "KvProjectData.h"

class IKvProject;
class KvUndoRedoService;

// The media library the project manager hands out; see IKvMediaLibrary.
class KvMediaLibrary final : public IKvMediaLibrary
{
    Q_OBJECT

public:
    explicit KvMediaLibrary(QObject *parent = nullptr);

    void setProject(IKvProject *project, KvUndoRedoService *undo);

    bool hasProject() const override { return m_project != nullptr; }
    quint64 generation() const override { return m_generation; }
    int count() const override;
    QString pathAt(int id) const override;
    QStringList paths() const override;
    KvMediaImportResult importFiles(const QStringList &paths) override;
    bool removeMedia(const QVector<int> &ids) override;
    void setDownloadFolder(const QString &folder) override { m_downloadFolder = folder; }
    QString downloadFolder() const override { return m_downloadFolder; }

private:
    void restore(IKvProject *project, const QStringList &media, const QVector<KvTimelineClip> &clips);

    IKvProject *m_project = nullptr;
    KvUndoRedoService *m_undo = nullptr;
    QString m_downloadFolder;
    quint64 m_generation = 0;
};
