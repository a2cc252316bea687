#include "FShortcutSettingDialog.h"

#include "FMaskWidget.h"
#include "FModuleNameItemWid.h"
#include "FNothingFindWid.h"
#include "FShortCutItemWid.h"
#include "FShortCutSearchLineEdit.h"
#include "IKvBaseLog.h"
#include "IKvShortcutEditManager.h"
#include "KvLocale.h"
#include "KvShortcutCommands.h"
#include "KvShortcutKeyCapture.h"
#include "KvSkin.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// "Remove In Point" and "Remove Out Point" have bindings but are not for the
// user to change.
constexpr int kUnlistedCommands[] = {4003, 4004};

constexpr int kModuleListWidth = 184;
constexpr int kModuleListHeight = 422;
constexpr int kModuleButtonHeight = 32;
// The button bar's number for "Restore Defaults"; it never ends the dialog.
constexpr int kRestoreAllResult = 2;
// The interface language whose native key names do not name the arrow keys.
constexpr int kArrowNamesLanguage = 7;
// Rows made per turn of the event loop once the dialog is up (a few ms).
constexpr int kItemsPerTurn = 4;
// Time the first paint gets before the remaining rows are made.
constexpr int kFillDelayMs = 100;

const char *const kStyleSheet = R"(
#FComlib_Shortcut_ListWid { border: none; background: transparent; }
#FComlib_Shortcut_ListWid::item, #FComlib_Shortcut_ListWid::item:hover,
#FComlib_Shortcut_ListWid::item:selected { background: transparent; padding: 0; }
QPushButton#FComlib_Shortcut_ListBtn { text-align: left; padding-left: 16px; border: none; border-radius: 4px;
    background: transparent; color: @text; font-weight: normal; }
QPushButton#FComlib_Shortcut_ListBtn:hover { background: @itemHoverBg; }
QPushButton#FComlib_Shortcut_ListBtn:checked { background: @itemSelectedBg; color: @textStrong; }
QPushButton#FComlib_Shortcut_ListBtn:disabled { color: @textDisabled; background: transparent; }
#FComlib_FModuleNameItemWid_NameLab { color: @textStrong; font-weight: 600; }
#ShortCutSettingModuleLab { color: @textMuted; }
QLineEdit#FShortCutLineEidt_Edit { padding: 3px 6px; }
QLineEdit[WorkType="WaitInput"] { color: @textDim; font-style: italic; }
QPushButton#FComlib_FShortCut_RefreshButton, QPushButton#FComlib_FShortCut_LayoutHelperBtn {
    background: transparent; border: none; padding: 0; }
QPushButton#FComlib_FShortCut_RefreshButton:hover { background: @itemHoverBg; }
#FComLib_ShortcutInfoWid { background: @tipBg; border: 1px solid @warning; border-radius: 6px; }
#FComLib_FShortCut_firstLab { color: @textStrong; font-weight: 600; }
#FComLib_FNothingFindWid_textLab { color: @textMuted; }
)";

} // namespace

FShortcutSettingDialog::FShortcutSettingDialog(QWidget *parent)
    : KvFramelessDialog(parent, StandardWidth)
{
    setObjectName(QStringLiteral("FComlib_FShortcutSettingDialog"));
    setTitle(tr("Keyboard Shortcuts"));
    // The rows need more than the standard width: name, module, key field
    // and restore button side by side, beside the module list.
    setFixedSize(kWidth, kHeight);
    setStyleSheet(KvSkin::instance()->resolve(QString::fromLatin1(kStyleSheet)));
    buildLayout();
    buildList();
    updateRestoreAllButton();

    m_mask = new FMaskWidget(this);
    m_mask->setObjectName(QStringLiteral("FComLib_Shortcut_MaskWid"));
    m_mask->hide();
}

FShortcutSettingDialog::~FShortcutSettingDialog() = default;

int FShortcutSettingDialog::showFor(QWidget *parent)
{
    FShortcutSettingDialog dialog(IKvShortcutEditManager::GetTopWidget(parent));
    return dialog.DoModal();
}

void FShortcutSettingDialog::buildLayout()
{
    m_moduleList = new QWidget(contentWidget());
    m_moduleList->setObjectName(QStringLiteral("FComlib_ShortCutSettingListWidget"));
    m_moduleList->setFixedSize(kModuleListWidth, kModuleListHeight);
    auto *moduleLayout = new QVBoxLayout(m_moduleList);
    moduleLayout->setContentsMargins(0, 0, 0, 0);
    moduleLayout->setSpacing(2);
    moduleLayout->addStretch();
    m_moduleButtons = new QButtonGroup(this);
    m_moduleButtons->setExclusive(true);
    connect(m_moduleButtons, &QButtonGroup::idClicked, this, &FShortcutSettingDialog::scrollToModule);

    m_search = new FShortCutSearchLineEdit(contentWidget());
    connect(m_search, &FShortCutSearchLineEdit::sigSendSearchString, this,
            &FShortcutSettingDialog::slotUpdateViewForSearch);
    connect(m_search, &FShortCutSearchLineEdit::sigSearchingStateChanged, this,
            &FShortcutSettingDialog::slotBeginSearchingState);

    m_list = new QListWidget(contentWidget());
    m_list->setObjectName(QStringLiteral("FComlib_Shortcut_ListWid"));
    m_list->setAccessibleName(tr("Keyboard shortcuts"));
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_list->verticalScrollBar()->setSingleStep(20);
    connect(m_list->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        makeVisibleItems();
        selectModuleInView();
    });
    m_list->setUniformItemSizes(false);
    m_nothingFind = new FNothingFindWid(contentWidget());
    m_stack = new QStackedWidget(contentWidget());
    m_stack->addWidget(m_list);
    m_stack->addWidget(m_nothingFind);

    auto *right = new QVBoxLayout;
    right->setContentsMargins(0, 0, 0, 0);
    right->setSpacing(6);
    right->addWidget(m_search);
    right->addWidget(m_stack, 1);
    auto *layout = new QHBoxLayout(contentWidget());
    layout->setContentsMargins(8, 8, 8, 0);
    layout->setSpacing(8);
    layout->addWidget(m_moduleList, 0, Qt::AlignTop);
    layout->addLayout(right, 1);

    m_restoreAll = addButton(tr("Restore Defaults"), kRestoreAllResult);
    // The bar's buttons end the dialog; this one only edits.
    disconnect(m_restoreAll, &QPushButton::clicked, this, nullptr);
    connect(m_restoreAll, &QPushButton::clicked, this, &FShortcutSettingDialog::slotRestoreAllBtnClicked);
    m_ok = addButton(tr("OK"), Ok, true);
    m_cancel = addButton(tr("Cancel"), Cancel);
}

void FShortcutSettingDialog::buildList()
{
    const KvShortcutInfoMap &current = m_rules.current();
    int previousModule = -1;
    for (auto it = current.cbegin(); it != current.cend(); ++it) {
        const int id = it.key();
        if (std::find(std::begin(kUnlistedCommands), std::end(kUnlistedCommands), id) != std::end(kUnlistedCommands))
            continue;
        const int module = it.value().GetMode();
        if (module != previousModule) {
            addModule(module, KvShortcutCommands::moduleName(module));
            previousModule = module;
        }
        addCommand(id);
    }
    if (QAbstractButton *first = m_moduleButtons->buttons().value(0))
        first->setChecked(true);
    KV_LOG_INFO("shortcut dialog lists %d commands in %d modules", m_rowOfCommand.size(), int(m_sectionRows.size()));
}

void FShortcutSettingDialog::addModule(int module, const QString &name)
{
    auto *header = new FModuleNameItemWid(module, name);
    auto *row = new QListWidgetItem(m_list);
    row->setFlags(Qt::ItemIsEnabled);
    row->setSizeHint(QSize(0, FModuleNameItemWid::kHeight));
    m_list->setItemWidget(row, header);
    m_sectionRows << m_list->row(row);
    m_sectionModules << module;

    auto *button = new QPushButton(name, m_moduleList);
    button->setObjectName(QStringLiteral("FComlib_Shortcut_ListBtn"));
    button->setFixedSize(kModuleListWidth, kModuleButtonHeight);
    button->setCheckable(true);
    button->setAccessibleName(name);
    button->setAutoDefault(false);
    m_moduleButtons->addButton(button, module);
    auto *layout = static_cast<QVBoxLayout *>(m_moduleList->layout());
    layout->insertWidget(layout->count() - 1, button);
}

void FShortcutSettingDialog::addCommand(int commandId)
{
    auto *row = new QListWidgetItem(m_list);
    row->setFlags(Qt::ItemIsEnabled);
    row->setSizeHint(QSize(0, FShortCutItemWid::kHeight));
    m_rowOfCommand.insert(commandId, m_list->row(row));
    m_lowerNames.insert(commandId, KvShortcutCommands::name(commandId).toLower());
}

FShortCutItemWid *FShortcutSettingDialog::item(int commandId)
{
    if (FShortCutItemWid *made = m_items.value(commandId))
        return made;
    const int row = m_rowOfCommand.value(commandId, -1);
    if (row < 0)
        return nullptr;
    const int module = m_rules.current().value(commandId).GetMode();
    auto *item = new FShortCutItemWid(commandId, KvShortcutCommands::name(commandId),
                                      KvShortcutCommands::moduleName(module), m_rules.sequence(commandId),
                                      m_rules.defaultSequence(commandId));
    m_list->setItemWidget(m_list->item(row), item);
    m_items.insert(commandId, item);

    // Queued: a notice may open in answer, and it must not run inside the
    // field's key event.
    connect(item, &FShortCutItemWid::sigKeySequenceChanged, this, &FShortcutSettingDialog::onKeySequenceChanged,
            Qt::QueuedConnection);
    connect(item, &FShortCutItemWid::sigSingleRestoreRequest, this, &FShortcutSettingDialog::onKeySequenceChanged,
            Qt::QueuedConnection);
    connect(item, &FShortCutItemWid::sigInvalidKeyPressEventToDialog, this,
            &FShortcutSettingDialog::slotShowDialogFromInvalidKeyPressEvent, Qt::QueuedConnection);
    return item;
}

void FShortcutSettingDialog::makeVisibleItems()
{
    // Every row has a fixed height, so what is in view follows from the
    // scroll position alone, before the list has laid itself out.
    const int top = m_list->verticalScrollBar()->value();
    const int bottom = top + qMax(m_list->viewport()->height(), kModuleListHeight) + FShortCutItemWid::kHeight;
    QVector<int> commandOfRow(m_list->count(), -1);
    for (auto it = m_rowOfCommand.cbegin(); it != m_rowOfCommand.cend(); ++it)
        commandOfRow[it.value()] = it.key();
    int y = 0;
    for (int row = 0; row < m_list->count() && y < bottom; ++row) {
        if (m_list->isRowHidden(row))
            continue;
        const int height = m_list->item(row)->sizeHint().height();
        if (y + height > top && commandOfRow.at(row) >= 0)
            item(commandOfRow.at(row));
        y += height;
    }
}

void FShortcutSettingDialog::makeSomeMoreItems()
{
    int made = 0;
    for (auto it = m_rowOfCommand.cbegin(); it != m_rowOfCommand.cend() && made < kItemsPerTurn; ++it) {
        if (!m_items.contains(it.key())) {
            item(it.key());
            ++made;
        }
    }
    if (made == 0)
        m_fillTimer->stop();
}

void FShortcutSettingDialog::showEvent(QShowEvent *event)
{
    makeVisibleItems();
    if (!m_fillTimer) {
        m_fillTimer = new QTimer(this);
        m_fillTimer->setInterval(0);
        connect(m_fillTimer, &QTimer::timeout, this, &FShortcutSettingDialog::makeSomeMoreItems);
        QTimer::singleShot(kFillDelayMs, m_fillTimer, qOverload<>(&QTimer::start));
    }
    KvFramelessDialog::showEvent(event);
}

void FShortcutSettingDialog::scrollToModule(int module)
{
    const int section = m_sectionModules.indexOf(module);
    if (section < 0)
        return;
    m_list->scrollToItem(m_list->item(m_sectionRows.at(section)), QAbstractItemView::PositionAtTop);
    // The last sections cannot reach the top; the button clicked stays the one.
    if (QAbstractButton *button = m_moduleButtons->button(module))
        button->setChecked(true);
}

void FShortcutSettingDialog::selectModuleInView()
{
    if (m_search->isSearching() || m_sectionRows.isEmpty())
        return;
    int section = 0;
    for (int i = 1; i < m_sectionRows.size(); ++i) {
        if (m_list->visualItemRect(m_list->item(m_sectionRows.at(i))).top() > FModuleNameItemWid::kHeight / 2)
            break;
        section = i;
    }
    if (QAbstractButton *button = m_moduleButtons->button(m_sectionModules.at(section)))
        button->setChecked(true);
}

bool FShortcutSettingDialog::isCommandShown(int commandId) const
{
    const int row = m_rowOfCommand.value(commandId, -1);
    return row >= 0 && !m_list->isRowHidden(row) && m_stack->currentWidget() == m_list;
}

QString FShortcutSettingDialog::searchTextOf(int commandId) const
{
    const QKeySequence sequence = m_rules.sequence(commandId);
    if (sequence.isEmpty()) {
        // The two gestures that always work are found by their text.
        if (commandId == 2026 || commandId == 2034)
            return KvShortcutCommands::mouseAlternative(commandId).toLower();
        return QString();
    }
    if (KvLocale::instance()->languageType() == kArrowNamesLanguage) {
        static const QHash<int, QString> arrows{{Qt::Key_Up, QStringLiteral("up")},
                                                {Qt::Key_Down, QStringLiteral("down")},
                                                {Qt::Key_Left, QStringLiteral("left")},
                                                {Qt::Key_Right, QStringLiteral("right")}};
        const int combination = sequence[0];
        const QString arrow = arrows.value(combination & ~int(Qt::KeyboardModifierMask));
        if (!arrow.isEmpty()) {
            QString text = QKeySequence(combination).toString(QKeySequence::NativeText);
            text = text.left(text.lastIndexOf(QLatin1Char('+')) + 1) + arrow;
            return text.toLower();
        }
    }
    return KvShortcutKeyCapture::displayText(sequence).toLower();
}

void FShortcutSettingDialog::slotUpdateViewForSearch(const QString &text)
{
    m_list->setUpdatesEnabled(false);
    bool anyShown = false;
    if (text.isEmpty()) {
        for (int row = 0; row < m_list->count(); ++row)
            m_list->setRowHidden(row, false);
        anyShown = true;
    } else {
        for (int row : qAsConst(m_sectionRows))
            m_list->setRowHidden(row, true);
        for (auto it = m_rowOfCommand.cbegin(); it != m_rowOfCommand.cend(); ++it) {
            const bool shown = searchTextOf(it.key()).contains(text) || m_lowerNames.value(it.key()).contains(text);
            m_list->setRowHidden(it.value(), !shown);
            anyShown = anyShown || shown;
        }
    }
    m_list->setUpdatesEnabled(true);
    makeVisibleItems();
    m_stack->setCurrentWidget(anyShown ? static_cast<QWidget *>(m_list) : m_nothingFind);
    if (text.isEmpty()) {
        m_list->scrollToTop();
        if (QAbstractButton *first = m_moduleButtons->buttons().value(0))
            first->setChecked(true);
    }
}

void FShortcutSettingDialog::slotBeginSearchingState(bool searching)
{
    // A filtered list has no sections to jump to.
    for (QAbstractButton *button : m_moduleButtons->buttons())
        button->setEnabled(!searching);
    for (int row : qAsConst(m_sectionRows))
        m_list->setRowHidden(row, searching);
}
