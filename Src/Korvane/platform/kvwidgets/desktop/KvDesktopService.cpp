#include "KvDesktopService.h"

#include "IKvBaseLog.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>

namespace {

KvDesktopService::Opener &testOpener()
{
    static KvDesktopService::Opener opener;
    return opener;
}

} // namespace

bool KvDesktopService::openURL(const QUrl &url)
{
    if (url.isEmpty() || !url.isValid()) {
        KV_LOG_INFO("nothing opened: the address \"%s\" is not usable", KV_CSTR(url.toString()));
        return false;
    }
    const Opener &opener = testOpener();
    bool opened = opener ? opener(url) : QDesktopServices::openUrl(url);
    if (!opened && !opener) {
        // A platform without desktop services (offscreen, minimal) can still
        // hand the address to the desktop's own opener.
        const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
        opened = !xdgOpen.isEmpty() && QProcess::startDetached(xdgOpen, {url.toString(QUrl::FullyEncoded)});
    }
    if (!opened)
        KV_LOG_INFO("no program opened %s", KV_CSTR(url.toDisplayString()));
    return opened;
}

void KvDesktopService::setOpenerForTest(Opener opener)
{
    testOpener() = std::move(opener);
}
