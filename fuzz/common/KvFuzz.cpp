#include "KvFuzz.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sanitizer/common_interface_defs.h>

#include <cstdio>
#include <cstdlib>

namespace KvFuzz {

namespace {

QTemporaryDir &privateDir()
{
    // Made on first use and removed by the static destructors at a normal
    // exit; a crashing run leaves it behind for a look.
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/kvfuzz-XXXXXX"));
    return dir;
}

} // namespace

void init(int *argc, char ***argv)
{
    if (!QCoreApplication::instance()) {
        // Intentionally never destroyed: inputs run until the process ends.
        static QCoreApplication *app = new QCoreApplication(*argc, *argv);
        Q_UNUSED(app);
    }
    if (!privateDir().isValid()) {
        std::fprintf(stderr, "fuzz: cannot make a temporary folder: %s\n", qPrintable(privateDir().errorString()));
        std::abort();
    }
}

QString workDir()
{
    return privateDir().path();
}

QString writeInput(const QString &name, const uint8_t *data, size_t size)
{
    const QString path = QDir(workDir()).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size)) {
        std::fprintf(stderr, "fuzz: cannot write %s: %s\n", qPrintable(path), qPrintable(file.errorString()));
        std::abort();
    }
    return path;
}

void fail(const char *condition, const char *file, int line)
{
    // Standard error may be closed while fuzzing (-close_fd_mask=2, to keep
    // the log quiet); the sanitizer's report channel stays open.
    const QByteArray summary = QStringLiteral("fuzz invariant broken at %1:%2: %3")
                                   .arg(QString::fromUtf8(file))
                                   .arg(line)
                                   .arg(QString::fromUtf8(condition))
                                   .toUtf8();
    __sanitizer_report_error_summary(summary.constData());
    std::abort();
}

} // namespace KvFuzz
