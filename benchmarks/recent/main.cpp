// Opens the recent projects dialog over N real project files, each with a
// thumbnail beside it, and reports as one JSON line:
//   first_paint_ms    construction start to the end of the first paint
//   visible_ms        ... to every row in view having its thumbnail
//   all_ms            ... to every row's thumbnail read
//   max_stall_ms      the longest the GUI thread went without running a
//                     5 ms heartbeat, less the 5 ms, from the first paint
//                     until every thumbnail is in
//   build_stall_ms    the same across construction and first paint
//
//   korvane_recent_bench --entries N [--dir DIR] [--shot]
//
// The files are made before the clock starts (in DIR, or a temporary
// folder), and a main window is on screen before the clock starts. --shot shows a few projects, one of them missing, with the
// second selected, and waits to be photographed.
#include "FEmptyProjectWidget.h"
#include "FRecentProjectDialog.h"
#include "IKvProjectRecentManager.h"
#include "KvProjectSuffixHelper.h"
#include "KvSkin.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

const QByteArray kProject = R"({"format":"korvane-project","version":1,"name":"Bench","type":0,
    "settings":{"width":1920,"height":1080,"frameRate":30},"media":[],"clips":[],"effects":[]})";

// A 320 x 180 picture of its own colour, as the editor writes beside a project.
bool writeThumbnail(const QString &projectPath, int index)
{
    QImage image(320, 180, QImage::Format_RGB32);
    image.fill(QColor::fromHsv((index * 37) % 360, 140, 200));
    QPainter painter(&image);
    painter.fillRect(QRect(20, 110, 280, 40), QColor(30, 32, 40));
    painter.end();
    return image.save(KvProjectSuffixHelper::thumbnailPathFor(projectPath), "PNG");
}

QList<KvProjectRecentInfo> makeProjects(const QString &dir, int count, const QStringList &names = {})
{
    QList<KvProjectRecentInfo> projects;
    QDir().mkpath(dir);
    const QDateTime now = QDateTime::currentDateTime();
    for (int i = 0; i < count; ++i) {
        const QString name = i < names.size() ? names.at(i) : QStringLiteral("Project %1").arg(i, 4, 10, QLatin1Char('0'));
        const QString path = QDir(dir).filePath(name + KvProjectSuffixHelper::projectFileDottedSuffix());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(kProject) != kProject.size() || !writeThumbnail(path, i)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return {};
        }
        projects << KvProjectRecentInfo(path, KvProjectType::Normal, now.addSecs(-3600 * i));
    }
    return projects;
}

// Stamps the end of the dialog's first paint: a zero timer posted from the
// first paint event runs once that paint and its flush are done.
class FirstPaintProbe : public QObject
{
public:
    FirstPaintProbe(QWidget *watched, std::function<void()> done)
        : m_done(std::move(done))
    {
        watched->installEventFilter(this);
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_done) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, m_done);
            m_done = nullptr;
        }
        return false;
    }

private:
    std::function<void()> m_done;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Korvane"));
    QCommandLineParser parser;
    const QCommandLineOption entriesOption("entries", "Number of projects.", "N", "1000");
    const QCommandLineOption dirOption("dir", "Folder for the project files.", "DIR");
    const QCommandLineOption shotOption("shot", "Show a few projects and wait.");
    parser.addOptions({entriesOption, dirOption, shotOption});
    parser.addHelpOption();
    parser.process(app);
    KvSkin::instance()->applyTo(&app);

    QTemporaryDir temp;
    const QString dir = parser.isSet(dirOption) ? parser.value(dirOption) : temp.path();

    if (parser.isSet(shotOption)) {
        QList<KvProjectRecentInfo> projects =
            makeProjects(dir, 5, {"Summer trip", "Birthday party with the whole family in the garden", "Missing one",
                                  "Interview", "Product demo"});
        QFile::remove(projects.at(2).getPath());
        static FRecentProjectDialog dialog;
        dialog.setProjects(projects);
        dialog.show();
        QTimer::singleShot(300, &dialog, [] { dialog.listWidget()->item(1)->setSelected(true); });
        return app.exec();
    }

    const int entries = parser.value(entriesOption).toInt();
    const QList<KvProjectRecentInfo> projects = makeProjects(dir, entries);
    if (projects.size() != entries)
        return 1;

    // The dialog opens inside a running editor: the display connection, the
    // fonts and the style sheet are in use already. A main window stands
    // for that and is on screen before the clock starts.
    QWidget mainWindow;
    mainWindow.resize(1280, 720);
    mainWindow.show();
    QEventLoop settle;
    QTimer::singleShot(500, &settle, &QEventLoop::quit);
    settle.exec();

    QElapsedTimer clock;
    qint64 lastBeat = 0;
    qint64 buildStall = 0;
    qint64 fillStall = 0;
    qint64 firstPaint = -1;
    qint64 visible = -1;
    qint64 all = -1;
    QTimer heartbeat;
    heartbeat.setTimerType(Qt::PreciseTimer);
    heartbeat.setInterval(5);

    clock.start();
    FRecentProjectDialog dialog(&mainWindow);
    auto finish = [&] {
        heartbeat.stop();
        std::printf("{\"entries\": %d, \"first_paint_ms\": %.1f, \"visible_ms\": %.1f, \"all_ms\": %.1f, "
                    "\"max_stall_ms\": %lld, \"build_stall_ms\": %lld}\n",
                    entries, firstPaint / 1e6, visible / 1e6, all / 1e6, qMax<qint64>(0, fillStall - 5),
                    buildStall / 1000000);
        std::fflush(stdout);
        app.quit();
    };
    auto maybeFinish = [&] {
        if (firstPaint >= 0 && visible >= 0 && all >= 0)
            QTimer::singleShot(50, &app, finish); // a few more beats after the last delivery
    };
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        const qint64 gap = (now - lastBeat) / 1000000;
        lastBeat = now;
        fillStall = qMax(fillStall, gap);
    });
    QObject::connect(&dialog, &FRecentProjectDialog::sigVisibleThumbnailsReady, [&] {
        visible = clock.nsecsElapsed();
        maybeFinish();
    });
    QObject::connect(&dialog, &FRecentProjectDialog::sigThumbnailsIdle, [&] {
        if (all < 0)
            all = clock.nsecsElapsed();
        maybeFinish();
    });
    FirstPaintProbe probe(dialog.listWidget()->viewport(), [&] {
        firstPaint = clock.nsecsElapsed();
        buildStall = firstPaint;
        lastBeat = firstPaint;
        heartbeat.start();
        if (entries == 0)
            visible = all = firstPaint;
        maybeFinish();
    });
    FirstPaintProbe emptyProbe(dialog.emptyWidget(), [&] {
        if (entries != 0)
            return;
        firstPaint = visible = all = buildStall = lastBeat = clock.nsecsElapsed();
        heartbeat.start();
        maybeFinish();
    });
    dialog.setProjects(projects);
    dialog.show();
    QTimer::singleShot(20000, &app, [&] {
        std::fprintf(stderr, "timed out\n");
        app.exit(1);
    });
    return app.exec();
}
