// Carvoth.exe, the algorithm self-test of the launch test.
//
//   Carvoth.exe WORKDIR RESOURCES 0|1
//
// Runs one known-answer test of the editor's fixed-point pixel arithmetic:
// 0 the colour transform, 1 the filter. The exit status is 1 when the test
// passes and 0 when it fails or the arguments are wrong (reason on stderr).
// WORKDIR and RESOURCES are the installation's folders as the editor names
// them (with Windows separators); the tests here need no files from them.
#include "FAlgorithmSelfTest.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 3 || (args[2] != QLatin1String("0") && args[2] != QLatin1String("1"))) {
        std::fprintf(stderr, "usage: Carvoth.exe WORKDIR RESOURCES 0|1\n");
        return 0;
    }
    const auto kind = args[2] == QLatin1String("0") ? FAlgorithmSelfTest::Kind::ColourTransform
                                                    : FAlgorithmSelfTest::Kind::Filter;
    const FAlgorithmSelfTest::Result result = FAlgorithmSelfTest::run(kind);
    if (!result.passed) {
        std::fprintf(stderr, "Carvoth: test %s failed: %s\n", qPrintable(args[2]), qPrintable(result.error));
        return 0;
    }
    return 1;
}
