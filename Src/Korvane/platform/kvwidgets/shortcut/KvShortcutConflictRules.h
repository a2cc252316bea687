#pragma once

#include "KvShortcutInfo.h"

#include <QCoreApplication>
#include <QString>

class IKvShortcutEditManager;

// The working copy an editor of the bindings changes: the working map
// (command id -> sequence, filled from the manager's current bindings) and
// the pending changes. Nothing reaches the manager before commit().
//
// Assigning a sequence:
//   const int other = rules.conflictingCommand(id, sequence);
//   if (other < 0) rules.assign(id, sequence);
//   else if (user confirms conflictText(sequence, other))
//       rules.assignReplacing(id, sequence);   // `other` becomes unbound
//   else  // refused: nothing changes; show sequence(id) again
//
// GUI thread only.
class KvShortcutConflictRules
{
    Q_DECLARE_TR_FUNCTIONS(KvShortcutConflictRules)

public:
    // Reads current bindings and defaults of `manager` (the one manager
    // when null).
    explicit KvShortcutConflictRules(IKvShortcutEditManager *manager = nullptr);

    // Working sequence of `id` (empty when unbound or unknown).
    QKeySequence sequence(int id) const;
    QKeySequence defaultSequence(int id) const;
    const KvShortcutSequenceMap &working() const { return m_working; }
    const KvShortcutSequenceMap &pending() const { return m_pending; }
    const KvShortcutInfoMap &current() const { return m_current; }
    const KvShortcutInfoMap &defaults() const { return m_defaults; }

    // The command other than `id` whose working sequence equals `sequence`;
    // -1 when none, or when `sequence` is empty.
    int conflictingCommand(int id, const QKeySequence &sequence) const;
    // The conflict notice's text for `sequence` held by `other`
    // (title: conflictTitle()).
    static QString conflictTitle();
    static QString conflictText(const QKeySequence &sequence, int other);

    // Working and pending entries of `id` become `sequence` (no check).
    void assign(int id, const QKeySequence &sequence);
    // Confirmed conflict: `id` takes `sequence`, its holder becomes
    // unbound. Returns the holder's id (-1 when there was none).
    int assignReplacing(int id, const QKeySequence &sequence);
    // The clear button: `id` becomes unbound (no conflict check).
    void setEmpty(int id);
    // Restore one: the default of `id`, handled as a typed sequence. -1 when
    // it was assigned; otherwise the conflicting command, nothing changed
    // (then assignReplacing(id, defaultSequence(id)) on confirmation).
    int restoreOne(int id);
    // A field's restore button shows exactly when this is true.
    bool differsFromDefault(int id) const;

    // "Restore Defaults": every command except the three kept ones
    // (KvShortcutCommands::keptByRestoreDefaults) takes its default; a kept
    // command whose sequence a restored default now holds becomes unbound.
    void restoreDefaults();
    // True while some command "Restore Defaults" would change differs from
    // its default.
    bool canRestoreDefaults() const;

    // Commit step 1: the pending entries that differ from the current
    // record (native text compared; a missing record counts as empty).
    KvShortcutSequenceMap changes() const;
    // Steps 1 to 4: drop unchanged entries, apply the rest, send the
    // tracking event (English command names and module names, each joined
    // with ","), persist. Returns the changes applied.
    KvShortcutSequenceMap commit();

private:
    IKvShortcutEditManager *m_manager;
    KvShortcutInfoMap m_current;
    KvShortcutInfoMap m_defaults;
    KvShortcutSequenceMap m_working;
    KvShortcutSequenceMap m_pending;
};
