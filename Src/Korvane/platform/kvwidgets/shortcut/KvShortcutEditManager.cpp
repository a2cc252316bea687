#include "KvShortcutEditManager.h"

#include "IKvBaseLog.h"
#include "KvActionManager.h"
#include "KvShortcutCommands.h"
#include "KvShortcutStore.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace {

QPointer<QWidget> g_mainView;
IKvShortcutEditManager::TrackSender g_trackSender;

KvShortcutSequenceMap factoryDefaults()
{
    KvShortcutSequenceMap defaults;
    for (const KvShortcutCommands::Command &command : KvShortcutCommands::table())
        defaults.insert(command.id, KvShortcutCommands::defaultSequence(command.id));
    return defaults;
}

KvShortcutInfoMap recordsOf(const KvShortcutSequenceMap &bindings)
{
    KvShortcutInfoMap records;
    for (auto it = bindings.constBegin(); it != bindings.constEnd(); ++it)
        records.insert(it.key(), KvShortcutInfo(KvShortcutCommands::mode(it.key()), it.value()));
    return records;
}

// Command id -> the actions bound to it.
const QMultiHash<int, int> &actionsByCommand()
{
    static const QMultiHash<int, int> byCommand = [] {
        QMultiHash<int, int> map;
        for (const KvActionRow &row : KvActionManager::table()) {
            if (row.shortcutCommand >= 0)
                map.insert(row.shortcutCommand, row.id);
        }
        return map;
    }();
    return byCommand;
}

void bindActions(int commandId, const QKeySequence &sequence)
{
    const QList<int> actionIds = actionsByCommand().values(commandId);
    if (actionIds.isEmpty())
        return;
    KvActionManager *actions = KvActionManager::instance();
    for (int actionId : actionIds) {
        if (actions->shortcut(actionId) != sequence)
            actions->setShortcut(actionId, sequence);
    }
}

} // namespace

// --- IKvShortcutEditManager -------------------------------------------------

IKvShortcutEditManager *IKvShortcutEditManager::GetInstance()
{
    return KvLazySingleton<KvShortcutEditManager>::instance();
}

void IKvShortcutEditManager::Release()
{
    KvLazySingleton<KvShortcutEditManager>::release();
}

void IKvShortcutEditManager::SetMainView(QWidget *mainView)
{
    g_mainView = mainView;
    // A main view may have been preceded by one that put the actions back
    // as it found them: the current bindings hold again.
    if (mainView)
        static_cast<KvShortcutEditManager *>(GetInstance())->syncActions();
}

QWidget *IKvShortcutEditManager::GetMainView()
{
    return g_mainView.data();
}

QWidget *IKvShortcutEditManager::GetTopWidget(QWidget *widget)
{
    if (widget && widget->isVisible())
        return widget->window();
    if (g_mainView)
        return g_mainView->window();
    return widget ? widget->window() : QApplication::activeWindow();
}

QString IKvShortcutEditManager::getModuleStringEn(int mode)
{
    return KvShortcutCommands::moduleNameEn(mode);
}

void IKvShortcutEditManager::SetTrackSender(TrackSender sender)
{
    g_trackSender = std::move(sender);
}

void IKvShortcutEditManager::SendTrackEvent(const QString &commands, const QString &modules)
{
    if (g_trackSender)
        g_trackSender(commands, modules);
    else
        KV_LOG_INFO("shortcuts changed: %s (%s)", KV_CSTR(commands), KV_CSTR(modules));
}

// --- KvShortcutEditManager --------------------------------------------------

KvShortcutEditManager::KvShortcutEditManager(const QString &file)
    : m_file(file.isEmpty() ? KvShortcutStore::defaultFile() : file)
{
    load();
}

KvShortcutEditManager::~KvShortcutEditManager() = default;

void KvShortcutEditManager::load()
{
    const KvShortcutStore::Loaded loaded = KvShortcutStore::read(m_file, factoryDefaults());
    m_current = loaded.bindings;
    switch (loaded.state) {
    case KvShortcutStore::Loaded::State::Missing:
        KV_LOG_INFO("no keyboard shortcut file %s: the default shortcuts are used", KV_CSTR(m_file));
        break;
    case KvShortcutStore::Loaded::State::Corrupt:
        KV_LOG_ERROR("keyboard shortcut file %s cannot be read (%s): the default shortcuts are used",
                     KV_CSTR(m_file), KV_CSTR(loaded.problems.join(QStringLiteral("; "))));
        break;
    case KvShortcutStore::Loaded::State::Read:
        if (!loaded.problems.isEmpty())
            KV_LOG_ERROR("keyboard shortcut file %s is partly unusable; defaults where needed: %s", KV_CSTR(m_file),
                         KV_CSTR(loaded.problems.join(QStringLiteral("; "))));
        break;
    }
    syncActions();
}

void KvShortcutEditManager::syncActions() const
{
    for (auto it = m_current.constBegin(); it != m_current.constEnd(); ++it)
        bindActions(it.key(), it.value());
}

void KvShortcutEditManager::GetCurrentShortcuts(KvShortcutInfoMap &shortcuts) const
{
    shortcuts = recordsOf(m_current);
}

void KvShortcutEditManager::GetDefaultShortcuts(KvShortcutInfoMap &shortcuts) const
{
    shortcuts = recordsOf(factoryDefaults());
}

void KvShortcutEditManager::ApplyShortcuts(const KvShortcutSequenceMap &changes)
{
    QList<int> changed;
    for (auto it = changes.constBegin(); it != changes.constEnd(); ++it) {
        if (!KvShortcutCommands::contains(it.key())) {
            KV_LOG_ERROR("no shortcut command %d to bind \"%s\" to", it.key(),
                         KV_CSTR(it.value().toString(QKeySequence::PortableText)));
            continue;
        }
        if (m_current.value(it.key()) == it.value())
            continue;
        m_current.insert(it.key(), it.value());
        bindActions(it.key(), it.value());
        changed << it.key();
    }
    // A key has one command: one that still held a key given away here
    // loses it (the editor unbinds it itself; other callers may not).
    for (auto it = changes.constBegin(); it != changes.constEnd(); ++it) {
        if (it.value().isEmpty() || !KvShortcutCommands::contains(it.key()))
            continue;
        for (auto held = m_current.begin(); held != m_current.end(); ++held) {
            if (held.key() == it.key() || held.value() != it.value() || changes.contains(held.key()))
                continue;
            KV_LOG_INFO("\"%s\" moves from command %d to command %d", KV_CSTR(it.value().toString(QKeySequence::PortableText)),
                        held.key(), it.key());
            held.value() = QKeySequence();
            bindActions(held.key(), QKeySequence());
            changed << held.key();
        }
    }
    if (!changed.isEmpty())
        emit sigShortcutsChanged(changed);
}

bool KvShortcutEditManager::SaveShortcuts()
{
    QString error;
    if (KvShortcutStore::write(m_file, m_current, &error))
        return true;
    KV_LOG_ERROR("cannot write the keyboard shortcut file %s: %s", KV_CSTR(m_file), KV_CSTR(error));
    return false;
}

QKeySequence KvShortcutEditManager::GetShortcut(int commandId) const
{
    return m_current.value(commandId);
}
