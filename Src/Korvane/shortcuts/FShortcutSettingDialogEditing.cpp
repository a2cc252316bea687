// The dialog's editing: new sequences with their conflict check, the
// notices, restoring, and committing on OK.
#include "FShortcutSettingDialog.h"

#include "FMaskWidget.h"
#include "FShortCutBaseInfoWid.h"
#include "FShortCutItemWid.h"
#include "FShortCutLineEidt.h"
#include "IKvBaseLog.h"
#include "KvShortcutCommands.h"
#include "KvShortcutKeyCapture.h"
#include "LineEditWithClearBtn.h"

#include <QListWidget>
#include <QPushButton>

void FShortcutSettingDialog::onKeySequenceChanged(int commandId, const QKeySequence &sequence)
{
    if (m_notice) {
        // One question at a time; the field shows what it holds.
        showSequence(commandId);
        return;
    }
    if (sequence.isEmpty()) {
        m_rules.setEmpty(commandId);
        showSequence(commandId);
        updateRestoreAllButton();
        return;
    }
    const int other = m_rules.conflictingCommand(commandId, sequence);
    if (other < 0) {
        m_rules.assign(commandId, sequence);
        showSequence(commandId);
        updateRestoreAllButton();
        return;
    }
    const QString display = KvShortcutKeyCapture::displayText(sequence);
    KV_LOG_INFO("shortcut %s of command %d is held by command %d", KV_CSTR(display), commandId, other);
    emit sigConflictInfoSendToInfoWid(display, KvShortcutCommands::name(other));
    if (runNotice(KvShortcutConflictRules::conflictTitle(), KvShortcutConflictRules::conflictText(sequence, other))) {
        m_rules.assignReplacing(commandId, sequence);
        showSequence(other);
        showSequence(commandId);
    } else {
        showSequence(commandId);
        if (FShortCutItemWid *item = m_items.value(commandId))
            item->keyField()->lineEdit()->setFocus(Qt::OtherFocusReason);
    }
    updateRestoreAllButton();
}

void FShortcutSettingDialog::showSequence(int commandId)
{
    if (FShortCutItemWid *item = m_items.value(commandId))
        item->setKeySequence(m_rules.sequence(commandId));
}

void FShortcutSettingDialog::slotShowDialogFromInvalidKeyPressEvent(int commandId)
{
    if (m_notice)
        return;
    FShortCutItemWid *item = m_items.value(commandId);
    if (runNotice(tr("Cannot Set Shortcut"), tr("Not all keys can be used in shortcuts."))) {
        if (item)
            item->keyField()->lineEdit()->setFocus(Qt::OtherFocusReason);
    } else {
        m_list->setFocus(Qt::OtherFocusReason);
    }
}

bool FShortcutSettingDialog::runNotice(const QString &title, const QString &message)
{
    m_mask->setGeometry(rect());
    m_mask->show();
    m_mask->raise();
    auto *notice = new FShortCutBaseInfoWid(this);
    m_notice = notice;
    notice->setInfo(title, message);
    notice->setGeometry(0, kNoticeTop, kNoticeWidth, kNoticeHeight);
    notice->raise();
    KV_LOG_INFO("shortcut notice: %s", KV_CSTR(title));
    const bool confirmed = notice->exec() == QDialog::Accepted;
    m_mask->hide();
    delete notice;
    return confirmed;
}

void FShortcutSettingDialog::slotRestoreAllBtnClicked()
{
    m_rules.restoreDefaults();
    for (auto it = m_items.cbegin(); it != m_items.cend(); ++it)
        it.value()->setKeySequence(m_rules.sequence(it.key()));
    updateRestoreAllButton();
}

void FShortcutSettingDialog::updateRestoreAllButton()
{
    // Whether some listed row shows its restore button, made or not.
    bool differs = false;
    for (auto it = m_rowOfCommand.cbegin(); it != m_rowOfCommand.cend() && !differs; ++it)
        differs = m_rules.differsFromDefault(it.key());
    m_restoreAll->setEnabled(differs);
}

void FShortcutSettingDialog::done(int result)
{
    if (m_notice) {
        // Closing the dialog answers its question first.
        m_notice->reject();
    }
    if (result == Ok) {
        const KvShortcutSequenceMap applied = m_rules.commit();
        KV_LOG_INFO("shortcut dialog: %d changes applied", int(applied.size()));
    }
    KvFramelessDialog::done(result);
}
