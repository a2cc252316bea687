// The automatic backup of projects of N clips (and N media): how long the
// GUI thread goes without running a 1 ms heartbeat while a backup is taken,
// written, read back and compared, with the user editing the project every
// 5 ms meanwhile (the first edit after the copy pays for the project's lists).
//
//   korvane_backup_bench [--sizes 1000,10000,100000] [--runs 7]
//
// Per size, one JSON line:
//   max_stall_ms     the longest heartbeat gap, less the 1 ms period, over all runs
//   median_stall_ms  the median of each run's longest gap
//   backup_ms        median time from the change to the written backup's report
//                    (interval excluded), the worker's share
//   copy_us          median GUI-thread cost of the project copy handed to the worker
//   first_edit_us    median cost of the first edit while such a copy is out
//   floor_*_stall_ms the same heartbeat and edits for as long, without a
//                    backup: what the machine itself adds
// and a last line with the target: at most 50 ms of stall at 10,000 clips.
#include "IKvAppInfo.h"
#include "KvAppInfoId.h"
#include "KvAutoBackupWriter.h"
#include "KvProject.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

constexpr int kIntervalMs = 20;

KvProjectData makeProject(int size)
{
    KvProjectData data;
    data.name = QStringLiteral("Bench");
    data.mediaPaths.reserve(size);
    data.clips.reserve(size);
    for (int i = 0; i < size; ++i) {
        data.mediaPaths << QStringLiteral("/media/footage/clip-%1.mp4").arg(i, 6, 10, QLatin1Char('0'));
        data.clips << KvTimelineClip{i, i % 4, i * 2000LL, 0, 2000};
    }
    return data;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

struct Run
{
    double stallMs = 0;
    double backupMs = 0;
    double copyUs = 0;
    double detachUs = 0;
    bool ok = false;
};

// A 1 ms heartbeat on the GUI thread, its longest gap, and the user's edits
// every 5 ms, for as long as it lives.
class EditingLoad
{
public:
    explicit EditingLoad(KvProject &project)
    {
        m_heartbeat.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_heartbeat, &QTimer::timeout, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            m_longest = std::max(m_longest, now - m_lastBeat);
            m_lastBeat = now;
        });
        QObject::connect(&m_editor, &QTimer::timeout, [this, &project] {
            project.setClip(0, KvTimelineClip{0, 0, 0, 0, 1000 + (m_clock.elapsed() % 500)});
        });
    }
    void start()
    {
        m_clock.start();
        m_heartbeat.start(1);
        m_editor.start(5);
    }
    qint64 elapsedMs() const { return m_clock.elapsed(); }
    // The longest gap less the heartbeat's own period.
    double stop()
    {
        m_heartbeat.stop();
        m_editor.stop();
        return std::max<qint64>(0, m_longest - 1000000) / 1e6;
    }

private:
    QElapsedTimer m_clock;
    qint64 m_lastBeat = 0;
    qint64 m_longest = 0;
    QTimer m_heartbeat;
    QTimer m_editor;
};

Run measure(KvAutoBackupWriter &writer, KvProject &project)
{
    Run run;
    EditingLoad load(project);
    QEventLoop loop;
    QObject::connect(&writer, &KvAutoBackupWriter::sigBackupFinished, &loop, [&](bool ok) {
        run.ok = ok;
        loop.quit();
    });
    // The copy the timer's handler makes, timed alone.
    QElapsedTimer copyClock;
    copyClock.start();
    const KvProjectData copy = project.data();
    run.copyUs = copyClock.nsecsElapsed() / 1000.0;
    // The first edit while a copy is out pays for the project's own lists.
    copyClock.restart();
    project.setClip(0, KvTimelineClip{0, 0, 0, 0, 1000 + (copyClock.nsecsElapsed() % 300)});
    run.detachUs = copyClock.nsecsElapsed() / 1000.0;
    Q_UNUSED(copy)

    load.start();
    // A change no earlier run made: it starts the backup's interval.
    static int changes = 0;
    project.setClip(1, KvTimelineClip{1, 1, 2000, 0, 1001 + (++changes % 900)});
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    loop.exec();
    run.backupMs = load.elapsedMs() - kIntervalMs;
    run.stallMs = load.stop();
    return run;
}

// The same heartbeat and edits for `ms` without a backup: the machine's own
// noise, against which the stalls above are read.
double floorStall(KvProject &project, int ms)
{
    EditingLoad load(project);
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    load.start();
    loop.exec();
    return load.stop();
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    qputenv(KvAutoBackupWriter::kIntervalVariable, QByteArray::number(kIntervalMs));
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOption({"sizes", "Project sizes in clips.", "list", "1000,10000,100000"});
    parser.addOption({"runs", "Backups per size.", "n", "7"});
    parser.process(app);
    const int runs = std::max(1, parser.value("runs").toInt());

    QTemporaryDir dir;
    IKvAppInfo::getInstance()->setValue(KvAppInfoId::BackupDir, dir.filePath("Backup"));
    double stallAt10k = -1;
    for (const QString &text : parser.value("sizes").split(',')) {
        const int size = text.toInt();
        if (size <= 0)
            continue;
        KvAutoBackupWriter writer;
        writer.setConfig({true, 60, 3, QString()});
        KvProject project(makeProject(size), dir.filePath("projects/Bench.kvproj"));
        project.setChangeListener([&writer] { writer.projectChanged(); });
        writer.setProject(&project);
        std::vector<double> stalls, backups, copies, detaches;
        double worst = 0;
        for (int i = 0; i <= runs; ++i) {
            const Run run = measure(writer, project);
            if (!run.ok) {
                std::fprintf(stderr, "backup of %d clips failed\n", size);
                return 1;
            }
            if (i == 0)
                continue; // warm-up: first thread, first folder
            stalls.push_back(run.stallMs);
            backups.push_back(run.backupMs);
            copies.push_back(run.copyUs);
            detaches.push_back(run.detachUs);
            worst = std::max(worst, run.stallMs);
        }
        if (size == 10000)
            stallAt10k = worst;
        writer.setConfig({false, 60, 3, QString()});
        std::vector<double> floors;
        for (int i = 0; i < runs; ++i)
            floors.push_back(floorStall(project, int(std::max(50.0, median(backups)))));
        const double floorWorst = *std::max_element(floors.begin(), floors.end());
        std::printf("{\"clips\": %d, \"runs\": %d, \"max_stall_ms\": %.1f, \"median_stall_ms\": %.1f, "
                    "\"backup_ms\": %.1f, \"copy_us\": %.1f, \"first_edit_us\": %.1f, "
                    "\"floor_max_stall_ms\": %.1f, \"floor_median_stall_ms\": %.1f}\n",
                    size, runs, worst, median(stalls), median(backups), median(copies), median(detaches), floorWorst,
                    median(floors));
        std::fflush(stdout);
    }
    if (stallAt10k >= 0)
        std::printf("target (10,000 clips, stall <= 50 ms): %s\n", stallAt10k <= 50 ? "met" : "MISSED");
    return stallAt10k > 50 ? 1 : 0;
}
