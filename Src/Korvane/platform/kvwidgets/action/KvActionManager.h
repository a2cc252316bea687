#pragma once

#include "KvActionId.h"
#include "KvLazySingleton.h"

#include <QHash>
#include <QKeySequence>
#include <QObject>
#include <QPointer>
#include <QVector>

class KvUIScene;
class QAction;

// Who runs an action that runs itself: the editing module it is sent to.
enum class KvActionTarget { None, Timeline, MediaLibrary, Player };

// One row of the action table.
struct KvActionRow
{
    int id;                // KvActionId
    const char *text;      // untranslated (context "KvActionManager")
    const char *icon;      // skin icon name, or null
    const char *shortcut;  // default key sequence in portable text, or null; null
                           // when bound to a command (the command table has it)
    int shortcutCommand;   // the keyboard-shortcut command it is bound to, -1 for none
    KvActionTarget target; // None: whoever placed the action handles its triggered()
};

// The editor's numbered actions. Each number of the table gets one QAction,
// made on the first get() and kept for the manager's life, so that a menu,
// the main window and the shortcut editor all hold the same object. The
// action carries its number in the "actionType" property.
//
// Actions with a target run themselves: when triggered, the manager sends
// KvDataMessage(kRunActionMessage, id) to the target scene, where the
// editing module named by the target does the work. The scene is not a
// QObject: whoever sets it detaches it (setTargetScene(nullptr)) before the
// scene goes.
//
// GUI thread only.
class KvActionManager : public QObject
{
    Q_OBJECT

public:
    static constexpr int kRunActionMessage = 9100;

    static KvActionManager *instance();
    static KvActionManager *GetInstance() { return instance(); }
    static void Release();

    // The one table: numbers, texts, icons, default shortcuts, targets.
    static const QVector<KvActionRow> &table();
    // The row of `id`; null for a number outside the table.
    static const KvActionRow *tableRow(int id);

    // The action of `id`, made on the first call. A number outside the
    // table is logged and gets a disabled placeholder, never null.
    QAction *get(int id);
    // True when get(id) has made the action already.
    bool isCreated(int id) const { return m_actions.contains(id); }

    // The untranslated text; empty for a number outside the table.
    QString getSourceText(int id) const;
    KvActionTarget targetOf(int id) const;
    // The default: the bound command's default, or the row's own.
    QKeySequence defaultShortcut(int id) const;
    // The current binding (the default until setShortcut changes it).
    QKeySequence shortcut(int id) const;
    // Rebinds `id`; an empty sequence leaves it without a shortcut. The
    // action follows at once when it exists. Unknown numbers are logged.
    void setShortcut(int id, const QKeySequence &sequence);

    // Remembers enabled, checked, visible and the shortcut of every action
    // made so far; restore() puts them back (actions made later are left
    // alone). A second save() replaces the first.
    void save();
    void restore();

    void setTargetScene(KvUIScene *scene);
    KvUIScene *targetScene() const;

    // Texts again in the current language (after a language change).
    void retranslate();

signals:
    // A self-running action was triggered and its message sent.
    void sigActionRun(int id);

private:
    friend class KvLazySingleton<KvActionManager>;
    KvActionManager();
    ~KvActionManager() override;

    QAction *create(int id);
    void run(int id);

    struct SavedState
    {
        bool enabled;
        bool checked;
        bool visible;
        QKeySequence shortcut;
    };

    QHash<int, QAction *> m_actions;
    QHash<int, QKeySequence> m_shortcuts; // only the ones that differ from the default
    QHash<int, SavedState> m_saved;
    KvUIScene *m_scene = nullptr;
    // Set when the scene is also a QObject: a destroyed scene is then noticed.
    QPointer<QObject> m_sceneObject;
    bool m_sceneIsObject = false;
};
