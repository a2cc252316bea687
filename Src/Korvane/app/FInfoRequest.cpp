#include "FInfoRequest.h"

#include <cstring>

#ifndef KORVANE_BUILD_COMMIT
#define KORVANE_BUILD_COMMIT "unknown"
#endif

FInfoRequest::Kind FInfoRequest::fromArguments(int argc, const char *const *argv)
{
    for (int i = 1; i < argc; ++i) {
        const char *argument = argv[i];
        if (!argument)
            continue;
        if (std::strcmp(argument, "-h") == 0 || std::strcmp(argument, "--help") == 0)
            return Kind::Help;
        if (std::strcmp(argument, "-v") == 0 || std::strcmp(argument, "--version") == 0)
            return Kind::Version;
    }
    return Kind::None;
}

QByteArray FInfoRequest::usageText()
{
    return QByteArrayLiteral(
        "Usage: korvane [PROJECT | -open:PROJECT] [-share:INFO] [-velloqparam:PARAMS] [kvapplaunch://...]\n"
        "       korvane --help | -h\n"
        "       korvane --version | -v\n"
        "\n"
        "  PROJECT, -open:PROJECT   open this project file\n"
        "  -share:INFO              open a shared project description\n"
        "  -velloqparam:PARAMS      companion launcher parameters (URL query: user, pwd, tplurl, tplname)\n"
        "  kvapplaunch://...        launch address\n"
        "\n"
        "Only one editor runs per user: a second start hands its request to the running editor and ends.\n");
}

QByteArray FInfoRequest::buildCommit()
{
    const QByteArray commit(KORVANE_BUILD_COMMIT);
    return commit.isEmpty() ? QByteArrayLiteral("unknown") : commit;
}

QByteArray FInfoRequest::versionText()
{
    return QByteArrayLiteral("Korvane X 11.8.1 (commit ") + buildCommit() + QByteArrayLiteral(")\n");
}

int FInfoRequest::answer(Kind kind, std::FILE *out)
{
    const QByteArray text = kind == Kind::Version ? versionText() : kind == Kind::Help ? usageText() : QByteArray();
    if (text.isEmpty())
        return 1;
    const bool written = std::fwrite(text.constData(), 1, size_t(text.size()), out) == size_t(text.size());
    return std::fflush(out) == 0 && written ? 0 : 1;
}
