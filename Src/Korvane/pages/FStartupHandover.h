#pragma once

#include <QPointer>

class FSplashScreen;
class KorvanePageMgr;
class QWidget;
struct StartupPageInfo;

// The hand-over from start-up to the first page: the command line, the
// closing start-up timings, the background work, the automatic login, the
// start settings, the choice of the first page and the end of the splash
// screen, in that order. The page manager runs it once.
class FStartupHandover
{
public:
    explicit FStartupHandover(FSplashScreen *splash);

    // Always true: the editor goes on to its event loop.
    bool run(KorvanePageMgr &mgr, const StartupPageInfo &info);

    void setProgress(int percent);
    // Progress 100, then the splash goes away over `page` (or at once when
    // there is no page).
    void finish(QWidget *page);

    // Starts the companion launcher when the user wants it, and shows the
    // project library once to users of a version that had hidden it.
    static void applyStartSettings();

private:
    QPointer<FSplashScreen> m_splash;
};
