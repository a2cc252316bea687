#pragma once

#include "FEditingModuleWidget.h"

class KvMediaLibraryGoToMsg;
class QLabel;
class QLineEdit;
class QListWidget;

// The media library: the current project's media, one item per medium with
// its index as item id, filtered by the search field. It handles
// KvMediaLibraryGoToMsg.
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

    QLabel *m_categoryLabel;
    QLineEdit *m_search;
    QListWidget *m_list;
    int m_category = -1;
};
