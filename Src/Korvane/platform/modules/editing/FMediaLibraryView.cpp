#include "FMediaLibraryView.h"

#include "FMediaLibraryModel.h"
#include "IKvBaseLog.h"
#include "IKvProject.h"
#include "KvMediaLibraryGoToMsg.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QVBoxLayout>

FMediaLibraryView::FMediaLibraryView(QWidget *parent)
    : FEditingModuleWidget(parent)
    , m_categoryLabel(new QLabel(tr("Project Media"), this))
    , m_search(new QLineEdit(this))
    , m_model(new FMediaLibraryModel(this))
    , m_list(new QListView(this))
{
    setObjectName(QStringLiteral("FMediaLibraryView"));
    m_search->setObjectName(QStringLiteral("FMediaLibraryView_Search"));
    m_search->setAccessibleName(tr("Search media"));
    m_search->setPlaceholderText(tr("Search"));
    m_search->setClearButtonEnabled(true);
    m_list->setObjectName(QStringLiteral("FMediaLibraryView_List"));
    m_list->setAccessibleName(tr("Project media"));
    m_list->setUniformItemSizes(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setModel(m_model);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_categoryLabel);
    layout->addWidget(m_search);
    layout->addWidget(m_list, 1);

    connect(m_search, &QLineEdit::textChanged, this, &FMediaLibraryView::applyFilter);
    refresh();
}

QString FMediaLibraryView::searchWord() const
{
    return m_search->text();
}

int FMediaLibraryView::selectedItemId() const
{
    const QModelIndex current = m_list->currentIndex();
    if (!current.isValid() || !m_list->selectionModel()->isSelected(current))
        return -1;
    return m_model->idAt(current.row());
}

QList<int> FMediaLibraryView::visibleItemIds() const
{
    return m_model->visibleIds();
}

bool FMediaLibraryView::dispatchMessage(KvMessage *message)
{
    if (message && message->code() == KvMessageId::MediaLibraryGoTo) {
        const auto *request = dynamic_cast<KvMediaLibraryGoToMsg *>(message);
        if (!request) {
            KV_LOG_ERROR("message %d is not a media library request; ignored", message->code());
            return FEditingModuleWidget::dispatchMessage(message);
        }
        message->setAnswer(goTo(*request));
        message->setHandled(true);
        return true;
    }
    return FEditingModuleWidget::dispatchMessage(message);
}

void FMediaLibraryView::showProject(IKvProject *project)
{
    const int selected = selectedItemId();
    const QStringList paths = project ? project->mediaPaths() : QStringList();
    m_model->setMedia(paths);
    if (project)
        KV_LOG_INFO("media library shows %d media", int(paths.size()));
    selectId(selected);
}

bool FMediaLibraryView::goTo(const KvMediaLibraryGoToMsg &request)
{
    KV_LOG_INFO("go to category %d, item %d, search \"%s\"", request.category(), request.folderOrItemId(),
                KV_CSTR(request.searchWord()));
    // The model announces only the first change after a save; read it afresh.
    refresh();
    m_category = request.category();
    m_categoryLabel->setText(tr("Category %1").arg(m_category));
    m_search->setText(request.searchWord());
    m_list->clearSelection();
    if (request.folderOrItemId() < 0)
        return true;
    if (m_model->rowOfId(request.folderOrItemId()) < 0) {
        // Not an error of the editor: the item is gone or the search hides it.
        KV_LOG_INFO("media library item %d not found", request.folderOrItemId());
        return false;
    }
    selectId(request.folderOrItemId());
    return true;
}

void FMediaLibraryView::applyFilter()
{
    const int selected = selectedItemId();
    m_model->setFilter(m_search->text());
    selectId(selected);
}

void FMediaLibraryView::selectId(int id)
{
    const int row = m_model->rowOfId(id);
    if (row < 0)
        return;
    const QModelIndex index = m_model->index(row);
    m_list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    m_list->scrollTo(index);
}
