// A shared project's description file of any content. The reader must
// refuse every document type declaration and entity reference, and a
// description it accepts names no more than it holds.

#include "FShareDescription.h"
#include "KvFuzz.h"

#include <QBuffer>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    KvFuzz::init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes = KvFuzz::bytes(data, size);
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    FShareDescription description;
    QString why;
    const FShareDescription::ReadResult result = FShareDescription::parse(device, &description, &why);
    KV_FUZZ_CHECK(result == FShareDescription::Ok || !why.isEmpty());
    if (result != FShareDescription::Ok)
        return 0;
    description.kind();
    // Every field read is text of the document, so none can be longer.
    KV_FUZZ_CHECK(description.shareId.size() <= bytes.size());
    KV_FUZZ_CHECK(description.fileName.size() <= bytes.size());
    KV_FUZZ_CHECK(description.assertion.size() <= bytes.size());
    return 0;
}
