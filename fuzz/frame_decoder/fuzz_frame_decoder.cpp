// The communicator's frame decoder on any byte stream cut into any chunks.
// The chunking must not matter: the stream fed in pieces gives the same
// texts and the same verdict as the stream fed at once, and the decoder
// never holds more than a header and its payload limit.

#include "KvFrameDecoder.h"
#include "KvFuzz.h"

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    KvFuzz::init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    static const int kLimits[] = {0, 1, 9, 64, 4096, KvCommunicator::kMaxPayload};
    const int limit = input.PickValueInArray(kLimits);

    KvFrameDecoder pieces(limit);
    QStringList piecewise;
    QByteArray stream;
    while (input.remaining_bytes() > 0) {
        const size_t length = input.ConsumeIntegralInRange<size_t>(0, 40);
        const std::string chunk = input.ConsumeBytesAsString(length);
        const QByteArray bytes(chunk.data(), int(chunk.size()));
        stream += bytes;
        const bool failedBefore = pieces.hasError();
        const QStringList texts = pieces.feed(bytes);
        KV_FUZZ_CHECK(!failedBefore || texts.isEmpty());
        KV_FUZZ_CHECK(pieces.bufferedBytes() <= KvFrameDecoder::kHeaderSize + qint64(limit));
        piecewise += texts;
    }

    KvFrameDecoder whole(limit);
    KV_FUZZ_CHECK(whole.feed(stream) == piecewise);
    KV_FUZZ_CHECK(whole.hasError() == pieces.hasError());
    KV_FUZZ_CHECK(whole.isMidFrame() == pieces.isMidFrame());

    // What came out goes back in unchanged.
    QByteArray again;
    for (const QString &text : piecewise) {
        const QByteArray frame = KvFrameDecoder::encode(text, limit);
        KV_FUZZ_CHECK(!frame.isEmpty());
        again += frame;
    }
    KvFrameDecoder echo(limit);
    KV_FUZZ_CHECK(echo.feed(again) == piecewise);
    KV_FUZZ_CHECK(!echo.hasError() && !echo.isMidFrame());
    return 0;
}
