#pragma once

#include "IKvMediaLibrary.h"

class IKvProject;

// The media library the project manager hands out; see IKvMediaLibrary.
class KvMediaLibrary final : public IKvMediaLibrary
{
    Q_OBJECT

public:
    explicit KvMediaLibrary(QObject *parent = nullptr);

    void setProject(IKvProject *project);

    bool hasProject() const override { return m_project != nullptr; }
    quint64 generation() const override { return m_generation; }
    int count() const override;
    QString pathAt(int id) const override;
    QStringList paths() const override;
    KvMediaImportResult importFiles(const QStringList &paths) override;
    void setDownloadFolder(const QString &folder) override { m_downloadFolder = folder; }
    QString downloadFolder() const override { return m_downloadFolder; }

private:
    IKvProject *m_project = nullptr;
    QString m_downloadFolder;
    quint64 m_generation = 0;
};
