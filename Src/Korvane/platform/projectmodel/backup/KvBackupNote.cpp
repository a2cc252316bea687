#include "KvBackupNote.h"

#include "IKvBaseLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {

using ReadResult = KvBackupNote::ReadResult;

// The note's object; `result` says why there is none.
QJsonObject readObject(const QString &notePath, ReadResult *result)
{
    const QFileInfo info(notePath);
    // Only a regular file: opening a FIFO would block until someone writes.
    if (notePath.isEmpty() || !info.exists() || !info.isFile()) {
        *result = ReadResult::Missing;
        return {};
    }
    if (info.size() > KvBackupNote::kMaxSize) {
        *result = ReadResult::TooLarge;
        return {};
    }
    QFile file(notePath);
    if (!file.open(QIODevice::ReadOnly)) {
        *result = ReadResult::Unreadable;
        return {};
    }
    // One byte more than allowed shows a file that grew since the stat.
    const QByteArray bytes = file.read(KvBackupNote::kMaxSize + 1);
    if (bytes.size() > KvBackupNote::kMaxSize) {
        *result = ReadResult::TooLarge;
        return {};
    }
    if (file.error() != QFileDevice::NoError) {
        *result = ReadResult::Unreadable;
        return {};
    }
    if (bytes.trimmed().isEmpty()) {
        *result = ReadResult::Empty;
        return {};
    }
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        *result = ReadResult::NotJson;
        return {};
    }
    if (!doc.isObject() || doc.object().isEmpty()) {
        *result = ReadResult::NotAnObject;
        return {};
    }
    *result = ReadResult::Ok;
    return doc.object();
}

bool writeObject(const QString &notePath, const QJsonObject &object, QString *error)
{
    QString why;
    if (!QDir().mkpath(QFileInfo(notePath).absolutePath())) {
        why = QStringLiteral("cannot create its folder");
    } else {
        QSaveFile file(notePath);
        const QByteArray bytes = QJsonDocument(object).toJson(QJsonDocument::Indented);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            why = file.errorString();
    }
    if (why.isEmpty())
        return true;
    KV_LOG_ERROR("cannot write the backup note \"%s\": %s", KV_CSTR(notePath), KV_CSTR(why));
    if (error)
        *error = why;
    return false;
}

} // namespace

QString KvBackupNote::fileName()
{
    return QStringLiteral("Backup.conf");
}

QString KvBackupNote::entryKey()
{
    return QStringLiteral("lastAutoSaveProject");
}

QString KvBackupNote::pathIn(const QString &backupDir)
{
    return backupDir + QLatin1Char('/') + fileName();
}

KvBackupNote::ReadResult KvBackupNote::read(const QString &notePath, QString *backupPath)
{
    ReadResult result = ReadResult::Ok;
    const QJsonObject note = readObject(notePath, &result);
    if (result != ReadResult::Ok)
        return result;
    const QString path = note.value(entryKey()).toString();
    if (path.isEmpty())
        return ReadResult::NoEntry;
    if (!QFileInfo(path).isFile())
        return ReadResult::BackupMissing;
    if (backupPath)
        *backupPath = path;
    return ReadResult::Ok;
}

bool KvBackupNote::write(const QString &notePath, const QString &backupPath, QString *error)
{
    ReadResult result = ReadResult::Ok;
    // Keys someone else keeps in the note survive; a broken note is replaced.
    QJsonObject note = readObject(notePath, &result);
    note.insert(entryKey(), backupPath);
    // Written indented, deeply nested keys of others can grow past what a
    // reader accepts; the entry must read back, so they give way.
    if (QJsonDocument(note).toJson(QJsonDocument::Indented).size() > kMaxSize)
        note = QJsonObject{{entryKey(), backupPath}};
    return writeObject(notePath, note, error);
}

bool KvBackupNote::clear(const QString &notePath, const QString &namePrefix)
{
    ReadResult result = ReadResult::Ok;
    QJsonObject note = readObject(notePath, &result);
    if (result != ReadResult::Ok || !note.contains(entryKey()))
        return true;
    const QString named = QFileInfo(note.value(entryKey()).toString()).fileName();
    if (!namePrefix.isEmpty() && !named.startsWith(namePrefix))
        return true;
    note.remove(entryKey());
    return writeObject(notePath, note, nullptr);
}

const char *KvBackupNote::resultName(ReadResult result)
{
    switch (result) {
    case ReadResult::Ok: return "ok";
    case ReadResult::Missing: return "no note";
    case ReadResult::TooLarge: return "too large";
    case ReadResult::Unreadable: return "unreadable";
    case ReadResult::Empty: return "empty";
    case ReadResult::NotJson: return "not JSON";
    case ReadResult::NotAnObject: return "not a non-empty object";
    case ReadResult::NoEntry: return "no backup named";
    case ReadResult::BackupMissing: return "the backup named is gone";
    }
    return "?";
}
