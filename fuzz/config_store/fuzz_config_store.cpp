// The configuration store opened on a file of any content, then read the
// way the editor reads it: named settings of every type and generic values
// converted to the type of their default. A corrupt file must leave the
// defaults in place.

#include "KvConfig.h"
#include "KvConfigSettings.h"
#include "KvFuzz.h"

#include <QDate>
#include <QDateTime>
#include <QSize>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    KvFuzz::init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString file = KvFuzz::writeInput(QStringLiteral("KvConfig.json"), data, size);
    KvConfig config(file, KvFuzz::workDir());
    const bool readable = config.reload();

    namespace S = KvConfigSettings;
    const bool firstStart = config.value(S::FirstStart);
    const QSize formSize = config.value(S::MainFormSize);
    const int volume = config.value(S::MainPlayerVolume);
    const QDateTime firstUsed = config.value(S::KorvaneFirstUsedDateTime);
    const QDate npsDate = config.value(S::NPSShowDate);
    const qint64 creativeTime = config.value(S::CreativeUpdateTime);
    if (!readable) {
        KV_FUZZ_CHECK(firstStart == S::FirstStart.defaultValue);
        KV_FUZZ_CHECK(formSize == S::MainFormSize.defaultValue);
        KV_FUZZ_CHECK(volume == S::MainPlayerVolume.defaultValue);
        KV_FUZZ_CHECK(firstUsed == S::KorvaneFirstUsedDateTime.defaultValue);
        KV_FUZZ_CHECK(npsDate == S::NPSShowDate.defaultValue);
        KV_FUZZ_CHECK(creativeTime == S::CreativeUpdateTime.defaultValue);
    }

    // Generic values as the shell asks for them, each kind of default.
    const QString group = S::Group;
    const QVariant defaults[] = {QVariant(), QVariant(true), QVariant(7), QVariant(qint64(1) << 40), QVariant(0.5),
                                 QVariant(QStringLiteral("x")), QVariant(QStringList{QStringLiteral("a")}),
                                 QVariant(QSize(1, 2)), QVariant(QDateTime()), QVariant(QDate()), QVariant(QByteArray("b"))};
    for (const char *key : {"FirstStart", "MainFormSize", "a", "KorvaneFirstUsedDateTime"}) {
        for (const QVariant &fallback : defaults) {
            config.GetAppValue(group, QLatin1String(key), false, fallback);
            config.GetAppValue(QStringLiteral("g"), QLatin1String(key), true, fallback);
        }
    }
    return 0;
}
