#pragma once

#include <QString>

// The note of the newest automatic backup: "/Backup.conf" in the backup
// folder (application information value 16), a UTF-8 JSON object whose
// "lastAutoSaveProject" holds the full path of the newest backup project
// file. The automatic backup writes it after each backup that read back
// correctly and removes the entry when the project is saved or closed in
// order; so a note with an entry at start means the previous run ended
// with unsaved work.
//
// Reading never trusts the file: anything but a small regular file holding
// such an object, naming a file that exists, is refused with a reason.
class KvBackupNote
{
public:
    enum class ReadResult {
        Ok,
        Missing,       // no note, or not a regular file
        TooLarge,      // more than kMaxSize bytes: not a note this library wrote
        Unreadable,
        Empty,
        NotJson,       // includes nesting deeper than the parser allows
        NotAnObject,   // valid JSON, but not a non-empty object
        NoEntry,       // "lastAutoSaveProject" missing, not a text, or empty
        BackupMissing, // the file it names does not exist (any more)
    };

    // A path and a few keys; a larger file is read no further.
    static constexpr qint64 kMaxSize = 64 * 1024;

    static QString fileName();
    static QString entryKey();
    // "<backupDir>/Backup.conf".
    static QString pathIn(const QString &backupDir);

    // `backupPath` is set only on Ok. Logs nothing: a missing note is normal
    // and the caller decides how loud a broken one is.
    static ReadResult read(const QString &notePath, QString *backupPath);
    // Sets the entry, keeping the note's other keys unless they would make
    // the note too large to read; atomic (the old note stays whole when the
    // write fails).
    static bool write(const QString &notePath, const QString &backupPath, QString *error = nullptr);
    // Removes the entry when it names a file whose name begins with
    // `namePrefix` (any file when empty). True when no such entry is left.
    static bool clear(const QString &notePath, const QString &namePrefix = QString());

    static const char *resultName(ReadResult result);
};
