#include "KvApplication.h"

#include "IKvBaseLog.h"

#include <QFile>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <chrono>

namespace {

void writeExposeTime()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    QFile file(qEnvironmentVariable("KORVANE_FIRST_PAGE_FILE"));
    if (file.open(QIODevice::WriteOnly))
        file.write(QByteArray::number(qint64(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count())));
}

class ExposeReporter : public QObject
{
public:
    explicit ExposeReporter(QWindow *window)
        : QObject(window)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
            writeExposeTime();
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

bool g_firstExposeWatched = false;

} // namespace

KvApplication::KvApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

KvApplication::~KvApplication() = default;

void KvApplication::initHighDPI(int mode)
{
    if (mode <= 0)
        return;
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
}

void KvApplication::logScreenInfo()
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    const QScreen *primary = QGuiApplication::primaryScreen();
    KV_LOG_INFO("screens: %d", screens.size());
    for (const QScreen *screen : screens) {
        const QRect g = screen->geometry();
        const QRect a = screen->availableGeometry();
        KV_LOG_INFO("screen %s%s: geometry %dx%d+%d+%d, available %dx%d+%d+%d, dpr %.2f, dpi %.1f",
                    KV_CSTR(screen->name()), screen == primary ? " (primary)" : "", g.width(), g.height(), g.x(),
                    g.y(), a.width(), a.height(), a.x(), a.y(), screen->devicePixelRatio(),
                    screen->logicalDotsPerInch());
    }
}

void KvApplication::reportFirstExpose(QWidget *widget)
{
    if (!widget || g_firstExposeWatched || !qEnvironmentVariableIsSet("KORVANE_FIRST_PAGE_FILE"))
        return;
    g_firstExposeWatched = true;
    QWidget *window = widget->window();
    window->winId();
    QWindow *handle = window->windowHandle();
    if (handle && handle->isExposed())
        writeExposeTime();
    else if (handle)
        new ExposeReporter(handle);
}
