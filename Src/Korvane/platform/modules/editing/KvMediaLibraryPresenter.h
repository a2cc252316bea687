#pragma once

#include "IKvMediaLibrary.h"
#include "KvPresenter.h"

#include <QFutureWatcher>
#include <QPointer>
#include <QVariant>
#include <QSet>

#include <functional>
#include <memory>
#include <vector>


// Presenter of the media library (view type 1) over the project's media
// library. It imports files, folders (read on a worker) and dropped files,
// handles KvMediaImportMessage, and keeps the download centre's facts:
// the download folder and the folders with new resources ("red dots").
class KvMediaLibraryPresenter : public KvPresenter
{
    Q_OBJECT

public:
    // The categories the library shows; the project's own media first.
    static constexpr int CategoryProjectMedia = 1;
    static constexpr int CategoryDownloads = 2;

    explicit KvMediaLibraryPresenter(IKvMediaLibrary *library, QObject *parent = nullptr);
    ~KvMediaLibraryPresenter() override;

    IKvMediaLibrary *library() const { return m_library; }

    // Imports now; refused files are reported by sigImportRefused.
    KvMediaImportResult importFiles(const QStringList &paths, int source);
    // Reads the folder on a worker, then imports its media; sigImported
    // tells the result. False when the path is not a folder.
    bool importFolder(const QString &folder, int source);
    bool isImporting() const { return !m_folderJobs.empty(); }

    // Asks the user for files (ModeFiles) or a folder (ModeFolder) and
    // imports what was chosen. How many imports started (0: nothing chosen).
    int askAndImport(int mode, int source, bool toCurrentFolder = true);
    // What askAndImport asks: null shows the file dialogs. Tests answer here.
    using PathChooser = std::function<QStringList(int mode)>;
    void setPathChooser(PathChooser chooser) { m_chooser = std::move(chooser); }

    // The ids of the items selected in the library's view; empty without one.
    QVector<int> selectedItemIds() const;

    int currentCategoryType() const { return m_category; }
    void setCurrentCategoryType(int category);

    void setDownloadFolder(const QString &folder);
    QString downloadFolder() const;
    // The download centre changed files below `folder`: look at them again.
    void reloadResources(const QString &folder);
    // A download of the download centre finished: `category`, its `folder`
    // and facts (file name, kind, id).
    void downloadResult(const QString &category, const QString &folder, const QStringList &facts);
    // Folders with resources the user has not looked at yet.
    QStringList redDotFolders() const;
    void refreshFolderRedDots();
    // The user looked at the downloads: no folder is new any more.
    void clearRedDots();

    bool dispatchMessage(KvMessage *message) override;

signals:
    void sigImported(const KvMediaImportResult &result, int source);
    // Files that could not be imported, "path: reason" each.
    void sigImportRefused(const QStringList &refused);
    void sigCategoryChanged(int category);
    void sigRedDotsChanged(const QStringList &folders);
    void sigResourcesReloaded(const QString &folder);

private:
    void finishFolder(QFutureWatcher<QStringList> *watcher, int source);
    void report(const KvMediaImportResult &result, int source);
    QStringList choosePaths(int mode);
    // The library's messages about its selected items (tools and auto
    // highlight); false for other codes.
    bool dispatchToolMessage(KvMessage *message);
    QVariantList selectionForTool(const QString &tool);

    QPointer<IKvMediaLibrary> m_library;
    std::vector<std::unique_ptr<QFutureWatcher<QStringList>>> m_folderJobs;
    int m_category = CategoryProjectMedia;
    QSet<QString> m_redDots;
    PathChooser m_chooser;
};
