#pragma once

#include <QUrl>

#include <functional>

// Opens web pages and folders with the programs the desktop chose for them.
// Every caller goes through here, so tests can see what would have opened
// without starting a browser or a file manager.
class KvDesktopService
{
public:
    using Opener = std::function<bool(const QUrl &url)>;

    // False when the address is empty or invalid, or nothing could open it;
    // the caller tells the user.
    static bool openURL(const QUrl &url);
    // Empty restores the desktop's own opener. GUI thread only.
    static void setOpenerForTest(Opener opener);
};
