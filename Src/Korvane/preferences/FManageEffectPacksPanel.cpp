#include "FManageEffectPacksPanel.h"

#include "FMessageDialog.h"
#include "IKvBaseLog.h"
#include "IKvProjectManager.h"
#include "KvEffectPackUtility.h"
#include "KvLocale.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QSet>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtConcurrent>

namespace {

constexpr int kContentWidth = 432;
constexpr int kHintHeight = 38;
constexpr int kTableHeight = 173;
constexpr qint64 kKiB = 1024;
constexpr qint64 kMiB = 1024 * 1024;

enum Column { NameColumn = 0, SizeColumn = 1, ColumnCount };

QTableWidgetItem *centredItem(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

FManageEffectPacksPanel::FManageEffectPacksPanel(QWidget *parent)
    : QWidget(parent)
    , m_hint(new QLabel(this))
    , m_table(new QTableWidget(0, ColumnCount, this))
{
    setObjectName(QStringLiteral("FManageEffectPacksPanel"));
    m_hint->setObjectName(QStringLiteral("FManageEffectPacksPanel_Hint"));
    m_hint->setWordWrap(true);
    m_hint->setFixedSize(kContentWidth, kHintHeight);
    // Two lines must hold the whole hint in its fixed box.
    m_hint->setStyleSheet(QStringLiteral("font-size: 12px;"));
    m_table->setObjectName(QStringLiteral("FStanderTableWidget"));
    m_table->setFixedSize(kContentWidth, kTableHeight);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    m_table->horizontalHeader()->setSectionResizeMode(SizeColumn, QHeaderView::ResizeToContents);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 16, 0, 8);
    layout->setSpacing(12);
    layout->addWidget(m_hint, 0, Qt::AlignHCenter);
    layout->addWidget(m_table, 0, Qt::AlignHCenter);
    layout->addStretch();
    connect(&m_scan, &QFutureWatcher<QVector<KvEffectPackRecord>>::finished, this, [this] {
        if (m_fillAgain) {
            m_fillAgain = false;
            fill();
            return;
        }
        showPacks(m_scan.result());
    });
    TranslateText();
}

FManageEffectPacksPanel::~FManageEffectPacksPanel()
{
    m_scan.waitForFinished();
}

void FManageEffectPacksPanel::TranslateText()
{
    m_hint->setText(tr("Delete unused effects packs to free up disk space. You can download them again later "
                       "from the Effects Store."));
    m_table->setHorizontalHeaderLabels({tr("Name"), tr("File Size")});
    m_table->setAccessibleName(tr("Installed effect packs"));
    if (!m_rows.isEmpty())
        fill();
}

QString FManageEffectPacksPanel::sizeText(qint64 bytes)
{
    if (bytes >= kMiB)
        return QString::number(bytes / kMiB) + QStringLiteral(" MB");
    return QString::number(qMax<qint64>(bytes, 0) / kKiB) + QStringLiteral(" KB");
}

void FManageEffectPacksPanel::fill()
{
    if (m_scan.isRunning()) {
        m_fillAgain = true;
        return;
    }
    m_scan.setFuture(QtConcurrent::run([] { return IKvProjectManager::getInstance()->installedEffectPacks(); }));
}

void FManageEffectPacksPanel::showPacks(const QVector<KvEffectPackRecord> &records)
{
    const QString language = KvLocale::instance()->languageCode();
    m_packs.clear();
    m_rows.clear();
    m_table->clearContents();
    m_table->setRowCount(records.size());
    for (int row = 0; row < records.size(); ++row) {
        const KvEffectPackRecord &record = records.at(row);
        QTableWidgetItem *name = centredItem(record.name(language));
        name->setData(Qt::UserRole, record.folder);
        m_table->setItem(row, NameColumn, name);
        m_table->setItem(row, SizeColumn, centredItem(sizeText(record.size)));
        m_packs.insert(record.folder, record);
        m_rows << record.folder;
    }
    emit sigFilled();
}

void FManageEffectPacksPanel::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    fill();
}

void FManageEffectPacksPanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        TranslateText();
    QWidget::changeEvent(event);
}

void FManageEffectPacksPanel::slotDeleteSelected()
{
    QStringList selected;
    for (const QModelIndex &index : m_table->selectionModel()->selectedRows(NameColumn)) {
        const QString folder = index.data(Qt::UserRole).toString();
        if (!folder.isEmpty() && !selected.contains(folder))
            selected << folder;
    }
    if (selected.isEmpty())
        return;

    IKvProjectManager *model = IKvProjectManager::getInstance();
    const QStringList inUse = model->effectPacksInUse(selected);
    QStringList toDelete;
    for (const QString &folder : selected) {
        if (!inUse.contains(folder) && QFileInfo(folder).isDir())
            toDelete << folder;
    }

    if (!inUse.isEmpty()) {
        KV_LOG_INFO("effect packs kept, the open project uses them: %s", KV_CSTR(inUse.join(QLatin1Char(';'))));
        FMessageDialog alert(window());
        alert.setObjectName(QStringLiteral("FManageEffectPacksPanel_InUse"));
        alert.setKind(FMessageDialog::Alert);
        alert.setTitle(tr("Manage Effects"));
        alert.setText(tr("The effect Pack can't be deleted because it is opened in Korvane."));
        alert.addButton(tr("OK"), FMessageDialog::Ok);
        alert.DoModal();
    }

    if (!toDelete.isEmpty()) {
        KvEffectPackUtility::recordEffectPackages(KvEffectPackUtility::getRemovePackageConfigFile(), toDelete, true);
        KvEffectPackUtility::recordEffectPackages(KvEffectPackUtility::getRecordEffectPackageConfigFile(), toDelete,
                                                  false);
    }

    for (const QString &folder : selected) {
        if (inUse.contains(folder))
            continue;
        removeRow(folder);
        model->removeEffectPackRecord(folder);
        const QString config = QDir(folder).filePath(QStringLiteral("Config.json"));
        if (QFileInfo::exists(config) && !QFile::remove(config))
            KV_LOG_ERROR("\"%s\" could not be removed", KV_CSTR(config));
    }
    KV_LOG_INFO("effect packs deleted: %d of %d selected", int(toDelete.size()), int(selected.size()));
}

void FManageEffectPacksPanel::removeRow(const QString &folder)
{
    const int row = m_rows.indexOf(folder);
    if (row < 0)
        return;
    m_table->removeRow(row);
    m_rows.removeAt(row);
    m_packs.remove(folder);
}
