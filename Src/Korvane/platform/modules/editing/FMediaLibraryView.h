#pragma once

#include "IKvMediaLibrary.h"
#include "FEditingModuleWidget.h"

#include <QPointer>

class FMediaLibraryModel;
class KvMediaLibraryGoToMsg;
class KvMediaLibraryPresenter;
class QLabel;
class QLineEdit;
class QListView;
class QToolButton;

// The media library: the current project's media, one row per medium with
// its index as item id (name, type, size, thumbnail), filtered by the search
// field. Media come in by the import button (files or a folder), by files
// dropped on it and by KvMediaImportMessage; a row dragged to the timeline
// places the medium there, a double-click places it at the playhead, Delete
// (or the context menu) removes it with its clips. It
// handles KvMediaLibraryGoToMsg and MediaLibraryShowProject.
//
// A list view over a model with rows of one size: filling it with a project
// of any size is one pass, and only the rows on screen are ever drawn.
class FMediaLibraryView : public FEditingModuleWidget
{
    Q_OBJECT

public:
    // On the project manager's media library, with a presenter of its own.
    explicit FMediaLibraryView(QWidget *parent = nullptr);
    FMediaLibraryView(KvMediaLibraryPresenter *presenter, QWidget *parent);

    KvMediaLibraryPresenter *libraryPresenter() const { return m_presenter; }
    int category() const { return m_category; }
    QString searchWord() const;
    // -1 when nothing is selected.
    int selectedItemId() const;
    // The ids of the items the filter leaves visible.
    QList<int> visibleItemIds() const;
    // The import button (the guided tour points at it).
    QToolButton *importButton() const { return m_import; }

    // File dialogs of the import button.
    void importFilesByDialog();
    void importFolderByDialog();
    // A shared file of a cloud drive, fetched by the cloud importer.
    void importLinkByDialog();

    bool dispatchMessage(KvMessage *message) override;

protected:
    void showProject(IKvProject *project) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void build();
    bool goTo(const KvMediaLibraryGoToMsg &request);
    void applyFilter();
    void selectId(int id);
    void mediaAdded(int first, int count);
    void imported(const KvMediaImportResult &result, int source);
    void importRefused(const QStringList &refused);
    void updateEmptyHint();
    void updateCategoryLabel();

    KvMediaLibraryPresenter *m_presenter;
    QPointer<IKvMediaLibrary> m_library;
    QLabel *m_categoryLabel = nullptr;
    QToolButton *m_import = nullptr;
    QLineEdit *m_search = nullptr;
    FMediaLibraryModel *m_model = nullptr;
    QListView *m_list = nullptr;
    QLabel *m_emptyHint = nullptr;
    int m_category = -1;
    quint64 m_shownGeneration = ~quint64(0);
};
