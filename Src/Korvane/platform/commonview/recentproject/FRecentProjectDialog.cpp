#include "FRecentProjectDialog.h"

#include "FEmptyProjectWidget.h"
#include "FMessageDialog.h"
#include "FProjectDocProxy.h"
#include "FRecentProjectTxtTableItem.h"
#include "IKvBaseLog.h"
#include "IKvProjectManager.h"
#include "IKvProjectRecentManager.h"
#include "KvBoolGuards.h"
#include "KvCheck.h"
#include "KvToast.h"
#include "KvUtility.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kPathRole = Qt::UserRole;
// Rows shown without scrolling.
constexpr int kVisibleRows = 7;

} // namespace

FRecentProjectDialog::FRecentProjectDialog(QWidget *parent)
    : KvFramelessDialog(parent, WideWidth)
    , m_stack(new QStackedWidget)
    , m_list(new QListWidget(m_stack))
    , m_empty(new FEmptyProjectWidget(m_stack))
    , m_loader(new FRecentProjectThumbnailLoader)
{
    setObjectName(QStringLiteral("FRecentProjectDialog"));
    setTitle(tr("Recent Project"));

    m_list->setObjectName(QStringLiteral("FRecentProjectDialog_ProjectListText"));
    m_list->setAccessibleName(tr("Recent projects"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Every row has the same height: the view lays out a long list without
    // asking each row.
    m_list->setUniformItemSizes(true);
    m_list->installEventFilter(this);
    m_stack->setObjectName(QStringLiteral("FRecentProjectDialog_Stack"));
    m_stack->addWidget(m_list);
    m_stack->addWidget(m_empty);
    m_stack->setFixedHeight(kVisibleRows * FRecentProjectTxtTableItem::kRowHeight + 2);

    auto *content = new QWidget;
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(m_stack);
    setContentWidget(content);

    connect(m_list, &QListWidget::itemDoubleClicked, this, &FRecentProjectDialog::slotItemDoubleClicked);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &FRecentProjectDialog::slotItemSelectionChanged);
    connect(m_list->verticalScrollBar(), &QScrollBar::valueChanged, this, &FRecentProjectDialog::realizeVisibleRows);
    connect(m_loader.get(), &FRecentProjectThumbnailLoader::sigLoaded, this,
            &FRecentProjectDialog::slotThumbnailsLoaded);
    connect(m_loader.get(), &FRecentProjectThumbnailLoader::sigIdle, this, &FRecentProjectDialog::sigThumbnailsIdle);
    connect(IKvProjectRecentManager::getInstance(), &IKvProjectRecentManager::sigRecentListChanged, this,
            &FRecentProjectDialog::scheduleReload);

    reloadFromRecentList();
}

FRecentProjectDialog::~FRecentProjectDialog() = default;

void FRecentProjectDialog::setProjects(const QList<KvProjectRecentInfo> &projects)
{
    fill(projects);
}

FRecentProjectTxtTableItem *FRecentProjectDialog::itemWidget(QListWidgetItem *item) const
{
    return item ? qobject_cast<FRecentProjectTxtTableItem *>(m_list->itemWidget(item)) : nullptr;
}

bool FRecentProjectDialog::isLoadingThumbnails() const
{
    return !m_loader->isIdle();
}

void FRecentProjectDialog::reloadFromRecentList()
{
    fill(IKvProjectRecentManager::getInstance()->recentList());
}

void FRecentProjectDialog::scheduleReload()
{
    // Our own removal has already taken its row out.
    if (m_removing || m_reloadPending)
        return;
    // Not now: the change may come from inside an open started by a double
    // click, while the view still handles that click.
    m_reloadPending = true;
    QTimer::singleShot(0, this, [this] {
        m_reloadPending = false;
        reloadFromRecentList();
    });
}

void FRecentProjectDialog::fill(const QList<KvProjectRecentInfo> &projects)
{
    // What was read of a project stays valid across a refill.
    QHash<QString, RowData> rows;
    QStringList toRead;
    const QSignalBlocker blocker(m_list);
    m_list->clear();
    for (const KvProjectRecentInfo &info : projects) {
        const QString path = info.getPath();
        if (rows.contains(path))
            continue;
        RowData row = m_rows.value(path);
        row.info = info;
        row.item = new QListWidgetItem(m_list);
        row.item->setData(kPathRole, path);
        row.item->setData(Qt::AccessibleTextRole, QFileInfo(path).completeBaseName());
        row.item->setToolTip(QDir::toNativeSeparators(path));
        row.item->setSizeHint(QSize(0, FRecentProjectTxtTableItem::kRowHeight));
        if (!row.loaded)
            toRead << path;
        rows.insert(path, row);
    }
    m_rows = rows;
    m_visibleReported = false;
    updateEmptyState();
    m_loader->setQueue(toRead);
    if (isVisible())
        realizeVisibleRows();
}

QList<QListWidgetItem *> FRecentProjectDialog::visibleItems() const
{
    QList<QListWidgetItem *> items;
    if (m_list->count() == 0)
        return items;
    const QRect viewport = m_list->viewport()->rect();
    QListWidgetItem *first = m_list->itemAt(viewport.topLeft() + QPoint(1, 1));
    for (int row = first ? m_list->row(first) : 0; row < m_list->count(); ++row) {
        QListWidgetItem *item = m_list->item(row);
        if (!m_list->visualItemRect(item).intersects(viewport))
            break;
        items << item;
    }
    return items;
}

void FRecentProjectDialog::realizeVisibleRows()
{
    QStringList unread;
    for (QListWidgetItem *item : visibleItems()) {
        realize(item);
        const QString path = item->data(kPathRole).toString();
        if (!m_rows.value(path).loaded)
            unread << path;
    }
    m_loader->prioritise(unread);
    checkVisibleReady();
}

FRecentProjectTxtTableItem *FRecentProjectDialog::realize(QListWidgetItem *item)
{
    if (FRecentProjectTxtTableItem *existing = itemWidget(item))
        return existing;
    const QString path = item->data(kPathRole).toString();
    const RowData row = m_rows.value(path);
    auto *widget = new FRecentProjectTxtTableItem(row.info);
    if (row.loaded) {
        widget->setFileSize(row.size);
        widget->setThumbnail(row.thumbnail);
    }
    widget->setSelected(item->isSelected());
    // Queued: the row, and the button that asked, go with the removal.
    connect(widget, &FRecentProjectListItem::sigRemoveItem, this, [this, path] { removeProject(path); },
            Qt::QueuedConnection);
    m_list->setItemWidget(item, widget);
    return widget;
}

void FRecentProjectDialog::slotThumbnailsLoaded(const FRecentProjectThumbnailLoader::Results &results)
{
    for (const FRecentProjectThumbnailLoader::Result &result : results) {
        const auto it = m_rows.find(result.path);
        if (it == m_rows.end())
            continue; // removed meanwhile
        it->loaded = true;
        it->size = result.size;
        it->thumbnail = QPixmap::fromImage(result.thumbnail);
        if (FRecentProjectTxtTableItem *widget = itemWidget(it->item)) {
            widget->setFileSize(it->size);
            widget->setThumbnail(it->thumbnail);
        }
    }
    checkVisibleReady();
}

void FRecentProjectDialog::checkVisibleReady()
{
    if (m_visibleReported || !isVisible())
        return;
    for (QListWidgetItem *item : visibleItems()) {
        if (!m_rows.value(item->data(kPathRole).toString()).loaded)
            return;
    }
    m_visibleReported = true;
    emit sigVisibleThumbnailsReady();
}

void FRecentProjectDialog::slotItemSelectionChanged()
{
    for (int row = 0; row < m_list->count(); ++row) {
        QListWidgetItem *item = m_list->item(row);
        if (FRecentProjectTxtTableItem *widget = itemWidget(item))
            widget->setSelected(item->isSelected());
    }
}

void FRecentProjectDialog::slotItemDoubleClicked(QListWidgetItem *item)
{
    KV_CHECK(item, return);
    // An open may ask about unsaved changes and turn the event loop meanwhile.
    if (m_opening)
        return;
    const KvBoolGuards guard(m_opening);
    const QString path = item->data(kPathRole).toString();
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        KV_LOG_INFO("recent project \"%s\" does not exist", KV_CSTR(path));
        FMessageDialog::information(this, QGuiApplication::applicationDisplayName(),
                                    tr("Project does not exist: ") + QDir::toNativeSeparators(path),
                                    QStringLiteral("FRecentProjectDialog_ProjectNotExist"));
        return;
    }
    // The project being left is safe on disk: say so before it goes.
    if (IKvProjectManager::hasInstance()) {
        const IKvProject *current = IKvProjectManager::getInstance()->currentProject();
        if (current && !current->filePath().isEmpty() && !current->isModified())
            KvToast::showSuccess(KvUtility::gMainWindow(), current->name() + QLatin1Char(' ') + tr("has been saved"));
    }
    KV_LOG_INFO("openProject %s", KV_CSTR(path));
    FProjectDocProxy *proxy = FProjectDocProxy::instance();
    if (proxy->openProject(path, false)) {
        KV_LOG_INFO("Open Project success");
        done(Opened);
        return;
    }
    const FProjectOpenProblem problem = proxy->lastOpenProblem();
    KV_LOG_ERROR("Open Project failed: %s", KV_CSTR(problem.isProblem() ? problem.logText() : path));
    if (problem.isProblem())
        FMessageDialog::alert(this, QGuiApplication::applicationDisplayName(), problem.message(),
                              QStringLiteral("FRecentProjectDialog_OpenFailed"));
    done(OpenFailed);
}

void FRecentProjectDialog::removeProject(const QString &path)
{
    const auto it = m_rows.find(path);
    if (it == m_rows.end())
        return;
    {
        const KvBoolGuards guard(m_removing);
        if (!IKvProjectRecentManager::getInstance()->remove(path))
            KV_LOG_INFO("\"%s\" was not in the recent projects any more", KV_CSTR(path));
    }
    KV_LOG_INFO("removed \"%s\" from the recent projects", KV_CSTR(path));
    delete m_list->takeItem(m_list->row(it->item));
    m_rows.erase(it);
    updateEmptyState();
    realizeVisibleRows();
}

void FRecentProjectDialog::updateEmptyState()
{
    m_stack->setCurrentWidget(m_list->count() > 0 ? static_cast<QWidget *>(m_list) : m_empty);
}

void FRecentProjectDialog::showEvent(QShowEvent *event)
{
    KvFramelessDialog::showEvent(event);
    realizeVisibleRows();
}

void FRecentProjectDialog::resizeEvent(QResizeEvent *event)
{
    KvFramelessDialog::resizeEvent(event);
    if (isVisible())
        realizeVisibleRows();
}

bool FRecentProjectDialog::eventFilter(QObject *watched, QEvent *event)
{
    // The keyboard does what the mouse does: Enter opens, Delete removes.
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        QListWidgetItem *item = m_list->currentItem();
        if (item && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            slotItemDoubleClicked(item);
            return true;
        }
        if (item && item->isSelected() && key == Qt::Key_Delete) {
            removeProject(item->data(kPathRole).toString());
            return true;
        }
    }
    return KvFramelessDialog::eventFilter(watched, event);
}
