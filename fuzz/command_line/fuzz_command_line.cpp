// A second start's command line, as the running editor receives it: the
// arguments (one per line of the input, the first being the program) go
// through the command-line map and the launcher parameters into the one
// request that is forwarded, which must always be sendable.

#include "FCommandLineMap.h"
#include "FForwardCommand.h"
#include "KvCommunicatorMsg.h"
#include "KvCommunicatorProtocol.h"
#include "KvFuzz.h"
#include "KvVelloqHelper.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    KvFuzz::init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList arguments =
        QString::fromUtf8(reinterpret_cast<const char *>(data), int(size)).split(QLatin1Char('\n'));
    const QMap<QString, QString> map = FCommandLineMap::build(arguments);
    for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
        KV_FUZZ_CHECK(!it.value().isEmpty());
        KV_FUZZ_CHECK(it.value() == it.value().trimmed());
        KV_FUZZ_CHECK(it.key() == FCommandLineMap::kOpenKey || it.value().contains(it.key()));
    }

    KvVelloqHelper velloq;
    velloq.parseStartParams(map.value(FCommandLineMap::kVelloqParamKey));
    const FForwardCommand command = FForwardCommand::forStartArguments(map, velloq);
    KV_FUZZ_CHECK(!command.command.isEmpty());

    QByteArray frame;
    const int sent = KvCommunicatorMsg::frameFor(command.command, command.contents, &frame);
    KV_FUZZ_CHECK(sent == KvCommunicator::SendOk);
    return 0;
}
