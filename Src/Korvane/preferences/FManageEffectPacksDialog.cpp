#include "FManageEffectPacksDialog.h"

#include "FManageEffectPacksPanel.h"

#include <QEvent>
#include <QPushButton>

namespace {

constexpr int kDialogHeight = 367;
constexpr int kDeleteWidth = 132;
constexpr int kCancelWidth = 104;

} // namespace

FManageEffectPacksDialog::FManageEffectPacksDialog(QWidget *parent)
    : KvFramelessDialog(parent, StandardWidth)
    , m_panel(new FManageEffectPacksPanel)
{
    setObjectName(QStringLiteral("FManageEffectPacksDialog"));
    setStyleSheet(QStringLiteral("#FManageEffectPacksDialog") + QStringLiteral("{background-color:#1C232A;}"));
    setFixedHeight(kDialogHeight);
    setContentWidget(m_panel);

    QPushButton *remove = addButton(QString(), DeleteSelected, true);
    remove->setFixedWidth(kDeleteWidth);
    // The long label needs the width the skin's padding would take.
    remove->setStyleSheet(QStringLiteral("padding-left: 2px; padding-right: 2px;"));
    // Deleting works in place: the button must not end the dialog.
    disconnect(remove, &QPushButton::clicked, this, nullptr);
    connect(remove, &QPushButton::clicked, m_panel, &FManageEffectPacksPanel::slotDeleteSelected);
    addButton(QString(), Cancelled)->setFixedWidth(kCancelWidth);
    TranslateText();
}

FManageEffectPacksDialog::~FManageEffectPacksDialog() = default;

QPushButton *FManageEffectPacksDialog::deleteButton() const
{
    return button(DeleteSelected);
}

QPushButton *FManageEffectPacksDialog::cancelButton() const
{
    return button(Cancelled);
}

void FManageEffectPacksDialog::TranslateText()
{
    setTitle(tr("Manage Effects"));
    deleteButton()->setText(tr("DELETE SELECTED"));
    deleteButton()->setAccessibleName(deleteButton()->text());
    cancelButton()->setText(tr("CANCEL"));
    cancelButton()->setAccessibleName(cancelButton()->text());
}

void FManageEffectPacksDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        TranslateText();
    KvFramelessDialog::changeEvent(event);
}
