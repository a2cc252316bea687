// The automatic backup's note read at start, then updated and cleared the
// way a run does. A note that names a backup must name one that exists;
// whatever the note held, writing an entry makes it read back.

#include "KvBackupNote.h"
#include "KvFuzz.h"

#include <QDir>
#include <QFile>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    KvFuzz::init(argc, argv);
    // The backups a note may name: "%BACKUPDIR%" in an input stands for
    // their folder, so that fuzzed notes can pass the existence check and
    // reach the end of the reader.
    for (const char *name : {"a.kvproj", "Backup_1.kvproj"}) {
        QFile backup(QDir(KvFuzz::workDir()).filePath(QLatin1String(name)));
        if (!backup.open(QIODevice::WriteOnly))
            KvFuzz::fail("cannot make a backup file", __FILE__, __LINE__);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes = KvFuzz::bytes(data, size);
    bytes.replace("%BACKUPDIR%", KvFuzz::workDir().toUtf8());
    const QString note = KvFuzz::writeInput(KvBackupNote::fileName(),
                                            reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()));
    QString named;
    const KvBackupNote::ReadResult result = KvBackupNote::read(note, &named);
    KV_FUZZ_CHECK(KvBackupNote::resultName(result) != nullptr);
    if (result == KvBackupNote::ReadResult::Ok)
        KV_FUZZ_CHECK(QFileInfo::exists(named));
    else
        KV_FUZZ_CHECK(named.isEmpty());

    const QString backup = QDir(KvFuzz::workDir()).filePath(QStringLiteral("Backup_1.kvproj"));
    if (bytes.size() > KvBackupNote::kMaxSize)
        return 0;
    KV_FUZZ_CHECK(KvBackupNote::write(note, backup));
    QString after;
    KV_FUZZ_CHECK(KvBackupNote::read(note, &after) == KvBackupNote::ReadResult::Ok);
    KV_FUZZ_CHECK(after == backup);
    KV_FUZZ_CHECK(KvBackupNote::clear(note, QStringLiteral("Backup_")));
    KV_FUZZ_CHECK(KvBackupNote::read(note, &after) != KvBackupNote::ReadResult::Ok);
    return 0;
}
