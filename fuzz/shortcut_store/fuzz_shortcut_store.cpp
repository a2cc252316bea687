// The shortcut bindings file of any content, read against the command
// table's defaults. Whatever the file says, every command gets a binding
// and no key ends up bound to two commands.

#include "KvFuzz.h"
#include "KvShortcutCommands.h"
#include "KvShortcutStore.h"

#include <QHash>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    KvFuzz::init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const KvShortcutSequenceMap defaults = [] {
        KvShortcutSequenceMap map;
        for (const KvShortcutCommands::Command &command : KvShortcutCommands::table())
            map.insert(command.id, KvShortcutCommands::defaultSequence(command.id));
        return map;
    }();

    const QString file = KvFuzz::writeInput(QStringLiteral("KvShortcuts.json"), data, size);
    const KvShortcutStore::Loaded loaded = KvShortcutStore::read(file, defaults);
    KV_FUZZ_CHECK(loaded.state != KvShortcutStore::Loaded::State::Missing);
    KV_FUZZ_CHECK(loaded.bindings.keys() == defaults.keys());
    if (loaded.state == KvShortcutStore::Loaded::State::Corrupt)
        KV_FUZZ_CHECK(loaded.bindings == defaults && !loaded.problems.isEmpty());

    QHash<QKeySequence, int> holders;
    for (auto it = loaded.bindings.constBegin(); it != loaded.bindings.constEnd(); ++it) {
        if (it.value().isEmpty())
            continue;
        KV_FUZZ_CHECK(!holders.contains(it.value()));
        holders.insert(it.value(), it.key());
    }
    return 0;
}
