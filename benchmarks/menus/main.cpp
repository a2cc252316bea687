// Opens the editor's File menu (with ten recent projects listed) or, for the
// floor, a plain QMenu with the same number of entries, and reports as one
// JSON line:
//   first_ms     popup() to the end of the menu's first paint, first opening
//                (the File menu rebuilds Open Recent and its enabled states
//                on the way)
//   again_ms     the same, median of the later openings
//   again_max_ms the slowest later opening
//
//   korvane_menus_bench --mode menubar|floor [--openings N] [--shot]
//
// The window is on screen before the clock starts. --shot leaves the File
// menu open with Open Recent shown, to be photographed.
#include "FProjectDocProxy.h"
#include "IKvProjectManager.h"
#include "IKvProjectRecentManager.h"
#include "KorvaneMenuBar.h"
#include "KorvaneTitleBar.h"
#include "KorvaneTitleBarPresenter.h"
#include "KvMenu.h"
#include "KvProjectAspectRatioType.h"
#include "KvSkin.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

// Ends when the watched widget's first paint after arm() is done: a zero
// timer posted from the paint event runs once that paint and its flush are.
class PaintProbe : public QObject
{
public:
    explicit PaintProbe(QWidget *watched) { watched->installEventFilter(this); }
    void arm(std::function<void()> done)
    {
        m_done = std::move(done);
        m_armed = true;
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (m_armed && event->type() == QEvent::Paint) {
            m_armed = false;
            QTimer::singleShot(0, this, [this] { m_done(); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_done;
    bool m_armed = false;
};

// Pops `menu` up and returns the milliseconds to the end of its first paint.
double timeOpening(QMenu *menu, PaintProbe &probe, const QPoint &at)
{
    QEventLoop loop;
    QElapsedTimer clock;
    double ms = -1;
    probe.arm([&] {
        ms = clock.nsecsElapsed() / 1e6;
        loop.quit();
    });
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    clock.start();
    menu->popup(at);
    loop.exec();
    menu->hide();
    QApplication::processEvents();
    return ms;
}

void settle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

int countEntries(const QMenu *menu)
{
    return menu->actions().size();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOption({"mode", "menubar or floor", "mode", "menubar"});
    parser.addOption({"openings", "how many times the menu opens", "n", "15"});
    parser.addOption({"shot", "leave the File menu open"});
    parser.process(app);
    const bool floor = parser.value("mode") == QLatin1String("floor");
    const int openings = std::max(2, parser.value("openings").toInt());
    KvSkin::instance()->applyTo(&app);

    IKvProjectRecentManager *recent = IKvProjectRecentManager::getInstance();
    recent->clear();
    const QString projects = QDir::home().filePath(QStringLiteral("Videos/Korvane Projects"));
    for (int i = 10; i >= 1; --i)
        recent->add(QDir(projects).filePath(QStringLiteral("Holiday edit %1.kvproj").arg(i)), KvProjectType::Normal);
    IKvProjectManager::getInstance();
    FProjectDocProxy::instance()->init();
    FProjectDocProxy::instance()->newProject(KvProjectAspectRatio_16_9);

    QWidget window;
    window.resize(1280, 720);
    auto *layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *presenter = new KorvaneTitleBarPresenter(&window);
    auto *titleBar = new KorvaneTitleBar(presenter, nullptr, &window);
    layout->addWidget(titleBar);
    layout->addStretch(1);
    KorvaneMenuBar *bar = titleBar->findChild<KorvaneMenuBar *>();

    // The floor: a plain menu with as many entries, made the same way (texts only).
    QMenu plain;
    const QList<QAction *> fileEntries = bar->fileMenu()->actions();
    for (QAction *action : fileEntries) {
        if (action->isSeparator())
            plain.addSeparator();
        else
            plain.addAction(action->text());
    }
    window.show();
    settle(300);

    QMenu *menu = floor ? &plain : static_cast<QMenu *>(bar->fileMenu());
    const QPoint at = bar->mapToGlobal(QPoint(0, bar->height()));
    if (parser.isSet("shot")) {
        menu->popup(at);
        settle(200);
        bar->recentProjectMenu()->popup(menu->mapToGlobal(
            menu->actionGeometry(bar->recentProjectMenu()->menuAction()).topRight()));
        return app.exec();
    }

    PaintProbe probe(menu);
    const double first = timeOpening(menu, probe, at);
    QVector<double> again;
    for (int i = 1; i < openings; ++i)
        again << timeOpening(menu, probe, at);
    std::sort(again.begin(), again.end());
    std::printf("{\"mode\":\"%s\",\"entries\":%d,\"recent\":%d,\"first_ms\":%.2f,\"again_ms\":%.2f,"
                "\"again_max_ms\":%.2f}\n",
                floor ? "floor" : "menubar", countEntries(menu),
                floor ? 0 : bar->recentProjectMenu()->actions().size() - 2, first, again.at(again.size() / 2),
                again.last());
    std::fflush(stdout);
    return first < 0 ? 1 : 0;
}
