#include "FUserAccountPages.h"
#include "IKvAccountService.h"

#include "KvTestLog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

class Recorder : public IKvTCIDEventObserver
{
public:
    void onTCIDEvent(const KvTCIDEvent &event) override
    {
        events << event;
        if (onEvent)
            onEvent();
    }
    QList<KvTCIDEvent> events;
    std::function<void()> onEvent;
};

IKvAccountService *account()
{
    return IKvAccountService::getInstance();
}

} // namespace

class TestIKvAccountService : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        IKvAccountService::releaseInstance();
    }

    void loginThenLogout_data()
    {
        QTest::addColumn<int>("how");
        QTest::addColumn<QString>("expectedId");
        QTest::addColumn<bool>("byUser");
        QTest::newRow("token") << int(KvTCIDEvent::kLoginByToken) << "u-42" << false;
        QTest::newRow("user and password") << int(KvTCIDEvent::kLoginByUserPwd) << "alice" << true;
        QTest::newRow("web code") << int(KvTCIDEvent::kLoginByCode) << "" << true;
    }

    void loginThenLogout()
    {
        QFETCH(int, how);
        QFETCH(QString, expectedId);
        QFETCH(bool, byUser);
        KvTestLog log;
        Recorder recorder;
        account()->addObserver(&recorder);
        account()->addObserver(&recorder);

        bool ok = false;
        if (how == KvTCIDEvent::kLoginByToken)
            ok = account()->loginByToken("tok-123", " u-42 ");
        else if (how == KvTCIDEvent::kLoginByUserPwd)
            ok = account()->loginByUserPwd("alice", "s3cret-pw");
        else
            ok = account()->loginByCode("code-9");
        QVERIFY(ok);
        QVERIFY(account()->isLoggedIn());
        const IKvAccountService::KvAccountUser user = account()->currentUser();
        if (!expectedId.isEmpty())
            QCOMPARE(user.userId, expectedId);
        QVERIFY(!user.userId.isEmpty());
        QVERIFY(!user.token.isEmpty());
        QCOMPARE(recorder.events.size(), 1);
        QCOMPARE(recorder.events.at(0).kind, KvTCIDEvent::kLogin);
        QCOMPARE(recorder.events.at(0).subCode, how);
        QCOMPARE(recorder.events.at(0).flag, byUser);
        QCOMPARE(recorder.events.at(0).text, user.userId);

        // The held user logs in again without credentials.
        QVERIFY(account()->restoreLogin());
        QCOMPARE(recorder.events.last().subCode, int(KvTCIDEvent::kLoginRestored));

        account()->logout();
        QVERIFY(!account()->isLoggedIn());
        QCOMPARE(recorder.events.last().kind, KvTCIDEvent::kLogout);
        account()->logout();
        QCOMPARE(recorder.events.size(), 3);
        QVERIFY(!account()->restoreLogin());
        QVERIFY(!log.lines().join('\n').contains("s3cret-pw"));
        account()->removeObserver(&recorder);
    }

    void refusedLogins_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("refuseNext");
        QTest::addColumn<int>("expectedKind");
        QTest::newRow("empty user") << "  " << "pw" << false << 0;
        QTest::newRow("empty password") << "bob" << "" << false << 0;
        QTest::newRow("server refuses") << "bob" << "pw" << true << int(KvTCIDEvent::kLoginFailed);
    }

    void refusedLogins()
    {
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(bool, refuseNext);
        QFETCH(int, expectedKind);
        KvTestLog log;
        Recorder recorder;
        account()->addObserver(&recorder);
        if (refuseNext)
            account()->setNextLoginResult(false);
        QVERIFY(!account()->loginByUserPwd(user, password));
        QVERIFY(!account()->isLoggedIn());
        QVERIFY(!log.errors().isEmpty());
        QCOMPARE(recorder.events.size(), expectedKind ? 1 : 0);
        if (expectedKind)
            QCOMPARE(recorder.events.at(0).kind, expectedKind);
        // The refusal is for one attempt only.
        QVERIFY(account()->loginByUserPwd("bob", "pw"));
        account()->removeObserver(&recorder);
    }

    // The page manager unregisters itself while an event is delivered.
    void observerRemovedDuringNotification()
    {
        Recorder first, second;
        first.onEvent = [&] { account()->removeObserver(&second); };
        account()->addObserver(&first);
        account()->addObserver(&second);
        QVERIFY(account()->loginByToken("t", "id"));
        QCOMPARE(first.events.size(), 1);
        QCOMPARE(second.events.size(), 0);
        account()->removeObserver(&first);
    }

    void loginWindow()
    {
        QPointer<FUserAccountPages> pages = FUserAccountPages::instance();
        QCOMPARE(FUserAccountPages::instance(), pages.data());
        QStringList messages;
        QTimer::singleShot(0, [&] {
            auto *login = pages->findChild<QPushButton *>("FUserAccountPages_LoginBtn");
            auto *message = pages->findChild<QLabel *>("FUserAccountPages_Message");
            pages->findChild<QLineEdit *>("FUserAccountPages_User")->setText("carol");
            login->click();
            messages << message->text();
            pages->findChild<QLineEdit *>("FUserAccountPages_Password")->setText("pw");
            login->click();
        });
        QVERIFY(pages->showLoginFrom(nullptr));
        QCOMPARE(messages.size(), 1);
        QVERIFY(!messages.first().isEmpty());
        QCOMPARE(account()->currentUser().userId, QStringLiteral("carol"));
        QTRY_VERIFY(!pages);
    }
};

QTEST_MAIN(TestIKvAccountService)
#include "tst_ikvaccountservice.moc"
