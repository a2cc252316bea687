// The web helper link: the login page signed in through the real helper
// process, the helper missing, and the rules the login widget applies to
// account state changes and page events.
#include "FIPCEvents.h"
#include "FIPCLoginDialog.h"
#include "FIPCLoginWidget.h"
#include "FIPCServer.h"
#include "IKvAccountService.h"
#include "KvIPCProtocol.h"
#include "KvIPCServer.h"
#include "KvTestLog.h"

#include <QApplication>
#include <QFile>
#include <QNetworkProxy>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace {

struct KindRecorder : IKvTCIDEventObserver
{
    QList<int> kinds;
    void onTCIDEvent(const KvTCIDEvent &event) override { kinds << event.kind; }
};

// A private installation with only the web helper in it, so that the
// helper's log lands here.
QString installHelper(const QTemporaryDir &dir)
{
    const QString target = dir.filePath(QStringLiteral("Tavrin.exe"));
    if (!QFile::copy(QStringLiteral(KORVANE_BIN_DIR "/Tavrin.exe"), target))
        return QString();
    return target;
}

QString readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class TestFIPCLogin : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        FIPCServer::release();
        IKvAccountService::getInstance()->logout();
        qunsetenv("KV_TAVRIN_SIGN_IN");
        QNetworkProxy::setApplicationProxy(QNetworkProxy(QNetworkProxy::DefaultProxy));
    }

    void signsInThroughTheHelper()
    {
        QTemporaryDir install;
        const QString helper = installHelper(install);
        QVERIFY(!helper.isEmpty());
        qputenv("KV_TAVRIN_SIGN_IN", "alice:secret");
        KvTestLog log;
        KindRecorder observer;
        IKvAccountService::getInstance()->addObserver(&observer);

        FIPCServer *server = FIPCServer::instance();
        getServer()->configure(KvIPCProcessArguments(helper));
        QVERIFY(server->start());
        // Set after the start: the page still gets it.
        QNetworkProxy::setApplicationProxy(QNetworkProxy(QNetworkProxy::HttpProxy, "proxy.test", 3128));
        // Whatever happens, the modal loop ends.
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, [] {
            if (QWidget *modal = QApplication::activeModalWidget())
                modal->close();
        });
        guard.start(20000);
        QVERIFY(FIPCLoginDialog::popup(nullptr));
        QVERIFY2(guard.isActive(), "the login page never finished");
        IKvAccountService::getInstance()->removeObserver(&observer);

        QVERIFY(IKvAccountService::getInstance()->isLoggedIn());
        QVERIFY(IKvAccountService::getInstance()->currentUser().userId.startsWith(QStringLiteral("web-")));
        QCOMPARE(observer.kinds, QList<int>{KvTCIDEvent::kLogin});
        QCOMPARE(log.count("Login begin."), 1);
        QCOMPARE(log.count("Login spend "), 1);
        QCOMPARE(log.count("Auth state changed, result: 0, oldState: 0, newState: 6"), 1);
        QCOMPARE(log.count("Login end."), 1);
        // The page sits in the dialog where the window system allows it.
        const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb");
        QCOMPARE(log.count("embedded: yes"), x11 ? 1 : 0);
        QCOMPARE(log.count("cannot be embedded"), x11 ? 0 : 1);
        QVERIFY2(log.errors().isEmpty(), qPrintable(log.errors().join('\n')));

        // The helper was told the proxy and skin before its page, and signed in on the form.
        const QString helperLog = readFile(install.filePath(QStringLiteral("Log/Tavrin.log")));
        const int proxy = helperLog.indexOf(QStringLiteral("proxy type %1, proxy.test:3128").arg(int(QNetworkProxy::HttpProxy)));
        const int skin = helperLog.indexOf(QStringLiteral("skin "));
        const int page = helperLog.indexOf(QStringLiteral("task 1: page https://account.tessaracorp.com/login, 435x600"));
        QVERIFY2(proxy >= 0 && skin >= 0 && page > proxy && page > skin, qPrintable(helperLog));
        QVERIFY(helperLog.contains(QStringLiteral("task 1: signing in")));
        QVERIFY(helperLog.contains(QStringLiteral("task 1: login state type 1, state 6")));
    }

    void helperMissing()
    {
        QTemporaryDir install;
        KvTestLog log;
        FIPCServer *server = FIPCServer::instance();
        getServer()->configure(KvIPCProcessArguments(install.filePath(QStringLiteral("Tavrin.exe"))));
        QVERIFY(!server->start());
        QVERIFY(!FIPCLoginDialog::popup(nullptr));
        QVERIFY(log.hasError("pTask is NULL!"));
        QCOMPARE(log.count("Login begin."), 0);
        // Later tasks stay unavailable, even once the helper is there.
        QVERIFY(QFile::copy(QStringLiteral(KORVANE_BIN_DIR "/Tavrin.exe"), install.filePath(QStringLiteral("Tavrin.exe"))));
        QVERIFY(!server->createTask(KvIPC::kTaskKindUi, KvIPCUITaskArguments(QSize(10, 10))));
    }

    void stateTypes_data()
    {
        QTest::addColumn<int>("oldState");
        QTest::addColumn<int>("newState");
        QTest::addColumn<int>("type");
        using W = FIPCLoginWidget;
        QTest::newRow("signed in") << int(W::SignedOut) << int(W::SignedIn) << int(W::StateSignedInOrOut);
        QTest::newRow("signed out") << int(W::SignedIn) << int(W::SignedOut) << int(W::StateSignedInOrOut);
        QTest::newRow("failed, then out") << int(W::SignInFailed) << int(W::SignedOut) << int(W::StateSignedInOrOut);
        QTest::newRow("out after expiry") << int(W::Expired) << int(W::SignedOut) << int(W::StateOther);
        QTest::newRow("device limit") << int(W::SignedIn) << int(W::DeviceLimited) << int(W::StateDevice);
        QTest::newRow("failed") << int(W::SignedOut) << int(W::SignInFailed) << int(W::StateOther);
        QTest::newRow("expired") << int(W::SignedIn) << int(W::Expired) << int(W::StateOther);
    }
    void stateTypes()
    {
        QFETCH(int, oldState);
        QFETCH(int, newState);
        QFETCH(int, type);
        QCOMPARE(FIPCLoginWidget::stateTypeFor(oldState, newState), type);
    }

    void accountEventsChangeTheState_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("state");
        using W = FIPCLoginWidget;
        QTest::newRow("login") << KvTCIDEvent::kLogin << 0 << int(W::SignedIn);
        QTest::newRow("refused") << KvTCIDEvent::kLoginFailed << 1 << int(W::SignInFailed);
        QTest::newRow("device limit") << KvTCIDEvent::kDeviceLimit << 0 << int(W::DeviceLimited);
        QTest::newRow("token expired") << KvTCIDEvent::kTokenRefreshed << KvTCIDEvent::kTokenExpired << int(W::Expired);
        QTest::newRow("token renewed: no change") << KvTCIDEvent::kTokenRefreshed << 0 << int(W::SignedOut);
        QTest::newRow("profile: no change") << KvTCIDEvent::kUserInfo << 0 << int(W::SignedOut);
    }
    void accountEventsChangeTheState()
    {
        QFETCH(int, kind);
        QFETCH(int, code);
        QFETCH(int, state);
        KvTestLog log;
        FIPCLoginWidget widget;
        KvTCIDEvent event;
        event.kind = kind;
        event.code = code;
        widget.onTCIDEvent(event);
        QCOMPARE(widget.authState(), state);
        QCOMPARE(log.count("Auth state changed"), state == FIPCLoginWidget::SignedOut ? 0 : 1);
    }

    void pageEvents()
    {
        FIPCLoginDialog dialog;
        FIPCLoginWidget *widget = dialog.loginWidget();
        QSignalSpy back(widget, &FIPCLoginWidget::sigChangeBackBtnState);
        QSignalSpy closed(widget, &KvIPCWidget::sigClose);
        FIPCChangeBackBtnStateEvent show(true);
        widget->processEvent(&show);
        QCOMPARE(back.count(), 1);
        QVERIFY(!dialog.backButton()->isHidden());
        FIPCChangeBackBtnStateEvent hide(false);
        widget->processEvent(&hide);
        QVERIFY(dialog.backButton()->isHidden());
        // A library event goes to the base widget: the page is gone.
        KvIPCEvent gone(KvIPC::EventTaskClosed);
        widget->processEvent(&gone);
        QCOMPARE(closed.count(), 1);
        // Offscreen nothing can be embedded; the widget says so.
        KvIPCEvent created(KvIPC::EventTaskCreated, {{QStringLiteral("window"), 42}});
        widget->processEvent(&created);
        QVERIFY(!widget->isEmbedded());
        QVERIFY(widget->statusText().contains(QStringLiteral("unavailable")));
    }
};

QTEST_MAIN(TestFIPCLogin)
#include "tst_fipclogin.moc"
