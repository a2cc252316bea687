#include "FTavrinPageHost.h"

#include "FIPCEvents.h"
#include "FTavrinLoginPage.h"
#include "IKvBaseLog.h"
#include "KvIPCClient.h"
#include "KvIPCProtocol.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QNetworkProxy>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace {
const char *const kTaskProperty = "tavrinTask";

bool isLoginPage(const QUrl &url)
{
    return url.path().endsWith(QLatin1String("/login"));
}
} // namespace

FTavrinPageHost::FTavrinPageHost(KvIPCClient *client, QObject *parent)
    : QObject(parent)
    , m_client(client)
{
    connect(client, &KvIPCClient::sigEvent, this, &FTavrinPageHost::onEvent);
}

FTavrinPageHost::~FTavrinPageHost()
{
    for (const QPointer<QWidget> &page : qAsConst(m_pages))
        delete page.data();
}

void FTavrinPageHost::onEvent(quint32 task, const KvIPCEventPtr &event)
{
    const QJsonObject params = event->params();
    switch (event->number()) {
    case KvIPC::EventEnable:
        m_enabled = params.value(QStringLiteral("enabled")).toInt() != 0;
        KV_LOG_INFO("enabled: %d", int(m_enabled));
        break;
    case KvIPC::EventTaskCreate:
        createPage(task, params);
        break;
    case KvIPC::EventTaskClose:
        closePage(task);
        break;
    case KvIPC::EventGoBack:
        if (auto *login = qobject_cast<FTavrinLoginPage *>(m_pages.value(task).data()))
            login->goBack();
        break;
    case FIPCEventId::Skin:
        applySkin(params);
        break;
    case FIPCEventId::Proxy:
        applyProxy(params);
        break;
    case FIPCEventId::LoginStateChanged: {
        const int type = params.value(QStringLiteral("type")).toInt();
        const int state = params.value(QStringLiteral("state")).toInt();
        KV_LOG_INFO("task %u: login state type %d, state %d", task, type, state);
        auto *login = qobject_cast<FTavrinLoginPage *>(m_pages.value(task).data());
        if (!login)
            break;
        // Signed in: the login page is done and goes away.
        if (state == 6) {
            login->showResult(true);
            finishPage(task);
        } else if (type == 3) {
            login->showResult(false);
        }
        break;
    }
    default:
        KV_LOG_INFO("task %u: event %d ignored", task, int(event->number()));
        break;
    }
}

void FTavrinPageHost::createPage(quint32 task, const QJsonObject &params)
{
    const QUrl url(params.value(QStringLiteral("url")).toString());
    const QSize size(params.value(QStringLiteral("width")).toInt(), params.value(QStringLiteral("height")).toInt());
    KV_LOG_INFO("task %u: page %s, %dx%d", task, KV_CSTR(url.toString()), size.width(), size.height());
    if (!m_enabled) {
        KV_LOG_INFO("task %u refused: the editor has disabled the pages", task);
        m_client->sendEvent(task, KvIPCEvent(KvIPC::EventTaskClosed));
        return;
    }
    QWidget *page = nullptr;
    if (isLoginPage(url)) {
        auto *login = new FTavrinLoginPage;
        connect(login, &FTavrinLoginPage::sigAuthCode, this, [this, task](const QString &code) {
            KV_LOG_INFO("task %u: signing in", task);
            m_client->sendEvent(task, FIPCWebLoginFinishedEvent(code));
        });
        connect(login, &FTavrinLoginPage::sigBackButtonWanted, this, [this, task](bool visible) {
            m_client->sendEvent(task, FIPCChangeBackBtnStateEvent(visible));
        });
        page = login;
    } else {
        // No web engine here: the page names what it would show.
        page = new QWidget;
        auto *layout = new QVBoxLayout(page);
        auto *label = new QLabel(tr("This page opens in your web browser:\n%1").arg(url.toString()));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    page->setProperty(kTaskProperty, task);
    page->setWindowTitle(url.host());
    if (size.isValid())
        page->resize(size);
    page->installEventFilter(this);
    m_pages.insert(task, page);
    page->show();
    m_client->sendEvent(task, KvIPCEvent(KvIPC::EventTaskCreated, {{QStringLiteral("window"), double(page->winId())}}));
    m_client->sendEvent(task, KvIPCEvent(KvIPC::EventPageLoaded, {{QStringLiteral("ok"), true}}));

    const QString signIn = qEnvironmentVariable("KV_TAVRIN_SIGN_IN");
    auto *login = qobject_cast<FTavrinLoginPage *>(page);
    if (login && signIn.contains(QLatin1Char(':'))) {
        const QString user = signIn.section(QLatin1Char(':'), 0, 0);
        const QString password = signIn.section(QLatin1Char(':'), 1);
        QTimer::singleShot(0, login, [login, user, password] { login->signIn(user, password); });
    }
}

void FTavrinPageHost::finishPage(quint32 task)
{
    // A page that is done only says so: its window may sit in the editor's
    // window, which lets go of it before it closes the task.
    m_client->sendEvent(task, KvIPCEvent(KvIPC::EventTaskClosed));
    KV_LOG_INFO("task %u done", task);
}

void FTavrinPageHost::closePage(quint32 task)
{
    const QPointer<QWidget> page = m_pages.take(task);
    if (page) {
        page->removeEventFilter(this);
        page->deleteLater();
    }
    KV_LOG_INFO("task %u closed", task);
}

bool FTavrinPageHost::eventFilter(QObject *watched, QEvent *event)
{
    // The user closed a page window that is not embedded.
    if (event->type() == QEvent::Close) {
        const QVariant task = watched->property(kTaskProperty);
        if (task.isValid())
            QTimer::singleShot(0, this, [this, id = task.toUInt()] { finishPage(id); });
    }
    return QObject::eventFilter(watched, event);
}

void FTavrinPageHost::applySkin(const QJsonObject &params)
{
    const int skin = params.value(QStringLiteral("skin")).toInt();
    const QString font = params.value(QStringLiteral("font")).toString();
    KV_LOG_INFO("skin %d, font \"%s\"", skin, KV_CSTR(font));
    QPalette palette;
    if (skin == 0) {
        palette.setColor(QPalette::Window, QColor(0x1f, 0x20, 0x24));
        palette.setColor(QPalette::WindowText, Qt::white);
        palette.setColor(QPalette::Base, QColor(0x2a, 0x2b, 0x30));
        palette.setColor(QPalette::Text, Qt::white);
        palette.setColor(QPalette::Button, QColor(0x33, 0x35, 0x3b));
        palette.setColor(QPalette::ButtonText, Qt::white);
    }
    QApplication::setPalette(palette);
    if (!font.isEmpty()) {
        QFont applicationFont = QApplication::font();
        applicationFont.setFamily(font);
        QApplication::setFont(applicationFont);
    }
}

void FTavrinPageHost::applyProxy(const QJsonObject &params)
{
    const auto type = QNetworkProxy::ProxyType(params.value(QStringLiteral("type")).toInt());
    const QString host = params.value(QStringLiteral("host")).toString();
    const int port = params.value(QStringLiteral("port")).toInt();
    KV_LOG_INFO("proxy type %d, %s:%d", int(type), KV_CSTR(host), port);
    QNetworkProxy::setApplicationProxy(QNetworkProxy(type, host, quint16(port),
                                                     params.value(QStringLiteral("user")).toString(),
                                                     params.value(QStringLiteral("password")).toString()));
}
