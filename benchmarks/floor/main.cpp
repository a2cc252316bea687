// A bare Qt widgets application shaped like the editor's main window: a
// 1280 x 720 window with a menu bar and four docked widgets. It writes the
// moment its window is first exposed to $KORVANE_FIRST_PAGE_FILE and quits
// its event loop on SIGTERM, like the editor does.

#include <QApplication>
#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QSocketNotifier>
#include <QWindow>

#include <chrono>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_pipe[2];

void onSignal(int)
{
    const char byte = 1;
    if (::write(g_pipe[1], &byte, 1) < 0) {
    }
}

class ExposeReporter : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
            const auto now = std::chrono::steady_clock::now().time_since_epoch();
            QFile file(qEnvironmentVariable("KORVANE_FIRST_PAGE_FILE"));
            if (file.open(QIODevice::WriteOnly))
                file.write(QByteArray::number(qint64(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count())));
            watched->removeEventFilter(this);
        }
        return false;
    }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ::socketpair(AF_UNIX, SOCK_STREAM, 0, g_pipe);
    QSocketNotifier notifier(g_pipe[0], QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    std::signal(SIGTERM, onSignal);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor"));
    for (const char *menu : {"File", "Edit", "View", "Help"})
        window.menuBar()->addMenu(QString::fromLatin1(menu))->addAction(QStringLiteral("Item"));
    window.setCentralWidget(new QLabel(QStringLiteral("Player")));
    const Qt::DockWidgetArea areas[] = {Qt::LeftDockWidgetArea, Qt::RightDockWidgetArea, Qt::BottomDockWidgetArea,
                                        Qt::TopDockWidgetArea};
    const char *names[] = {"Media", "Properties", "Timeline", "Tools"};
    for (int i = 0; i < 4; ++i) {
        auto *dock = new QDockWidget(QString::fromLatin1(names[i]), &window);
        dock->setWidget(new QLabel(QString::fromLatin1(names[i])));
        window.addDockWidget(areas[i], dock);
    }
    window.resize(1280, 720);
    ExposeReporter reporter;
    if (qEnvironmentVariableIsSet("KORVANE_FIRST_PAGE_FILE")) {
        window.winId();
        window.windowHandle()->installEventFilter(&reporter);
    }
    window.show();
    return app.exec();
}
