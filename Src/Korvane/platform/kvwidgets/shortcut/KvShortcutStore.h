#pragma once

#include "KvShortcutInfo.h"

#include <QString>
#include <QStringList>

// The bindings file: a JSON object
//   {"version": 1, "shortcuts": [{"id": 2, "key": "Ctrl+S"}, ...]}
// with keys in portable text ("" for unbound). The list keeps its order, so
// that of two commands claiming one key the later one can be told.
namespace KvShortcutStore {

// "<user configuration directory>/KvShortcuts.json".
QString defaultFile();

struct Loaded
{
    enum class State { Missing, Corrupt, Read };
    State state = State::Missing;
    // The bindings of every command of the table: read from the file where
    // it could be, the default otherwise, duplicates resolved.
    KvShortcutSequenceMap bindings;
    // What could not be used (empty for a clean file); one text per problem.
    QStringList problems;
};

// Reads `file`, completes the bindings with `defaults` and resolves keys
// claimed twice (the later command loses its binding; a default that meets
// a key read from the file loses too). Logs nothing.
Loaded read(const QString &file, const KvShortcutSequenceMap &defaults);

// Writes every binding in command-id order, atomically; false and
// `error` on failure.
bool write(const QString &file, const KvShortcutSequenceMap &bindings, QString *error);

} // namespace KvShortcutStore
