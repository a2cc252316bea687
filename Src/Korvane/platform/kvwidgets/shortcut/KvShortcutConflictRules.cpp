#include "KvShortcutConflictRules.h"

#include "IKvShortcutEditManager.h"
#include "KvShortcutCommands.h"
#include "KvShortcutKeyCapture.h"

#include <QStringList>

KvShortcutConflictRules::KvShortcutConflictRules(IKvShortcutEditManager *manager)
    : m_manager(manager ? manager : IKvShortcutEditManager::GetInstance())
{
    m_manager->GetCurrentShortcuts(m_current);
    m_manager->GetDefaultShortcuts(m_defaults);
    for (auto it = m_current.constBegin(); it != m_current.constEnd(); ++it)
        m_working.insert(it.key(), it->GetKeySequence());
}

QKeySequence KvShortcutConflictRules::sequence(int id) const
{
    return m_working.value(id);
}

QKeySequence KvShortcutConflictRules::defaultSequence(int id) const
{
    return m_defaults.value(id).GetKeySequence();
}

int KvShortcutConflictRules::conflictingCommand(int id, const QKeySequence &sequence) const
{
    if (sequence.isEmpty())
        return -1;
    for (auto it = m_working.constBegin(); it != m_working.constEnd(); ++it) {
        if (it.key() != id && it.value() == sequence)
            return it.key();
    }
    return -1;
}

QString KvShortcutConflictRules::conflictTitle()
{
    return tr("Conflicting Shortcuts");
}

QString KvShortcutConflictRules::conflictText(const QKeySequence &sequence, int other)
{
    return tr("The \"") + KvShortcutKeyCapture::displayText(sequence) + tr("\" shortcut is already assigned to the \"")
           + KvShortcutCommands::name(other) + tr("\" command. Do you wish to replace it?");
}

void KvShortcutConflictRules::assign(int id, const QKeySequence &sequence)
{
    m_working.insert(id, sequence);
    m_pending.insert(id, sequence);
}

int KvShortcutConflictRules::assignReplacing(int id, const QKeySequence &sequence)
{
    const int holder = conflictingCommand(id, sequence);
    if (holder >= 0)
        assign(holder, QKeySequence());
    assign(id, sequence);
    return holder;
}

void KvShortcutConflictRules::setEmpty(int id)
{
    assign(id, QKeySequence());
}

int KvShortcutConflictRules::restoreOne(int id)
{
    const QKeySequence restored = defaultSequence(id);
    const int holder = conflictingCommand(id, restored);
    if (holder < 0)
        assign(id, restored);
    return holder;
}

bool KvShortcutConflictRules::differsFromDefault(int id) const
{
    return sequence(id) != defaultSequence(id);
}

void KvShortcutConflictRules::restoreDefaults()
{
    for (auto it = m_defaults.constBegin(); it != m_defaults.constEnd(); ++it) {
        if (!KvShortcutCommands::keptByRestoreDefaults(it.key()))
            assign(it.key(), it->GetKeySequence());
    }
    // A kept command may hold a key that a restored command takes back.
    for (auto it = m_defaults.constBegin(); it != m_defaults.constEnd(); ++it) {
        const int id = it.key();
        if (!KvShortcutCommands::keptByRestoreDefaults(id) || sequence(id).isEmpty())
            continue;
        const int holder = conflictingCommand(id, sequence(id));
        if (holder >= 0 && !KvShortcutCommands::keptByRestoreDefaults(holder))
            setEmpty(id);
    }
}

bool KvShortcutConflictRules::canRestoreDefaults() const
{
    for (auto it = m_defaults.constBegin(); it != m_defaults.constEnd(); ++it) {
        if (!KvShortcutCommands::keptByRestoreDefaults(it.key()) && differsFromDefault(it.key()))
            return true;
    }
    return false;
}

KvShortcutSequenceMap KvShortcutConflictRules::changes() const
{
    KvShortcutSequenceMap remaining;
    for (auto it = m_pending.constBegin(); it != m_pending.constEnd(); ++it) {
        const QString current = m_current.value(it.key()).GetShortcutString();
        if (it.value().toString(QKeySequence::NativeText) != current)
            remaining.insert(it.key(), it.value());
    }
    return remaining;
}

KvShortcutSequenceMap KvShortcutConflictRules::commit()
{
    const KvShortcutSequenceMap applied = changes();
    m_manager->ApplyShortcuts(applied);
    QStringList commands;
    QStringList modules;
    for (auto it = applied.constBegin(); it != applied.constEnd(); ++it) {
        commands << KvShortcutCommands::nameEn(it.key());
        modules << IKvShortcutEditManager::getModuleStringEn(KvShortcutCommands::mode(it.key()));
    }
    IKvShortcutEditManager::SendTrackEvent(commands.join(QLatin1Char(',')), modules.join(QLatin1Char(',')));
    m_manager->SaveShortcuts();
    // What was committed is now the current state.
    m_manager->GetCurrentShortcuts(m_current);
    m_pending.clear();
    return applied;
}
