// korvane_logupload_bench [--runs N] [--size MiB]
//
// Uploads an incompressible archive (100 MiB by default) to the loopback
// bucket of tests/common/kv_storage_server.py with the editor's storage
// client, alternating with curl uploading the same file to the same server
// (an unchecked address that digests the body the same way), and zips a log
// file of the same size with the editor's zip function. The upload runs
// twice: with the body's digest known (the log upload zips the archive
// itself and digests it while writing) and computing it first (an archive
// left by an earlier run). Reports the median (min-max) time of each and
// the peak resident memory growth of this process during the upload and the
// zip. Targets: the upload with the digest known within 1.5 x curl, growth
// under 10 MiB; exits 1 when one is missed.

#include "KvOssClient.h"
#include "KvOssSdk.h"
#include "KvOssSigner.h"
#include "KvQuaZip.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

qint64 statusKiB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    // /proc files report no size: read line by line.
    while (!status.atEnd()) {
        const QByteArray line = status.readLine();
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

qint64 residentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    return statm.readLine().split(' ').value(1).toLongLong() * (sysconf(_SC_PAGESIZE) / 1024);
}

// Runs `work` and answers the peak resident growth over the resident size
// before it, in KiB: the kernel's peak figure (reset first) and a 2 ms
// sampler, whichever is higher.
qint64 peakGrowthKiB(const std::function<void()> &work)
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    // "5" resets the peak to the current resident size.
    if (!clear.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || clear.write("5") != 1)
        std::fprintf(stderr, "cannot reset the peak resident size: %s\n", qPrintable(clear.errorString()));
    const qint64 before = residentKiB();
    std::atomic<bool> done{false};
    std::atomic<qint64> sampled{before};
    std::thread sampler([&] {
        while (!done) {
            sampled = qMax(sampled.load(), residentKiB());
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    });
    work();
    done = true;
    sampler.join();
    return qMax(statusKiB("VmHWM:"), sampled.load()) - before;
}

struct Figures
{
    std::vector<double> values;
    QString text(const char *unit) const
    {
        std::vector<double> sorted = values;
        std::sort(sorted.begin(), sorted.end());
        return QStringLiteral("%1 %4 (%2-%3)")
            .arg(sorted[sorted.size() / 2], 0, 'f', 1)
            .arg(sorted.front(), 0, 'f', 1)
            .arg(sorted.back(), 0, 'f', 1)
            .arg(QLatin1String(unit));
    }
    double median() const
    {
        std::vector<double> sorted = values;
        std::sort(sorted.begin(), sorted.end());
        return sorted[sorted.size() / 2];
    }
};

bool writeFile(const QString &path, qint64 size, bool random)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QByteArray block(1 << 20, Qt::Uninitialized);
    for (qint64 written = 0; written < size; written += block.size()) {
        if (random) {
            QRandomGenerator::global()->fillRange(reinterpret_cast<quint32 *>(block.data()), block.size() / 4);
        } else {
            for (int i = 0; i < block.size(); ++i)
                block[i] = "2026-12-07 15:43:22.123 [I] some log line with a counter \n"[i % 58];
        }
        if (file.write(block.left(int(qMin<qint64>(block.size(), size - written)))) < 0)
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int runs = qMax(1, args.value(args.indexOf("--runs") + 1).toInt() * (args.contains("--runs") ? 1 : 0));
    const int runCount = args.contains("--runs") ? runs : 5;
    const qint64 sizeMiB = args.contains("--size") ? args.value(args.indexOf("--size") + 1).toLongLong() : 100;
    const qint64 size = sizeMiB << 20;

    QProcess server;
    const QString python = QFileInfo(QStringLiteral("/usr/bin/python3")).isExecutable() ? QStringLiteral("/usr/bin/python3")
                                                                                        : QStringLiteral("python3");
    server.start(python, {QStringLiteral(KORVANE_SOURCE_DIR "/tests/common/kv_storage_server.py")});
    if (!server.waitForReadyRead(10000)) {
        std::fprintf(stderr, "the loopback server did not start\n");
        return 2;
    }
    const int port = server.readLine().trimmed().mid(5).toInt();
    const QString base = QStringLiteral("http://127.0.0.1:%1").arg(port);

    QTemporaryDir dir;
    const QString archive = dir.filePath(QStringLiteral("Log_1.zip"));
    const QString logFile = dir.filePath(QStringLiteral("app_log.log"));
    if (!writeFile(archive, size, true) || !writeFile(logFile, size, false)) {
        std::fprintf(stderr, "cannot write the test files in %s\n", qPrintable(dir.path()));
        return 2;
    }

    QByteArray digest;
    {
        QFile file(archive);
        file.open(QIODevice::ReadOnly);
        digest = QByteArray::fromBase64(KvOssSigner::contentMd5(&file));
    }
    KvOssSdk::InitializeSdk();
    Figures ours, oursKnown, curl, md5Time, ourGrowth, zipTime, zipGrowth;
    bool allStored = true;
    qint64 firstGrowthKiB = 0;
    qint64 firstZipGrowthKiB = 0;
    for (int run = 0; run <= runCount; ++run) {
        const bool warmUp = run == 0;
        auto upload = [&](bool digestKnown) {
            QElapsedTimer clock;
            clock.start();
            bool stored = false;
            const qint64 growth = peakGrowthKiB([&] {
                QScopedPointer<QThread> worker(QThread::create([&] {
                    auto content = std::make_shared<QFile>(archive);
                    content->open(QIODevice::ReadOnly);
                    KvOssPutObjectRequest request(QStringLiteral("kv-logs"), QStringLiteral("bench/Log_1.zip"), content);
                    request.setContentMd5(digestKnown ? digest : QByteArray());
                    request.setCallback({base + QStringLiteral("/callback"), QStringLiteral("127.0.0.1"),
                                         QStringLiteral("size=${size}"), QStringLiteral("application/x-www-form-urlencoded")});
                    KvOssClient client(base, {QStringLiteral("STS.kvTestKeyId"), QStringLiteral("kvTestKeySecret0123456789"),
                                              QStringLiteral("kvTestSecurityToken/+=")});
                    client.enableRequests(true);
                    const KvOssPutObjectOutcome outcome = client.PutObject(request);
                    stored = outcome.success;
                    if (!stored)
                        std::fprintf(stderr, "upload failed: %s %s\n", qPrintable(outcome.error.code),
                                     qPrintable(outcome.error.message));
                }));
                // The thread's stack counts too: it is made inside the measurement.
                worker->start();
                worker->wait();
            });
            allStored = allStored && stored;
            // The first upload meets no memory a previous one left to reuse.
            if (warmUp && !digestKnown)
                firstGrowthKiB = growth;
            if (!warmUp) {
                (digestKnown ? oursKnown : ours).values.push_back(clock.elapsed());
                ourGrowth.values.push_back(double(growth));
            }
        };
        auto curlUpload = [&] {
            QElapsedTimer clock;
            clock.start();
            QProcess process;
            process.start(QStringLiteral("curl"), {QStringLiteral("-sS"), QStringLiteral("-o"), QStringLiteral("/dev/null"),
                                                   QStringLiteral("-H"), QStringLiteral("Expect:"), QStringLiteral("-T"),
                                                   archive, base + QStringLiteral("/raw/bench")});
            if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
                std::fprintf(stderr, "curl failed: %s %s\n", qPrintable(process.errorString()),
                             process.readAllStandardError().constData());
                server.kill();
                server.waitForFinished();
                std::exit(2);
            }
            if (!warmUp)
                curl.values.push_back(clock.elapsed());
        };
        // Alternate which goes first so that neither always meets a cold cache.
        if (run % 2) {
            upload(false);
            upload(true);
            curlUpload();
        } else {
            curlUpload();
            upload(true);
            upload(false);
        }
        if (!warmUp) {
            QFile file(archive);
            file.open(QIODevice::ReadOnly);
            QElapsedTimer md5Clock;
            md5Clock.start();
            KvOssSigner::contentMd5(&file);
            md5Time.values.push_back(md5Clock.elapsed());
        }
        QElapsedTimer clock;
        clock.start();
        const QString zip = dir.filePath(QStringLiteral("Log_2.zip"));
        const qint64 growth = peakGrowthKiB([&] { KvQuaZip::compressFiles(zip, {logFile}, 0); });
        if (warmUp)
            firstZipGrowthKiB = growth;
        if (!warmUp) {
            zipTime.values.push_back(clock.elapsed());
            zipGrowth.values.push_back(double(growth));
        }
        QFile::remove(zip);
    }
    KvOssSdk::ShutdownSdk();
    server.kill();
    server.waitForFinished();

    const double ratio = oursKnown.median() / qMax(1.0, curl.median());
    const double ratioComputed = ours.median() / qMax(1.0, curl.median());
    const double peak = qMax<double>(firstGrowthKiB, *std::max_element(ourGrowth.values.begin(), ourGrowth.values.end())) / 1024.0;
    const double zipPeak = qMax<double>(firstZipGrowthKiB, *std::max_element(zipGrowth.values.begin(), zipGrowth.values.end())) / 1024.0;
    std::printf("%lld MiB, %d runs after one warm-up, median (min-max)\n", sizeMiB, runCount);
    std::printf("upload, digest known      %s\n", qPrintable(oursKnown.text("ms")));
    std::printf("upload, digest computed   %s\n", qPrintable(ours.text("ms")));
    std::printf("upload (curl)             %s\n", qPrintable(curl.text("ms")));
    std::printf("Content-MD5 alone         %s\n", qPrintable(md5Time.text("ms")));
    std::printf("upload peak memory growth %lld KiB first, then %s\n", firstGrowthKiB, qPrintable(ourGrowth.text("KiB")));
    std::printf("zip of a %lld MiB log      %s\n", sizeMiB, qPrintable(zipTime.text("ms")));
    std::printf("zip peak memory growth    %lld KiB first, then %s\n", firstZipGrowthKiB, qPrintable(zipGrowth.text("KiB")));
    const bool timeOk = ratio <= 1.5;
    const bool memoryOk = peak < 10.0 && zipPeak < 10.0;
    std::printf("target upload within 1.5 x curl: %.2f x %s (digest computed first: %.2f x)\n", ratio,
                timeOk ? "met" : "MISSED", ratioComputed);
    std::printf("target peak growth under 10 MiB: upload %.2f, zip %.2f MiB %s\n", peak, zipPeak, memoryOk ? "met" : "MISSED");
    if (!allStored)
        std::printf("an upload was refused by the server\n");
    return timeOk && memoryOk && allStored ? 0 : 1;
}
