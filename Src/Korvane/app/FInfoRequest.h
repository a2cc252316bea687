#pragma once

#include <QByteArray>

#include <cstdio>

// `korvane --help` and `korvane --version`: answered from argv alone, before
// the application object exists, so that asking costs no window, no instance
// lock and no file (not even the log).
class FInfoRequest
{
public:
    enum class Kind { None, Help, Version };

    // The first of "-h", "--help", "-v", "--version" among the arguments
    // after the program name; None when there is none.
    static Kind fromArguments(int argc, const char *const *argv);

    // The argument forms the editor understands, one per line.
    static QByteArray usageText();
    // "Korvane X 11.8.1" and the commit the build was made from.
    static QByteArray versionText();
    // The commit recorded when the build was configured; "unknown" without git.
    static QByteArray buildCommit();

    // Writes the answer for `kind` to `out`; returns the process exit code.
    static int answer(Kind kind, std::FILE *out);
};
