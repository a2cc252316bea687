// Moving the proxy folder: the proxy copy dialog runs modally while the
// proxy service copies N MiB of proxy files (several projects) into the new
// folder. Measured on the GUI thread with a 1 ms heartbeat, and in the
// process's memory.
//
//   korvane_proxycopy_bench [--mib 1024] [--files 16] [--runs 3] [--dir DIR]
//
// Per run, one JSON line:
//   copy_ms        from the dialog's start to its close
//   mib_per_s      bytes copied per second
//   max_stall_ms   the longest heartbeat gap, less the 1 ms period
//   rss_growth_mib the peak resident memory during the copy (VmHWM, reset
//                  before the run) less the resident memory before it
//   copied_ok      every file arrived with its size
//   floor_stall_ms the same heartbeat for as long without a copy: what the
//                  machine itself adds
// and a last line with the targets: no stall over 100 ms, growth at most 8 MiB.
#include "FCopyProxyFileDlg.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

// A field of /proc/self/status in KiB ("VmRSS", "VmHWM").
qint64 statusKiB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Lets the peak resident size start again from the current one.
void resetPeakRss()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

bool writeFile(const QString &path, qint64 bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray chunk(1024 * 1024, '\0');
    for (int i = 0; i < chunk.size(); ++i)
        chunk[i] = char(i * 7);
    for (qint64 left = bytes; left > 0; left -= chunk.size()) {
        if (file.write(chunk.constData(), std::min<qint64>(left, chunk.size())) < 0)
            return false;
    }
    return true;
}

qint64 treeBytes(const QString &root, int *files)
{
    qint64 bytes = 0;
    *files = 0;
    for (QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        it.next();
        bytes += it.fileInfo().size();
        ++*files;
    }
    return bytes;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOption({"mib", "Total size of the proxy files in MiB.", "n", "1024"});
    parser.addOption({"files", "Number of proxy files.", "n", "16"});
    parser.addOption({"runs", "Number of runs.", "n", "3"});
    parser.addOption({"dir", "Where to put the folders (default: a temporary folder).", "path"});
    parser.process(app);
    const qint64 mib = std::max(1, parser.value("mib").toInt());
    const int files = std::max(1, parser.value("files").toInt());
    const int runs = std::max(1, parser.value("runs").toInt());

    QTemporaryDir temp(parser.isSet("dir") ? parser.value("dir") + "/proxybench-XXXXXX" : QString());
    if (!temp.isValid()) {
        std::fprintf(stderr, "no temporary folder: %s\n", qPrintable(temp.errorString()));
        return 1;
    }
    const QString from = temp.filePath("old");
    const qint64 perFile = mib * 1024 * 1024 / files;
    for (int i = 0; i < files; ++i) {
        // Two projects, as a user who edited two projects with proxies has.
        const QString project = i % 2 ? QStringLiteral("untitled") : QStringLiteral("00112233445566ff");
        if (!writeFile(QStringLiteral("%1/%2/clip%3.mp4").arg(from, project).arg(i), perFile)) {
            std::fprintf(stderr, "could not write the proxy files into %s\n", qPrintable(from));
            return 1;
        }
    }
    int sourceFiles = 0;
    const qint64 sourceBytes = treeBytes(from, &sourceFiles);

    double worstStall = 0;
    double worstGrowth = 0;
    bool allOk = true;
    for (int run = 0; run < runs; ++run) {
        const QString to = temp.filePath(QStringLiteral("new%1").arg(run));
        FCopyProxyFileDlg dialog(from, to);

        QElapsedTimer clock;
        qint64 lastBeat = 0;
        qint64 longest = 0;
        QTimer heartbeat;
        heartbeat.setTimerType(Qt::PreciseTimer);
        QObject::connect(&heartbeat, &QTimer::timeout, [&] {
            const qint64 now = clock.nsecsElapsed();
            longest = std::max(longest, now - lastBeat);
            lastBeat = now;
        });

        const qint64 rssBefore = statusKiB("VmRSS");
        resetPeakRss();
        clock.start();
        heartbeat.start(1);
        const int result = dialog.DoModal();
        const double copyMs = clock.nsecsElapsed() / 1e6;
        heartbeat.stop();
        const qint64 peak = statusKiB("VmHWM");

        int copiedFiles = 0;
        const qint64 copiedBytes = treeBytes(to, &copiedFiles);
        const bool ok = result == FCopyProxyFileDlg::Finished && copiedBytes == sourceBytes
            && copiedFiles == sourceFiles && dialog.failedFiles().isEmpty();
        const double stall = std::max<qint64>(0, longest - 1000000) / 1e6;
        const double growth = std::max<qint64>(0, peak - rssBefore) / 1024.0;
        worstStall = std::max(worstStall, stall);
        worstGrowth = std::max(worstGrowth, growth);
        allOk = allOk && ok;
        std::printf("{\"run\": %d, \"mib\": %lld, \"files\": %d, \"copy_ms\": %.1f, \"mib_per_s\": %.0f, "
                    "\"max_stall_ms\": %.2f, \"rss_growth_mib\": %.2f, \"copied_ok\": %s}\n",
                    run + 1, mib, sourceFiles, copyMs, copiedBytes / 1048576.0 / (copyMs / 1000.0), stall, growth,
                    ok ? "true" : "false");
        std::fflush(stdout);
        QDir(to).removeRecursively();

        // The machine's own noise over the same time.
        QEventLoop idle;
        longest = 0;
        clock.restart();
        lastBeat = 0;
        heartbeat.start(1);
        QTimer::singleShot(int(copyMs), &idle, &QEventLoop::quit);
        idle.exec();
        heartbeat.stop();
        std::printf("{\"run\": %d, \"floor_stall_ms\": %.2f}\n", run + 1,
                    std::max<qint64>(0, longest - 1000000) / 1e6);
        std::fflush(stdout);
    }
    const bool met = allOk && worstStall <= 100 && worstGrowth <= 8;
    std::printf("{\"target\": \"max_stall_ms <= 100, rss_growth_mib <= 8\", \"max_stall_ms\": %.2f, "
                "\"rss_growth_mib\": %.2f, \"met\": %s}\n",
                worstStall, worstGrowth, met ? "true" : "false");
    return met ? 0 : 1;
}
