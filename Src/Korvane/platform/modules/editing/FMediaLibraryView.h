#pragma once

#include "FEditingModuleWidget.h"

class FMediaLibraryModel;
class KvMediaLibraryGoToMsg;
class QLabel;
class QLineEdit;
class QListView;

// The media library: the current project's media, one row per medium with
// its index as item id, filtered by the search field. It handles
// KvMediaLibraryGoToMsg. A list view over a model with rows of one size:
// filling it with a project of any size is one pass, and only the rows on
// screen are ever drawn.
class FMediaLibraryView : public FEditingModuleWidget
{
    Q_OBJECT

public:
    explicit FMediaLibraryView(QWidget *parent = nullptr);

    int category() const { return m_category; }
    QString searchWord() const;
    // -1 when nothing is selected.
    int selectedItemId() const;
    // The ids of the items the filter leaves visible.
    QList<int> visibleItemIds() const;

    bool dispatchMessage(KvMessage *message) override;

protected:
    void showProject(IKvProject *project) override;

private:
    bool goTo(const KvMediaLibraryGoToMsg &request);
    void applyFilter();
    void selectId(int id);

    QLabel *m_categoryLabel;
    QLineEdit *m_search;
    FMediaLibraryModel *m_model;
    QListView *m_list;
    int m_category = -1;
};
