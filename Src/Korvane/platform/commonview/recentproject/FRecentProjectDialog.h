#pragma once

#include "FRecentProjectThumbnailLoader.h"
#include "KvFramelessDialog.h"
#include "KvProjectRecentInfo.h"

#include <QHash>
#include <QPixmap>

#include <memory>

class FEmptyProjectWidget;
class FRecentProjectTxtTableItem;
class QListWidget;
class QListWidgetItem;
class QStackedWidget;

// The recent projects, one row each, opened by a double click. Rows are
// cheap list entries; the row widgets are made when a row first comes into
// view, and sizes and thumbnails are read on a worker, the visible rows
// first, so a long list opens at once. DoModal() answers 2 when a project
// was opened, 1 when opening it failed, 0 when the dialog was closed.
class FRecentProjectDialog : public KvFramelessDialog
{
    Q_OBJECT

public:
    enum Result {
        Opened = 2,
        OpenFailed = 1,
    };

    explicit FRecentProjectDialog(QWidget *parent = nullptr);
    ~FRecentProjectDialog() override;

    // Shows `projects` instead of the recent list, until the list changes.
    void setProjects(const QList<KvProjectRecentInfo> &projects);

    QListWidget *listWidget() const { return m_list; }
    FEmptyProjectWidget *emptyWidget() const { return m_empty; }
    // The row widget of `item`; null while the row has not been in view.
    FRecentProjectTxtTableItem *itemWidget(QListWidgetItem *item) const;
    // Makes the row widgets of the rows in view (also done on every scroll).
    void realizeVisibleRows();
    bool isLoadingThumbnails() const;

public slots:
    void slotItemDoubleClicked(QListWidgetItem *item);
    void slotItemSelectionChanged();

signals:
    // Every row in view has its thumbnail (or is known to have none).
    void sigVisibleThumbnailsReady();
    void sigThumbnailsIdle();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct RowData
    {
        KvProjectRecentInfo info;
        QListWidgetItem *item = nullptr;
        bool loaded = false;
        qint64 size = -1;
        QPixmap thumbnail;
    };

    void reloadFromRecentList();
    void scheduleReload();
    void fill(const QList<KvProjectRecentInfo> &projects);
    FRecentProjectTxtTableItem *realize(QListWidgetItem *item);
    QList<QListWidgetItem *> visibleItems() const;
    void removeProject(const QString &path);
    void slotThumbnailsLoaded(const FRecentProjectThumbnailLoader::Results &results);
    void checkVisibleReady();
    void updateEmptyState();

    QStackedWidget *m_stack;
    QListWidget *m_list;
    FEmptyProjectWidget *m_empty;
    std::unique_ptr<FRecentProjectThumbnailLoader> m_loader;
    QHash<QString, RowData> m_rows;
    bool m_removing = false;
    bool m_opening = false;
    bool m_reloadPending = false;
    bool m_visibleReported = false;
};
