#pragma once

#include "KvShortcutInfo.h"

#include <QObject>
#include <QString>

#include <functional>

class QWidget;

// The keeper of the editor's keyboard shortcuts: the current binding of
// every command of the command table (KvShortcutCommands.h), the factory
// defaults, and the bindings file under the user's configuration directory.
// Applying changes rebinds the main window's actions at once.
//
// The four operations are used in this order by an editor of the bindings:
// GetCurrentShortcuts, GetDefaultShortcuts, ApplyShortcuts, then (once,
// after a successful apply) SaveShortcuts.
//
// GUI thread only.
class IKvShortcutEditManager : public QObject
{
    Q_OBJECT

public:
    // The one manager; its first use loads the bindings file.
    static IKvShortcutEditManager *GetInstance();
    static void Release();

    // The main window: dialogs of the shortcut editor are placed over it and
    // shortcuts are meant to work in it. Null detaches it.
    static void SetMainView(QWidget *mainView);
    static QWidget *GetMainView();
    // The window to place a dialog over: the top-level window of `widget`,
    // or the main view when `widget` is null or not shown.
    static QWidget *GetTopWidget(QWidget *widget);

    // English module name ("File", "Edit", ...) for usage tracking; empty
    // for a value outside KvShortCutMode.
    static QString getModuleStringEn(int mode);

    // Sends one usage-tracking event with two texts (the English names of
    // the changed commands and of their modules). The widget library does
    // not track by itself: the application installs the sender. Without
    // one the event is only logged.
    using TrackSender = std::function<void(const QString &commands, const QString &modules)>;
    static void SetTrackSender(TrackSender sender);
    static void SendTrackEvent(const QString &commands, const QString &modules);

    // 1. Current bindings: fills `shortcuts` with every command of the table.
    virtual void GetCurrentShortcuts(KvShortcutInfoMap &shortcuts) const = 0;
    // 2. Factory defaults: the same, with the defaults.
    virtual void GetDefaultShortcuts(KvShortcutInfoMap &shortcuts) const = 0;
    // 3. Makes the given bindings current (an empty sequence unbinds) and
    // rebinds the actions of those commands at once. Ids outside the table
    // are logged and skipped. A command outside `changes` that held a key
    // given here loses it (logged; the editor's conflict rule avoids it).
    virtual void ApplyShortcuts(const KvShortcutSequenceMap &changes) = 0;
    // 4. Writes the bindings file (atomically); false, logged, on failure.
    virtual bool SaveShortcuts() = 0;

    // The current sequence of one command (empty for none or unknown).
    virtual QKeySequence GetShortcut(int commandId) const = 0;

signals:
    // Emitted by ApplyShortcuts with the commands whose binding changed.
    void sigShortcutsChanged(const QList<int> &commandIds);

protected:
    IKvShortcutEditManager() = default;
};
