#pragma once

#include "IKvShortcutEditManager.h"
#include "KvLazySingleton.h"

// The shortcut edit manager behind IKvShortcutEditManager::GetInstance().
// Bindings are loaded from the bindings file on construction; the actions
// of the action manager that are bound to a command follow the current
// bindings (at load, at every apply, and when a main view is set).
//
// Tests construct their own with a file of their choosing.
class KvShortcutEditManager : public IKvShortcutEditManager
{
    Q_OBJECT

public:
    // `file` empty: the bindings file under the user's configuration
    // directory.
    explicit KvShortcutEditManager(const QString &file = QString());
    ~KvShortcutEditManager() override;

    void GetCurrentShortcuts(KvShortcutInfoMap &shortcuts) const override;
    void GetDefaultShortcuts(KvShortcutInfoMap &shortcuts) const override;
    void ApplyShortcuts(const KvShortcutSequenceMap &changes) override;
    bool SaveShortcuts() override;
    QKeySequence GetShortcut(int commandId) const override;

    QString fileName() const { return m_file; }
    // Puts the current bindings on the actions bound to commands.
    void syncActions() const;

private:
    friend class KvLazySingleton<KvShortcutEditManager>;

    void load();

    QString m_file;
    KvShortcutSequenceMap m_current;
};
