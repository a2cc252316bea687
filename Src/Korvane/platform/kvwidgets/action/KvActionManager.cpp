#include "KvActionManager.h"

#include "IKvBaseLog.h"
#include "KvDataMessage.h"
#include "KvLocale.h"
#include "KvShortcutCommands.h"
#include "KvSkin.h"
#include "KvUIScene.h"

#include <QAction>
#include <QCoreApplication>

namespace {

const char *const kActionTypeProperty = "actionType";

QString translated(const KvActionRow &row)
{
    return QCoreApplication::translate("KvActionManager", row.text);
}

// Bindings name the Enter key for both Enter keys (a shortcut field turns
// Return into Enter); the main keyboard's Return fires the action too.
void bindKeys(QAction *action, const QKeySequence &sequence)
{
    const int combination = sequence.isEmpty() ? 0 : sequence[0];
    if (sequence.count() == 1 && (combination & ~Qt::KeyboardModifierMask) == Qt::Key_Enter) {
        const int modifiers = combination & Qt::KeyboardModifierMask;
        action->setShortcuts({sequence, QKeySequence(Qt::Key_Return | modifiers)});
    } else {
        action->setShortcut(sequence);
    }
}

} // namespace

KvActionManager *KvActionManager::instance()
{
    return KvLazySingleton<KvActionManager>::instance();
}

void KvActionManager::Release()
{
    KvLazySingleton<KvActionManager>::release();
}

KvActionManager::KvActionManager()
{
    // Texts follow the interface language while the editor runs.
    connect(KvLocale::instance(), &KvLocale::sigLanguageTypeChanged, this, &KvActionManager::retranslate);
}

// The actions are children of the manager; widgets that still show one
// simply lose it.
KvActionManager::~KvActionManager() = default;

const KvActionRow *KvActionManager::tableRow(int id)
{
    static const QHash<int, int> rows = [] {
        QHash<int, int> byId;
        for (int row = 0; row < table().size(); ++row)
            byId.insert(table().at(row).id, row);
        return byId;
    }();
    const auto it = rows.constFind(id);
    return it == rows.constEnd() ? nullptr : &table().at(*it);
}

QAction *KvActionManager::get(int id)
{
    if (QAction *action = m_actions.value(id, nullptr))
        return action;
    return create(id);
}

QAction *KvActionManager::create(int id)
{
    auto *action = new QAction(this);
    action->setProperty(kActionTypeProperty, id);
    m_actions.insert(id, action);
    const KvActionRow *row = tableRow(id);
    if (!row) {
        // A caller asked for a number the editor does not know: it gets an
        // action that does nothing rather than a null to trip over.
        KV_LOG_ERROR("action %d is not in the action table; a disabled placeholder is used", id);
        action->setEnabled(false);
        return action;
    }
    action->setText(translated(*row));
    bindKeys(action, shortcut(id));
    if (row->icon) {
        const QString icon = QString::fromLatin1(row->icon);
        if (KvSkin::hasIcon(icon))
            action->setIcon(KvSkin::instance()->icon(icon));
        else
            KV_LOG_ERROR("action %d names the icon \"%s\", which the skin does not have", id, row->icon);
    }
    if (row->target != KvActionTarget::None)
        connect(action, &QAction::triggered, this, [this, id]() { run(id); });
    return action;
}

QString KvActionManager::getSourceText(int id) const
{
    const KvActionRow *row = tableRow(id);
    return row ? QString::fromUtf8(row->text) : QString();
}

KvActionTarget KvActionManager::targetOf(int id) const
{
    const KvActionRow *row = tableRow(id);
    return row ? row->target : KvActionTarget::None;
}

QKeySequence KvActionManager::defaultShortcut(int id) const
{
    const KvActionRow *row = tableRow(id);
    if (row && row->shortcutCommand >= 0)
        return KvShortcutCommands::defaultSequence(row->shortcutCommand);
    if (!row || !row->shortcut)
        return QKeySequence();
    return QKeySequence::fromString(QString::fromLatin1(row->shortcut), QKeySequence::PortableText);
}

QKeySequence KvActionManager::shortcut(int id) const
{
    const auto it = m_shortcuts.constFind(id);
    return it != m_shortcuts.constEnd() ? *it : defaultShortcut(id);
}

void KvActionManager::setShortcut(int id, const QKeySequence &sequence)
{
    if (!tableRow(id)) {
        KV_LOG_ERROR("no action %d to bind \"%s\" to", id, KV_CSTR(sequence.toString(QKeySequence::PortableText)));
        return;
    }
    if (sequence == defaultShortcut(id))
        m_shortcuts.remove(id);
    else
        m_shortcuts.insert(id, sequence);
    if (QAction *action = m_actions.value(id, nullptr))
        bindKeys(action, sequence);
}

void KvActionManager::save()
{
    m_saved.clear();
    for (auto it = m_actions.constBegin(); it != m_actions.constEnd(); ++it) {
        const QAction *action = it.value();
        m_saved.insert(it.key(), {action->isEnabled(), action->isChecked(), action->isVisible(), action->shortcut()});
    }
}

void KvActionManager::restore()
{
    for (auto it = m_saved.constBegin(); it != m_saved.constEnd(); ++it) {
        QAction *action = m_actions.value(it.key(), nullptr);
        if (!action)
            continue;
        action->setEnabled(it->enabled);
        if (action->isCheckable())
            action->setChecked(it->checked);
        action->setVisible(it->visible);
        bindKeys(action, it->shortcut);
        // The binding follows what is put back, so that shortcut() agrees.
        if (tableRow(it.key())) {
            if (it->shortcut == defaultShortcut(it.key()))
                m_shortcuts.remove(it.key());
            else
                m_shortcuts.insert(it.key(), it->shortcut);
        }
    }
}

void KvActionManager::setTargetScene(KvUIScene *scene)
{
    m_scene = scene;
    m_sceneObject = dynamic_cast<QObject *>(scene);
    m_sceneIsObject = m_sceneObject != nullptr;
}

KvUIScene *KvActionManager::targetScene() const
{
    if (m_sceneIsObject && !m_sceneObject)
        return nullptr;
    return m_scene;
}

void KvActionManager::retranslate()
{
    for (auto it = m_actions.constBegin(); it != m_actions.constEnd(); ++it) {
        if (const KvActionRow *row = tableRow(it.key()))
            it.value()->setText(translated(*row));
    }
}

void KvActionManager::run(int id)
{
    KvUIScene *scene = targetScene();
    if (!scene) {
        KV_LOG_INFO("action %d (%s) triggered without an editing scene; nothing to run it", id,
                    KV_CSTR(getSourceText(id)));
        return;
    }
    KvDataMessage message(kRunActionMessage, id);
    if (!scene->sendMessage(&message))
        KV_LOG_INFO("no module of the scene ran action %d (%s)", id, KV_CSTR(getSourceText(id)));
    emit sigActionRun(id);
}
