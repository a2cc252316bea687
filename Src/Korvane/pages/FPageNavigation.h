#pragma once

class KorvanePageMgr;
class QObject;
class QString;

// Requests that take the user to a place inside a page: a template from the
// start page, template mode, an item or folder of the media library, a tool
// of the editing window. Each switches to the page that holds the place,
// then hands the request to that page.
class FPageNavigation
{
public:
    static void useTemplate(KorvanePageMgr &mgr, QObject *templateMedia, const QString &first, const QString &second);
    // Template mode needs a logged-in user: the login dialog comes first.
    static void enterTemplateMode(KorvanePageMgr &mgr);
    // A project template by name: only an item the media library has is
    // shown; template mode first asks the user to go back home.
    static void locateInMediaLibrary(KorvanePageMgr &mgr, const QString &itemName);
    static void goToMediaLibrary(KorvanePageMgr &mgr, int categoryType, int id, const QString &keyWord);
    // A tool tile of the start page: a tool of the editing window, or the
    // portrait effects of the media library.
    static void openHomePageTool(KorvanePageMgr &mgr, int toolIndex);
};
