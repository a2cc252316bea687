// A received communicator text split into messages. Whatever is accepted
// must survive being sent on: written as text, framed, decoded and split
// again, it gives the same messages.

#include "KvCommunicatorMsg.h"
#include "KvFrameDecoder.h"
#include "KvFuzz.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    KvFuzz::init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));
    const QList<KvCommunicatorMsg> messages = KvCommunicatorMsg::buildListFromString(text);

    QList<KvCommunicatorMsg> parsed;
    QString error;
    const bool ok = KvCommunicatorMsg::parse(text, &parsed, &error);
    KV_FUZZ_CHECK(parsed == messages);
    KV_FUZZ_CHECK(ok || error.size() > 0);
    if (!ok)
        return 0;

    QList<KvCommunicatorMsg> reparsed;
    KV_FUZZ_CHECK(KvCommunicatorMsg::parse(KvCommunicatorMsg::toText(messages), &reparsed, &error));
    KV_FUZZ_CHECK(reparsed == messages);

    KvFrameDecoder decoder;
    for (const KvCommunicatorMsg &message : messages) {
        QByteArray frame;
        KV_FUZZ_CHECK(KvCommunicatorMsg::frameFor(message.command(), message.contents(), &frame)
                      == KvCommunicator::SendOk);
        const QStringList texts = decoder.feed(frame);
        KV_FUZZ_CHECK(texts.size() == 1);
        const QList<KvCommunicatorMsg> received = KvCommunicatorMsg::buildListFromString(texts.first());
        KV_FUZZ_CHECK(received.size() == 1 && received.first() == message);
    }
    return 0;
}
