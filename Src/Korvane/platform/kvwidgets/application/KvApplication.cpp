#include "KvApplication.h"

#include "IKvBaseLog.h"

#include <QScreen>

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
