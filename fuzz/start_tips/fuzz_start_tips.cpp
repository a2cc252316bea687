// The start tip file of any content, read for a language. QDomDocument
// expands internal entities without bound, so tips may only come from a
// document without a document type declaration.

#include "FStartTipLoader.h"
#include "KvFuzz.h"

#include <QDomDocument>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    KvFuzz::init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString file = KvFuzz::writeInput(QStringLiteral("startTips.xml"), data, size);
    const QList<FStartTip> tips = FStartTipLoader::readTips(file, QStringLiteral("en"));
    if (tips.isEmpty())
        return 0;
    QDomDocument document;
    KV_FUZZ_CHECK(document.setContent(KvFuzz::bytes(data, size)));
    KV_FUZZ_CHECK(document.doctype().name().isEmpty());
    KV_FUZZ_CHECK(document.doctype().entities().isEmpty());
    return 0;
}
