#include "FMediaLibraryView.h"

#include "IKvBaseLog.h"
#include "IKvProject.h"
#include "KvMediaLibraryGoToMsg.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

FMediaLibraryView::FMediaLibraryView(QWidget *parent)
    : FEditingModuleWidget(parent)
    , m_categoryLabel(new QLabel(tr("Project Media"), this))
    , m_search(new QLineEdit(this))
    , m_list(new QListWidget(this))
{
    setObjectName(QStringLiteral("FMediaLibraryView"));
    m_search->setObjectName(QStringLiteral("FMediaLibraryView_Search"));
    m_search->setPlaceholderText(tr("Search"));
    m_search->setClearButtonEnabled(true);
    m_list->setObjectName(QStringLiteral("FMediaLibraryView_List"));

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
    const QListWidgetItem *item = m_list->currentItem();
    return item && item->isSelected() ? item->data(Qt::UserRole).toInt() : -1;
}

QList<int> FMediaLibraryView::visibleItemIds() const
{
    QList<int> ids;
    for (int row = 0; row < m_list->count(); ++row) {
        if (!m_list->item(row)->isHidden())
            ids << m_list->item(row)->data(Qt::UserRole).toInt();
    }
    return ids;
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
    m_list->clear();
    if (!project)
        return;
    const QStringList paths = project->mediaPaths();
    for (int i = 0; i < paths.size(); ++i) {
        auto *item = new QListWidgetItem(QFileInfo(paths.at(i)).fileName(), m_list);
        item->setToolTip(paths.at(i));
        item->setData(Qt::UserRole, i);
        if (i == selected)
            item->setSelected(true);
    }
    applyFilter();
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
    for (int row = 0; row < m_list->count(); ++row) {
        QListWidgetItem *item = m_list->item(row);
        if (item->data(Qt::UserRole).toInt() != request.folderOrItemId())
            continue;
        if (item->isHidden())
            break;
        m_list->setCurrentItem(item);
        item->setSelected(true);
        m_list->scrollToItem(item);
        return true;
    }
    KV_LOG_ERROR("media library item %d not found", request.folderOrItemId());
    return false;
}

void FMediaLibraryView::applyFilter()
{
    const QString word = m_search->text().trimmed();
    for (int row = 0; row < m_list->count(); ++row) {
        QListWidgetItem *item = m_list->item(row);
        item->setHidden(!word.isEmpty() && !item->text().contains(word, Qt::CaseInsensitive));
    }
}
