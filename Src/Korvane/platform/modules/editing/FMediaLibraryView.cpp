#include "FMediaLibraryView.h"

#include "FMediaLibraryModel.h"
#include "FThirdPartyCloud.h"
#include "IKvBaseLog.h"
#include "IKvMediaLibrary.h"
#include "IKvProject.h"
#include "IKvProjectManager.h"
#include "IKvTimeline.h"
#include "KvEditingMessageId.h"
#include "KvElapsedTimer.h"
#include "KvMediaEditor.h"
#include "KvMediaImportMessage.h"
#include "KvMediaLibraryGoToMsg.h"
#include "KvMediaLibraryPresenter.h"
#include "KvMediaLibraryUtils.h"
#include "KvSkin.h"
#include "KvToast.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QToolButton>
#include <QVBoxLayout>

FMediaLibraryView::FMediaLibraryView(QWidget *parent)
    : FMediaLibraryView(new KvMediaLibraryPresenter(IKvProjectManager::getInstance()->mediaLibrary()), parent)
{
    m_presenter->setParent(this);
}

FMediaLibraryView::FMediaLibraryView(KvMediaLibraryPresenter *presenter, QWidget *parent)
    : FEditingModuleWidget(parent)
    , m_presenter(presenter)
    , m_library(presenter->library())
{
    setObjectName(QStringLiteral("FMediaLibraryView"));
    setAcceptDrops(true);
    setPresenter(presenter);
    build();
    refresh();
}

void FMediaLibraryView::build()
{
    m_categoryLabel = new QLabel(tr("Project Media"), this);
    m_categoryLabel->setObjectName(QStringLiteral("FMediaLibraryView_Category"));
    m_import = new QToolButton(this);
    m_import->setObjectName(QStringLiteral("FMediaLibraryView_Import"));
    m_import->setText(tr("Import"));
    m_import->setIcon(KvSkin::instance()->icon(QStringLiteral("add")));
    m_import->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_import->setMinimumWidth(m_import->fontMetrics().horizontalAdvance(m_import->text()) + 56);
    m_import->setToolTip(tr("Import media files"));
    m_import->setAccessibleName(tr("Import"));
    m_import->setPopupMode(QToolButton::MenuButtonPopup);
    auto *menu = new QMenu(m_import);
    menu->setObjectName(QStringLiteral("FMediaLibraryView_ImportMenu"));
    menu->addAction(tr("Import Media Files..."), this, &FMediaLibraryView::importFilesByDialog);
    menu->addAction(tr("Import a Media Folder..."), this, &FMediaLibraryView::importFolderByDialog);
    menu->addAction(tr("Import from a Cloud Link..."), this, &FMediaLibraryView::importLinkByDialog);
    m_import->setMenu(menu);
    connect(m_import, &QToolButton::clicked, this, &FMediaLibraryView::importFilesByDialog);

    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("FMediaLibraryView_Search"));
    m_search->setAccessibleName(tr("Search media"));
    m_search->setPlaceholderText(tr("Search"));
    m_search->setClearButtonEnabled(true);
    // The clear button is the line edit's own tool button; it needs a name too.
    for (QToolButton *button : m_search->findChildren<QToolButton *>())
        button->setAccessibleName(tr("Clear search"));

    m_model = new FMediaLibraryModel(this);
    m_list = new QListView(this);
    m_list->setObjectName(QStringLiteral("FMediaLibraryView_List"));
    m_list->setAccessibleName(tr("Project media"));
    m_list->setUniformItemSizes(true);
    m_list->setIconSize(FMediaFactsLoader::kThumbnailSize);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setDragEnabled(true);
    m_list->setDragDropMode(QAbstractItemView::DragOnly);
    m_list->setModel(m_model);

    // Removing takes the medium's clips with it; one undo step.
    auto *remove = new QAction(tr("Remove from Project"), m_list);
    remove->setObjectName(QStringLiteral("FMediaLibraryView_Remove"));
    remove->setShortcut(QKeySequence::Delete);
    remove->setShortcutContext(Qt::WidgetShortcut);
    m_list->addAction(remove);
    m_list->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(remove, &QAction::triggered, this, [this]() {
        const int id = selectedItemId();
        if (m_library && id >= 0)
            m_library->removeMedia({id});
    });

    m_emptyHint = new QLabel(tr("Import media files, or drop them here."), this);
    m_emptyHint->setObjectName(QStringLiteral("FMediaLibraryView_EmptyHint"));
    m_emptyHint->setAlignment(Qt::AlignCenter);
    m_emptyHint->setWordWrap(true);

    auto *header = new QHBoxLayout;
    header->addWidget(m_categoryLabel, 1);
    header->addWidget(m_import);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addLayout(header);
    layout->addWidget(m_search);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_emptyHint, 1);

    connect(m_search, &QLineEdit::textChanged, this, &FMediaLibraryView::applyFilter);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this, [this]() {
        if (KvMediaEditor *editor = IKvProjectManager::getInstance()->mediaEditor()) {
            const int id = selectedItemId();
            if (id >= 0)
                editor->setCurrentMedia(id);
        }
    });
    connect(m_list, &QListView::doubleClicked, this, [this](const QModelIndex &index) {
        IKvProjectManager::getInstance()->timeline()->addMediaAtPlayhead(m_model->idAt(index.row()));
    });
    connect(m_presenter, &KvMediaLibraryPresenter::sigImported, this, &FMediaLibraryView::imported);
    connect(m_presenter, &KvMediaLibraryPresenter::sigImportRefused, this, &FMediaLibraryView::importRefused);
    connect(m_presenter, &KvMediaLibraryPresenter::sigRedDotsChanged, this, &FMediaLibraryView::updateCategoryLabel);
    connect(m_presenter, &KvMediaLibraryPresenter::sigCategoryChanged, this, [this](int category) {
        m_category = category;
        updateCategoryLabel();
    });
    if (m_library) {
        connect(m_library, &IKvMediaLibrary::sigMediaAdded, this, &FMediaLibraryView::mediaAdded);
        connect(m_library, &IKvMediaLibrary::sigProjectChanged, this, &FMediaLibraryView::refresh);
        connect(m_library, &IKvMediaLibrary::sigMediaReset, this, &FMediaLibraryView::refresh);
    }
    updateEmptyHint();
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

void FMediaLibraryView::importFilesByDialog()
{
    m_presenter->askAndImport(KvMediaImportMessage::ModeFiles, KvMediaImportMessage::SourceUser);
}

void FMediaLibraryView::importFolderByDialog()
{
    m_presenter->askAndImport(KvMediaImportMessage::ModeFolder, KvMediaImportMessage::SourceUser);
}

void FMediaLibraryView::importLinkByDialog()
{
    bool ok = false;
    const QString link = QInputDialog::getText(this, tr("Import from a Cloud Link"),
                                               tr("Download link of a shared file:"), QLineEdit::Normal, QString(), &ok)
                             .trimmed();
    // The cloud importer says itself when the link cannot be fetched; the
    // file joins the library when it is in.
    if (ok && !link.isEmpty())
        FThirdPartyCloud::instance()->download(QUrl::fromUserInput(link));
}

bool FMediaLibraryView::dispatchMessage(KvMessage *message)
{
    if (!message)
        return false;
    switch (message->code()) {
    case KvMessageId::MediaLibraryGoTo: {
        const auto *request = dynamic_cast<KvMediaLibraryGoToMsg *>(message);
        if (!request) {
            KV_LOG_ERROR("message %d is not a media library request; ignored", message->code());
            return FEditingModuleWidget::dispatchMessage(message);
        }
        message->setAnswer(goTo(*request));
        message->setHandled(true);
        return true;
    }
    case KvEditingMessageId::MediaLibraryShowProject:
        m_shownGeneration = ~quint64(0);
        m_presenter->setCurrentCategoryType(KvMediaLibraryPresenter::CategoryProjectMedia);
        refresh();
        message->setHandled(true);
        return true;
    case KvEditingMessageId::GuideImportButtonRect:
        message->setAnswer(QRect(m_import->mapToGlobal(QPoint(0, 0)), m_import->size()));
        message->setHandled(true);
        return true;
    default:
        return FEditingModuleWidget::dispatchMessage(message);
    }
}

void FMediaLibraryView::showProject(IKvProject *project)
{
    // The library lets go of a closing project before the manager does: it
    // is the one that knows whether there is a project to show.
    if (m_library && !m_library->hasProject())
        project = nullptr;
    const quint64 generation = m_library ? m_library->generation() : 0;
    if (generation == m_shownGeneration && m_model->mediaCount() == (project ? project->mediaCount() : 0))
        return;
    m_shownGeneration = generation;
    KvElapsedTimer timer("FMediaLibraryView::showProject");
    const int selected = selectedItemId();
    const QStringList paths = project ? project->mediaPaths() : QStringList();
    m_model->setMedia(paths);
    if (project)
        KV_LOG_INFO("media library shows %d media", int(paths.size()));
    selectId(selected);
    updateEmptyHint();
}

void FMediaLibraryView::mediaAdded(int first, int count)
{
    if (!m_library || first != m_model->mediaCount()) {
        // Out of step (a project change on the way): read everything again.
        m_shownGeneration = ~quint64(0);
        refresh();
        return;
    }
    QStringList paths;
    for (int id = first; id < first + count; ++id)
        paths << m_library->pathAt(id);
    m_model->appendMedia(paths);
    m_shownGeneration = m_library->generation();
    updateEmptyHint();
}

void FMediaLibraryView::imported(const KvMediaImportResult &result, int source)
{
    Q_UNUSED(source)
    if (!result.ids.isEmpty())
        selectId(result.ids.last());
}

void FMediaLibraryView::importRefused(const QStringList &refused)
{
    if (refused.isEmpty())
        return;
    QString text = refused.size() == 1 ? tr("Not imported: %1").arg(refused.first())
                                       : tr("%1 files were not imported, e.g. %2").arg(refused.size()).arg(refused.first());
    KvToast::showFailure(window(), text);
}

void FMediaLibraryView::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void FMediaLibraryView::dropEvent(QDropEvent *event)
{
    QStringList files;
    QStringList folders;
    for (const QUrl &url : event->mimeData()->urls()) {
        if (!url.isLocalFile())
            continue;
        const QString path = url.toLocalFile();
        (QFileInfo(path).isDir() ? folders : files) << path;
    }
    if (!files.isEmpty())
        m_presenter->importFiles(files, KvMediaImportMessage::SourceDrop);
    for (const QString &folder : qAsConst(folders))
        m_presenter->importFolder(folder, KvMediaImportMessage::SourceDrop);
    event->acceptProposedAction();
}

bool FMediaLibraryView::goTo(const KvMediaLibraryGoToMsg &request)
{
    KV_LOG_INFO("go to category %d, item %d, search \"%s\"", request.category(), request.folderOrItemId(),
                KV_CSTR(request.searchWord()));
    // The model announces only the first change after a save; read it afresh.
    m_shownGeneration = ~quint64(0);
    refresh();
    m_category = request.category();
    updateCategoryLabel();
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

void FMediaLibraryView::updateCategoryLabel()
{
    QString text;
    if (m_category < 0 || m_category == KvMediaLibraryPresenter::CategoryProjectMedia)
        text = tr("Project Media");
    else if (m_category == KvMediaLibraryPresenter::CategoryDownloads)
        text = tr("Downloads");
    else
        text = tr("Category %1").arg(m_category);
    const bool newDownloads = !m_presenter->redDotFolders().isEmpty();
    m_categoryLabel->setProperty("hasNewMessage", newDownloads);
    m_categoryLabel->setText(newDownloads ? tr("%1 (new downloads)").arg(text) : text);
}

void FMediaLibraryView::updateEmptyHint()
{
    const bool empty = m_model->mediaCount() == 0;
    m_emptyHint->setVisible(empty);
    m_list->setVisible(!empty);
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
