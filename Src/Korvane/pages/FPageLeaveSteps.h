#pragma once

class KorvanePageMgr;

// The checks that run before the editor leaves its current page for good:
// closing the window, a termination signal, a forced upgrade, a restart or a
// logout. Each asks the page to settle its project first; any of them may
// refuse, and then nothing is closed.
class FPageLeaveSteps
{
public:
    // The editing window saves or drops its project; true elsewhere.
    static bool editingFormAgrees(KorvanePageMgr &mgr);
    // The current page settles its project before an exit.
    static bool pageAgreesToLeave(KorvanePageMgr &mgr);
    // The close request of a page's window; sets `ignore` when refused.
    static void close(KorvanePageMgr &mgr, bool &ignore);
    // A close from outside the window: the page settles first.
    static bool requestClose(KorvanePageMgr &mgr);
    // "Configure.ini" beside the installation tells the launcher to wait for
    // this process before it starts another.
    static void tellLauncherToWait();
};
