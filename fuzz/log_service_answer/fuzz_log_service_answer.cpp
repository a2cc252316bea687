// An answer of the web service during a log retrieval, of any content:
// the success check and the two payloads read from an accepted answer.

#include "FLogServiceAnswer.h"
#include "KvFuzz.h"

#include <QJsonValue>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    KvFuzz::init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QJsonObject answer;
    QString why;
    const FLogServiceAnswer::Result result = FLogServiceAnswer::parse(KvFuzz::bytes(data, size), &answer, &why);
    if (result != FLogServiceAnswer::Result::Ok) {
        KV_FUZZ_CHECK(answer.isEmpty());
        KV_FUZZ_CHECK(result != FLogServiceAnswer::Result::NotAnObject || !why.isEmpty());
        return 0;
    }
    KV_FUZZ_CHECK(answer.value(QStringLiteral("code")).toDouble(1) == 0.0);
    FLogServiceAnswer::accessToken(answer);
    const FOssCredential credential = FLogServiceAnswer::credential(answer);
    KV_FUZZ_CHECK(credential.callback.size() == 4 && credential.callbackVar.size() == 3);
    return 0;
}
