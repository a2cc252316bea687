#pragma once

#include <QObject>
#include <QString>

// The cloud storage view's link to the editor: what the view asks the editor
// to do (open a project, locate a template) and what it reports. The storage
// back end is not reachable from this platform, so share downloads are
// logged and refused; nothing is ever downloaded or uploaded.
class KvCloudDiskViewPresenter : public QObject
{
    Q_OBJECT

public:
    explicit KvCloudDiskViewPresenter(QObject *parent = nullptr);

    // True while a share download runs.
    bool downloadShareTask() const { return false; }
    // Each returns whether the download started.
    bool downloadShareProject(const QString &shareId, const QString &targetPath);
    bool downloadShareProjectArchive(const QString &shareId, const QString &targetPath);
    bool downloadShareProjectTemplate(const QString &shareId, const QString &fileName, const QString &folder);

signals:
    void sigOpenProject(QString path);
    void sigLocationProjectTemplate(QString name);
    void sigRefreshToken();
    void uploadVideoFinished();
    void downloadShareFinished();
};
