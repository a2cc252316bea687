#include "KvShortcutStore.h"

#include "KvPaths.h"
#include "KvShortcutCommands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QSet>

namespace {

constexpr int kVersion = 1;
const QString kVersionKey = QStringLiteral("version");
const QString kListKey = QStringLiteral("shortcuts");
const QString kIdKey = QStringLiteral("id");
const QString kKeyKey = QStringLiteral("key");

// A stored key: "" is unbound; otherwise exactly one known combination.
bool parseKey(const QString &text, QKeySequence *sequence)
{
    if (text.isEmpty()) {
        *sequence = QKeySequence();
        return true;
    }
    const QKeySequence parsed = QKeySequence::fromString(text, QKeySequence::PortableText);
    if (parsed.count() != 1 || (parsed[0] & ~Qt::KeyboardModifierMask) == Qt::Key_unknown
        || (parsed[0] & ~Qt::KeyboardModifierMask) == 0)
        return false;
    *sequence = parsed;
    return true;
}

} // namespace

namespace KvShortcutStore {

QString defaultFile()
{
    return QDir(KvPaths::userConfigDir()).filePath(QStringLiteral("KvShortcuts.json"));
}

Loaded read(const QString &file, const KvShortcutSequenceMap &defaults)
{
    Loaded loaded;
    loaded.bindings = defaults;
    QFile in(file);
    if (!in.exists())
        return loaded;
    if (!in.open(QIODevice::ReadOnly)) {
        loaded.state = Loaded::State::Corrupt;
        loaded.problems << in.errorString();
        return loaded;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(in.readAll(), &parseError);
    const QJsonObject root = document.object();
    if (parseError.error != QJsonParseError::NoError || !document.isObject() || !root.value(kListKey).isArray()) {
        loaded.state = Loaded::State::Corrupt;
        loaded.problems << (parseError.error != QJsonParseError::NoError ? parseError.errorString()
                                                                         : QStringLiteral("no list of shortcuts"));
        return loaded;
    }
    loaded.state = Loaded::State::Read;
    if (root.value(kVersionKey).toInt() != kVersion)
        loaded.problems << QStringLiteral("version %1 read as %2").arg(root.value(kVersionKey).toInt()).arg(kVersion);

    // Keys read from the file, in file order, first claim first served.
    QHash<QKeySequence, int> claimedBy;
    QSet<int> fromFile;
    const QJsonArray list = root.value(kListKey).toArray();
    for (int index = 0; index < list.size(); ++index) {
        const QJsonObject entry = list.at(index).toObject();
        const QJsonValue idValue = entry.value(kIdKey);
        const int id = idValue.toInt(-1);
        if (!idValue.isDouble() || !KvShortcutCommands::contains(id)) {
            loaded.problems << QStringLiteral("entry %1: no such command").arg(index);
            continue;
        }
        QKeySequence sequence;
        if (!entry.value(kKeyKey).isString() || !parseKey(entry.value(kKeyKey).toString(), &sequence)) {
            loaded.problems << QStringLiteral("command %1: unreadable key \"%2\"")
                                   .arg(id)
                                   .arg(entry.value(kKeyKey).toVariant().toString());
            continue;
        }
        if (fromFile.contains(id)) {
            loaded.problems << QStringLiteral("command %1 listed twice").arg(id);
            continue;
        }
        fromFile.insert(id);
        if (!sequence.isEmpty()) {
            const auto holder = claimedBy.constFind(sequence);
            if (holder != claimedBy.constEnd()) {
                loaded.problems << QStringLiteral("\"%1\" claimed by commands %2 and %3: %3 left unbound")
                                       .arg(sequence.toString(QKeySequence::PortableText))
                                       .arg(*holder)
                                       .arg(id);
                sequence = QKeySequence();
            } else {
                claimedBy.insert(sequence, id);
            }
        }
        loaded.bindings.insert(id, sequence);
    }
    // Defaults kept for commands the file did not give must not take a key
    // the file gave to another command.
    for (auto it = loaded.bindings.begin(); it != loaded.bindings.end(); ++it) {
        if (fromFile.contains(it.key()) || it.value().isEmpty())
            continue;
        const auto holder = claimedBy.constFind(it.value());
        if (holder != claimedBy.constEnd() && *holder != it.key()) {
            loaded.problems << QStringLiteral("default \"%1\" of command %2 is taken by command %3: %2 left unbound")
                                   .arg(it.value().toString(QKeySequence::PortableText))
                                   .arg(it.key())
                                   .arg(*holder);
            it.value() = QKeySequence();
        }
    }
    return loaded;
}

bool write(const QString &file, const KvShortcutSequenceMap &bindings, QString *error)
{
    QJsonArray list;
    for (auto it = bindings.constBegin(); it != bindings.constEnd(); ++it) {
        QJsonObject entry;
        entry.insert(kIdKey, it.key());
        entry.insert(kKeyKey, it.value().toString(QKeySequence::PortableText));
        list.append(entry);
    }
    QJsonObject root;
    root.insert(kVersionKey, kVersion);
    root.insert(kListKey, list);

    if (!QDir().mkpath(QFileInfo(file).absolutePath())) {
        *error = QStringLiteral("cannot create the folder of %1").arg(file);
        return false;
    }
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        *error = out.errorString();
        return false;
    }
    out.write(QJsonDocument(root).toJson(QJsonDocument::Indented));
    if (!out.commit()) {
        *error = out.errorString();
        return false;
    }
    return true;
}

} // namespace KvShortcutStore
