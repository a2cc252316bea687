#include "FAccountSession.h"
#include "FCreativeHelperLink.h"
#include "FForwardedOpenHandler.h"
#include "FKorvaneIniSettings.h"
#include "FLoginTokenStore.h"
#include "FPageWindowEventFilter.h"
#include "FProjectDocProxy.h"
#include "FStartupBackgroundWork.h"
#include "FUpgradeCoordinator.h"
#include "IKvAccountService.h"
#include "IKvUpgradeModule.h"
#include "KvCommunicatorMsg.h"
#include "KvTestLog.h"

#include <QtTest>

#include <atomic>
#include <cstring>

using Message = FPageWindowEventFilter::WindowMessage;
Q_DECLARE_METATYPE(FPageWindowEventFilter::WindowMessage)

namespace {

// An xcb event with distinct window ids at the two offsets a filter might
// read, so reading the wrong one shows.
QByteArray xcbEvent(quint8 type)
{
    QByteArray event(32, '\0');
    event[0] = char(type);
    const quint32 atFour = 0x0400AAAA;
    const quint32 atEight = 0x0800BBBB;
    std::memcpy(event.data() + 4, &atFour, sizeof atFour);
    std::memcpy(event.data() + 8, &atEight, sizeof atEight);
    return event;
}

// What a second start sends: the open command with its argument, key included.
QString forward(const QStringList &paths)
{
    QList<KvCommunicatorMsg> messages;
    for (const QString &path : paths)
        messages << KvCommunicatorMsg(QStringLiteral("CMD_OPEN_PROJECT"), {QStringLiteral("-open:") + path});
    return KvCommunicatorMsg::toText(messages);
}

} // namespace

class TestPageHelpers : public QObject
{
    Q_OBJECT

private slots:
    void windowMessages_data()
    {
        QTest::addColumn<QByteArray>("eventType");
        QTest::addColumn<int>("type");
        QTest::addColumn<Message>("expected");
        QTest::addColumn<quint32>("window");
        const QByteArray xcb = "xcb_generic_event_t";
        QTest::newRow("focus-in") << xcb << 9 << Message::Activate << quint32(0x0400AAAA);
        QTest::newRow("sent focus-in") << xcb << (9 | 0x80) << Message::Activate << quint32(0x0400AAAA);
        QTest::newRow("configure-notify reads the configured window")
            << xcb << 22 << Message::WindowPosChanged << quint32(0x0800BBBB);
        QTest::newRow("sent configure-notify") << xcb << (22 | 0x80) << Message::WindowPosChanged << quint32(0x0800BBBB);
        QTest::newRow("focus-out") << xcb << 10 << Message::NoMessage << quint32(0);
        QTest::newRow("key press") << xcb << 2 << Message::NoMessage << quint32(0);
        QTest::newRow("not xcb") << QByteArray("windows_generic_MSG") << 9 << Message::NoMessage << quint32(0);
    }
    void windowMessages()
    {
        QFETCH(QByteArray, eventType);
        QFETCH(int, type);
        QFETCH(Message, expected);
        QFETCH(quint32, window);
        const QByteArray event = xcbEvent(quint8(type));
        quint32 seen = 0;
        QCOMPARE(FPageWindowEventFilter::translate(eventType, event.constData(), &seen), expected);
        QCOMPARE(seen, window);
        QCOMPARE(FPageWindowEventFilter::translate(eventType, nullptr, &seen), Message::NoMessage);
    }

    void windowFilterWithoutPage()
    {
        // No current page (start-up, shutdown): nothing to activate, no crash.
        FPageWindowEventFilter filter([] { return nullptr; });
        const QByteArray event = xcbEvent(9);
        QVERIFY(!filter.handle("xcb_generic_event_t", event.constData()));
    }

    void caddyRefresh_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("flag");
        QTest::addColumn<bool>("refresh");
        QTest::newRow("logout, token expired") << KvTCIDEvent::kLogout << KvTCIDEvent::kTokenExpired << false << true;
        QTest::newRow("check, pending by the user") << KvTCIDEvent::kAccountChecked << KvTCIDEvent::kPending << true << true;
        QTest::newRow("check, pending automatically") << KvTCIDEvent::kAccountChecked << KvTCIDEvent::kPending << false << false;
        QTest::newRow("membership, server error") << KvTCIDEvent::kMembershipChanged << KvTCIDEvent::kServerError << false << true;
        QTest::newRow("refresh, signed in elsewhere") << KvTCIDEvent::kTokenRefreshed << KvTCIDEvent::kSignedInElsewhere << false << true;
        QTest::newRow("logout, signed in elsewhere") << KvTCIDEvent::kLogout << KvTCIDEvent::kSignedInElsewhere << false << false;
        QTest::newRow("refresh, device changed") << KvTCIDEvent::kTokenRefreshed << KvTCIDEvent::kDeviceChanged << false << true;
        QTest::newRow("login, failure") << KvTCIDEvent::kLogin << KvTCIDEvent::kFailure << true << false;
        QTest::newRow("device limit, failure") << KvTCIDEvent::kDeviceLimit << KvTCIDEvent::kFailure << false << false;
        QTest::newRow("logout, success") << KvTCIDEvent::kLogout << KvTCIDEvent::kSuccess << true << false;
    }
    void caddyRefresh()
    {
        QFETCH(int, kind);
        QFETCH(int, code);
        QFETCH(bool, flag);
        QFETCH(bool, refresh);
        KvTCIDEvent event;
        event.kind = kind;
        event.code = code;
        event.flag = flag;
        QCOMPARE(FAccountSession::refreshesCaddy(event), refresh);
    }

    // A login stores what the next start logs in with and names the user to
    // the pages; a logout takes both back.
    void accountSessionFollowsLoginState()
    {
        IKvAccountService *account = IKvAccountService::getInstance();
        account->logout();
        FAccountSession session([] { return nullptr; });
        account->addObserver(&session);
        QSignalSpy users(&session, &FAccountSession::sigUserIdChanged);

        QVERIFY(account->loginByUserPwd(QStringLiteral("alice"), QStringLiteral("pw")));
        QCOMPARE(users.count(), 1);
        QCOMPARE(users.takeFirst().at(0).toString(), QStringLiteral("alice"));
        QByteArray token;
        QString userId;
        QVERIFY(FLoginTokenStore::load(&token, &userId));
        QCOMPARE(userId, QStringLiteral("alice"));
        QCOMPARE(token, account->currentUser().token.toUtf8());

        // A refused login changes nothing that was stored.
        account->setNextLoginResult(false);
        QVERIFY(!account->loginByUserPwd(QStringLiteral("bob"), QStringLiteral("pw")));
        QCOMPARE(users.count(), 0);
        QVERIFY(FLoginTokenStore::load(&token, &userId));
        QCOMPARE(userId, QStringLiteral("alice"));

        account->logout();
        QVERIFY(!session.isLoggedIn());
        QCOMPARE(users.count(), 1);
        QVERIFY(users.takeFirst().at(0).toString().isEmpty());
        QVERIFY(!FLoginTokenStore::load(&token, &userId));
        account->removeObserver(&session);
    }

    void logoutVetoedByThePage()
    {
        IKvAccountService *account = IKvAccountService::getInstance();
        QVERIFY(account->loginByUserPwd(QStringLiteral("carol"), QStringLiteral("pw")));
        FAccountSession session([] { return nullptr; });
        QVERIFY(!session.logout([] { return false; }));
        QVERIFY(account->isLoggedIn());
        account->logout();
    }

    // The destructor waits for the pool job: what the job uses is still
    // alive until its last step has run.
    void backgroundJobJoinedAtDestruction()
    {
        std::atomic<bool> done{false};
        {
            FStartupBackgroundWork work;
            QVERIFY(work.startJob([&done] {
                QThread::msleep(300);
                done = true;
            }));
            QVERIFY(!work.startJob());
        }
        QVERIFY(done);
    }

    void surveyTimerArmedOnce()
    {
        FStartupBackgroundWork work;
        QVERIFY(work.armSurveyTimer());
        QVERIFY(!work.armSurveyTimer());
        QVERIFY(!work.hasSurvey());
        work.prepareSurvey();
        work.prepareSurvey();
        QVERIFY(work.hasSurvey());
    }

    void creativeLink_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain web link") << "https://x.test/p" << "https://x.test/p?did=D&pid=P&pver=V";
        QTest::newRow("link with a query") << "https://x.test/p?a=1" << "https://x.test/p?a=1&did=D&pid=P&pver=V";
        QTest::newRow("already has did") << "https://x.test/p?did=1" << "https://x.test/p?did=1";
        QTest::newRow("not a web link") << "about:blank" << "about:blank";
        QTest::newRow("empty") << "" << "";
    }
    void creativeLink()
    {
        QFETCH(QString, link);
        QFETCH(QString, expected);
        QCOMPARE(FCreativeHelperLink::decorate(link, "D", "P", "V"), expected);
    }

    void forwardedOpens_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("opened");
        QTest::addColumn<bool>("errorLogged");
        QTest::newRow("one project") << forward({"@a"}) << 1 << false;
        QTest::newRow("two in one read") << forward({"@a", "@b"}) << 2 << false;
        QTest::newRow("missing one stops the rest") << forward({"@a", "/no/such.kvproj", "@b"}) << 1 << true;
        QTest::newRow("another command")
            << KvCommunicatorMsg::toText({KvCommunicatorMsg(QStringLiteral("CMD_REOPEN_APP"), {QStringLiteral(" ")})})
            << 0 << false;
    }
    void forwardedOpens()
    {
        QFETCH(QString, message);
        QFETCH(int, opened);
        QFETCH(bool, errorLogged);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        for (const char *name : {"a.kvproj", "b.kvproj"}) {
            QFile file(dir.filePath(QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        message.replace(QLatin1String("@a"), dir.filePath("a.kvproj")).replace(QLatin1String("@b"), dir.filePath("b.kvproj"));
        QStringList paths;
        int raised = 0;
        FForwardedOpenHandler::Hooks hooks;
        hooks.mayOpen = [] { return true; };
        hooks.raiseEditor = [&raised] { ++raised; };
        hooks.openProject = [&paths](const QString &path) { paths << path; };
        FForwardedOpenHandler handler(hooks);
        KvTestLog log;
        QCOMPARE(handler.handle(message), opened);
        QCOMPARE(paths.size(), opened);
        QCOMPARE(raised, opened);
        QCOMPARE(!log.errors().isEmpty(), errorLogged);
    }

    // A forward that arrives while an open turns the event loop is neither
    // opened inside it nor dropped: it follows, in the order of arrival.
    void forwardedOpenWaitsForTheRunningOne()
    {
        QTemporaryDir dir;
        QStringList paths;
        for (const char *name : {"a.kvproj", "b.kvproj", "c.kvproj"}) {
            paths << dir.filePath(QLatin1String(name));
            QFile file(paths.last());
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QStringList opened;
        int inner = -1;
        FForwardedOpenHandler *self = nullptr;
        FForwardedOpenHandler::Hooks hooks;
        hooks.openProject = [&](const QString &path) {
            opened << path;
            if (opened.size() == 1)
                inner = self->handle(forward({paths[1], paths[2]}));
        };
        FForwardedOpenHandler handler(hooks);
        self = &handler;
        QCOMPARE(handler.handle(forward({paths[0]})), 1);
        QCOMPARE(inner, 0);
        QCOMPARE(opened, QStringList{paths[0]});
        QCOMPARE(handler.waiting().size(), 2);
        QTRY_COMPARE(opened, paths);
        QVERIFY(handler.waiting().isEmpty());
        QVERIFY(!handler.isOpening());
    }

    // While the project services are busy a forward waits for the end of
    // their operation, without polling in between.
    void forwardedOpenWaitsForTheServices()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("a.kvproj");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        bool busy = true;
        int asked = 0;
        QStringList opened;
        FForwardedOpenHandler::Hooks hooks;
        hooks.openProject = [&](const QString &p) { opened << p; };
        hooks.isBusy = [&] {
            ++asked;
            return busy;
        };
        FForwardedOpenHandler handler(hooks);
        KvTestLog log;
        QCOMPARE(handler.handle(forward({path})), 0);
        QCOMPARE(log.count("waits for the running project operation"), 1);
        QTest::qWait(50);
        QVERIFY(opened.isEmpty());
        QVERIFY2(asked <= 2, qPrintable(QString::number(asked)));
        busy = false;
        // Any operation of the document service ends with the signal.
        FProjectDocProxy::instance()->saveProject();
        QTRY_COMPARE(opened, QStringList{path});
    }

    // A busy spell that ends without the document service saying so (the
    // project manager's own read, a page change) still lets the waiting
    // forward through: it is never stranded.
    void forwardedOpenNotStrandedWithoutEndSignal()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("b.kvproj");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        bool busy = true;
        QStringList opened;
        FForwardedOpenHandler::Hooks hooks;
        hooks.openProject = [&](const QString &p) { opened << p; };
        hooks.isBusy = [&] { return busy; };
        FForwardedOpenHandler handler(hooks);
        QCOMPARE(handler.handle(forward({path})), 0);
        QTest::qWait(20);
        QVERIFY(opened.isEmpty());
        busy = false;
        QTRY_COMPARE(opened, QStringList{path});
    }

    void forwardedOpenRefusedByPage()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath("a.kvproj"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        int opens = 0;
        FForwardedOpenHandler::Hooks hooks;
        hooks.mayOpen = [] { return false; };
        hooks.openProject = [&](const QString &) { ++opens; };
        FForwardedOpenHandler handler(hooks);
        QCOMPARE(handler.handle(forward({dir.filePath("a.kvproj")})), 0);
        QCOMPARE(opens, 0);
    }

    void restartNeedsThePage()
    {
        FUpgradeCoordinator upgrade;
        QVERIFY(!upgrade.restartForUpgrade([] { return false; }));
        upgrade.module()->setCanCloseNow(false);
        QVERIFY(!upgrade.canCloseNow());
        upgrade.module()->setCanCloseNow(true);
        QVERIFY(upgrade.canCloseNow());
    }

    void iniSettings_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("flashback");
        QTest::newRow("absent file") << QByteArray() << false;
        QTest::newRow("set") << QByteArray("[LogRetrieval]\nflashback=true\n") << true;
        QTest::newRow("other group") << QByteArray("[Other]\nflashback=true\n") << false;
        QTest::newRow("set false") << QByteArray("[LogRetrieval]\nflashback=false\n") << false;
    }
    void iniSettings()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, flashback);
        QTemporaryDir dir;
        const QString ini = dir.filePath("Korvane.ini");
        if (!content.isEmpty()) {
            QFile file(ini);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        QCOMPARE(FKorvaneIniSettings::value(FKorvaneIniSettings::LogRetrievalFlashback, ini), flashback);
        QCOMPARE(FKorvaneIniSettings::value(FKorvaneIniSettings::QuickTutorialsSwitchOpen, ini), false);
    }
};

QTEST_MAIN(TestPageHelpers)
#include "tst_pagehelpers.moc"
