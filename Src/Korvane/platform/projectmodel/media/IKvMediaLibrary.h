#pragma once

#include "KvMediaType.h"

#include <QObject>
#include <QStringList>
#include <QVector>

// What an import did, path by path.
struct KvMediaImportResult
{
    // The library ids of the files asked for that are now in the library
    // (new or already there), in the order asked.
    QVector<int> ids;
    // Of those, the ones this import added.
    QVector<int> added;
    // Files already in the library.
    int duplicates = 0;
    // "path: reason" of each file refused.
    QStringList refused;
};

// The current project's media: one item per file, its id its index in the
// project. One object for the project manager's life
// (IKvProjectManager::mediaLibrary()) that follows the current project.
// GUI thread only, except the static helpers.
class IKvMediaLibrary : public QObject
{
    Q_OBJECT

public:
    explicit IKvMediaLibrary(QObject *parent = nullptr);

    virtual bool hasProject() const = 0;
    // Counts every change (another project, media added).
    virtual quint64 generation() const = 0;
    virtual int count() const = 0;
    virtual QString pathAt(int id) const = 0;
    virtual QStringList paths() const = 0;

    // Adds the files that can be imported, once each; a folder given here is
    // refused (use importableFilesIn first). Nothing is imported without a
    // project.
    virtual KvMediaImportResult importFiles(const QStringList &paths) = 0;
    // Removes the media and every clip that uses them, as one undo step.
    // Ids out of range are skipped; false when none is left to remove.
    virtual bool removeMedia(const QVector<int> &ids) = 0;

    // Where downloaded resources land (the download centre's folder).
    virtual void setDownloadFolder(const QString &folder) = 0;
    virtual QString downloadFolder() const = 0;

    // Empty when the file can be imported, else why not (for the user).
    static QString checkImportable(const QString &path);
    // The importable files below `folder` (subfolders too, links not
    // followed), sorted by path; at most kMaxFolderFiles. Reads the disk:
    // call it on a worker for a folder of unknown size.
    static QStringList importableFilesIn(const QString &folder, int *skipped = nullptr);
    static constexpr int kMaxFolderFiles = 10000;
    // The file name of a clean absolute path, without touching the disk.
    static QString fileNameOf(const QString &path);

signals:
    void sigProjectChanged();
    // Items [first, first + count) are new.
    void sigMediaAdded(int first, int count);
    // Media were removed, or a removal undone: ids and clips may all differ.
    void sigMediaReset();
};
