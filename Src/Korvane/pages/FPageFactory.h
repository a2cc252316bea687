#pragma once

#include <memory>

class FProductHomePage;
class KorvanePageMgr;
class KorvaneScene;
class TemplateModeScene;

// How each page of the page manager is built and taken down: the page with
// its signals wired to the page manager, and the order of its release. The
// page manager decides when. Page changes asked for from inside a page's own
// signal are connected queued, so the page is never destroyed while it
// signals. Also connects the page manager to the process-wide senders.
class FPageFactory
{
public:
    static void connectServices(KorvanePageMgr &mgr);
    // The helpers that open shared projects and downloaded templates.
    static void createOpeners(KorvanePageMgr &mgr);
    static std::unique_ptr<FProductHomePage> createStartPage(KorvanePageMgr &mgr);
    static std::unique_ptr<KorvaneScene> createKorvaneScene(KorvanePageMgr &mgr);
    static std::unique_ptr<TemplateModeScene> createTemplateModeScene(KorvanePageMgr &mgr);

    // Hidden at once, deleted on the next turn: the drop may come from
    // inside one of the start page's own signals.
    static void dropStartPage(std::unique_ptr<FProductHomePage> page);
    static void destroyKorvaneScene(std::unique_ptr<KorvaneScene> scene);
    static void destroyTemplateModeScene(std::unique_ptr<TemplateModeScene> scene);
};
