#include "FIPCServer.h"

#include "FIPCEventParser.h"
#include "FIPCEvents.h"
#include "FIPCServerEventHandler.h"
#include "IKvBaseLog.h"
#include "KvIPCServer.h"
#include "KvSkin.h"

#include <QApplication>
#include <QFont>
#include <QMutex>
#include <QNetworkProxy>
#include <QNetworkProxyFactory>
#include <QNetworkProxyQuery>
#include <QThread>
#include <QUrl>

namespace {
const char *const kHelperExecutable = "Tavrin.exe";
const char *const kServerName = "TC_Korvane";

QMutex g_mutex;
FIPCServer *g_server = nullptr;
} // namespace

FIPCServer *FIPCServer::instance()
{
    QMutexLocker locker(&g_mutex);
    if (!g_server) {
        g_server = new FIPCServer;
        // It talks to the helper from the GUI thread, whoever asked first.
        if (QCoreApplication::instance() && QThread::currentThread() != QCoreApplication::instance()->thread())
            g_server->moveToThread(QCoreApplication::instance()->thread());
    }
    return g_server;
}

void FIPCServer::release()
{
    QMutexLocker locker(&g_mutex);
    delete g_server;
    g_server = nullptr;
}

FIPCServer::FIPCServer()
    : m_handler(new FIPCServerEventHandler(this))
    , m_parser(std::make_unique<FIPCEventParser>())
{
    if (qobject_cast<QApplication *>(QCoreApplication::instance()))
        connect(KvSkin::instance(), &KvSkin::sigPaletteChanged, m_handler, &FIPCServerEventHandler::onSkinChanged);
    KvIPCServer *server = getServer();
    server->registerEventParser(m_parser.get());
    server->configure(KvIPCProcessArguments(QString::fromLatin1(kHelperExecutable)));
}

FIPCServer::~FIPCServer()
{
    releaseServer();
}

bool FIPCServer::start()
{
    sendProxy();
    KvIPCServer *server = getServer();
    m_started = server->start(QString::fromLatin1(kServerName));
    if (m_started) {
        server->enable(1);
        sendSkin();
    }
    return m_started;
}

IKvIPCTask *FIPCServer::createTask(int kind, const KvIPCUITaskArguments &arguments)
{
    if (!m_started)
        return nullptr;
    // The proxy can be changed in the editor's proxy dialog at any time;
    // each page starts with the current one.
    sendProxy();
    return getServer()->createTask(kind, arguments);
}

void FIPCServer::sendSkin()
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    // 0 dark, 1 light: what the pages switch their style sheet on.
    const int kind = KvSkin::instance()->widgetPalette().color(QPalette::Window).lightness() < 128 ? 0 : 1;
    getServer()->sendEvent(FIPCSkinEvent(kind, QApplication::font().family()));
}

void FIPCServer::sendProxy()
{
    // The proxy set in the editor, else the desktop's.
    QNetworkProxy proxy = QNetworkProxy::applicationProxy();
    if (proxy.type() == QNetworkProxy::DefaultProxy)
        proxy = QNetworkProxyFactory::systemProxyForQuery(QNetworkProxyQuery(QUrl(QStringLiteral("https://example.com"))))
                    .value(0);
    getServer()->sendEvent(
        FIPCProxyEvent(int(proxy.type()), proxy.hostName(), proxy.port(), proxy.user(), proxy.password()));
}
