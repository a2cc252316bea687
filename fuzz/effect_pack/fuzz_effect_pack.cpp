// An effect pack's "Config.json" of any content, read by the pack library
// (the record the store lists) and by the effect store hand-over (the pack
// id). A record read must answer a name for every language.

#include "FEffectPackFiles.h"
#include "KvEffectPackLibrary.h"
#include "KvFuzz.h"

#include <QDir>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    KvFuzz::init(argc, argv);
    QDir(KvFuzz::workDir()).mkpath(QStringLiteral("Light Leaks"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString folder = QDir(KvFuzz::workDir()).filePath(QStringLiteral("Light Leaks"));
    KvFuzz::writeInput(QStringLiteral("Light Leaks/Config.json"), data, size);

    KvEffectPackRecord record;
    if (KvEffectPackLibrary::readPack(folder, &record)) {
        KV_FUZZ_CHECK(record.folder == folder);
        KV_FUZZ_CHECK(record.size == qint64(size));
        for (const char *language : {"en", "zh_CN", "zh", "de", "", "_"})
            record.name(QLatin1String(language));
    }
    FEffectPackFiles::packId(folder);
    return 0;
}
