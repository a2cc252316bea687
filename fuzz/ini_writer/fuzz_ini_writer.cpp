// Setting one key in an existing INI file of any content. The edit is made
// on the file (read, rewritten atomically) and must be stable: the entry is
// in the result, and setting the same value again changes nothing.

#include "KvFuzz.h"
#include "KvIniWriter.h"

#include <QFile>

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    KvFuzz::init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    // Sections, keys and values come from the editor, not from the file.
    static const char *const kSections[] = {"LogRetrieval", "General", "logretrieval", "a b"};
    static const char *const kKeys[] = {"flashback", "Language", "FLASHBACK", "k"};
    static const char *const kValues[] = {"true", "", "1 = 2", "C:\\Program Files\\x", "\xc3\xa9t\xc3\xa9"};
    const QString section = QString::fromUtf8(input.PickValueInArray(kSections));
    const QString key = QString::fromUtf8(input.PickValueInArray(kKeys));
    const QString value = QString::fromUtf8(input.PickValueInArray(kValues));
    const std::string text = input.ConsumeRemainingBytesAsString();

    const QString path = KvFuzz::writeInput(QStringLiteral("Korvane.ini"),
                                            reinterpret_cast<const uint8_t *>(text.data()), text.size());
    QString error;
    KV_FUZZ_CHECK(KvIniWriter::writePrivateProfileString(section, key, value, path, &error));
    QFile file(path);
    KV_FUZZ_CHECK(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();

    const QByteArray entry = key.toUtf8() + '=' + value.toUtf8();
    KV_FUZZ_CHECK(written.startsWith(entry + '\n') || written.contains('\n' + entry + '\n')
                  || written.startsWith(entry + "\r\n") || written.contains('\n' + entry + "\r\n"));
    KV_FUZZ_CHECK(KvIniWriter::setValue(written, section, key, value) == written);
    return 0;
}
