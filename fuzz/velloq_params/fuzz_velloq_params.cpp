// The companion launcher's "-velloqparam:" argument, either as raw bytes or
// built from fuzzed values the way the launcher encodes them. Whatever is
// accepted keeps the documented pairs; whatever was encoded comes back.

#include "KvFuzz.h"
#include "KvVelloqHelper.h"

#include <QUrl>

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    KvFuzz::init(argc, argv);
    return 0;
}

namespace {

void checkShape(const KvVelloqHelper &helper)
{
    const QPair<QString, QString> account = helper.getUserPwdPair();
    KV_FUZZ_CHECK(account.first.isEmpty() == account.second.isEmpty());
    const QVariantMap tpl = helper.getPrjTemplateMap();
    if (!tpl.isEmpty()) {
        const QString scheme = QUrl(tpl.value(QStringLiteral("url")).toString()).scheme().toLower();
        KV_FUZZ_CHECK(scheme == QLatin1String("http") || scheme == QLatin1String("https"));
    }
    KV_FUZZ_CHECK(helper.isAppStartByVelloq() || (account.first.isEmpty() && tpl.isEmpty()));
}

QString encoded(const QString &value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    KvVelloqHelper helper;
    if (input.ConsumeBool()) {
        const std::string raw = input.ConsumeRemainingBytesAsString();
        helper.parseStartParams(QString::fromUtf8(raw.data(), int(raw.size())));
        checkShape(helper);
        return 0;
    }

    // Lone surrogates cannot be percent-encoded UTF-8; the launcher never
    // sends them, so the values are valid text.
    auto value = [&input] {
        const std::string bytes = input.ConsumeRandomLengthString(64);
        return QString::fromUtf8(bytes.data(), int(bytes.size()));
    };
    const QString user = value();
    const QString password = value();
    const QString extra = value();
    const QString argument = QStringLiteral("-velloqparam:user=%1&pwd=%2&x%3=%4")
                                 .arg(encoded(user), encoded(password), encoded(extra), encoded(extra));
    helper.parseStartParams(argument);
    checkShape(helper);
    KV_FUZZ_CHECK(helper.isAppStartByVelloq());
    if (!user.isEmpty() && !password.isEmpty())
        KV_FUZZ_CHECK(helper.getUserPwdPair() == qMakePair(user, password));
    return 0;
}
