#include "FLoginTokenStore.h"
#include "FNativeEngineInfoHelper.h"
#include "FProjectDocProxy.h"
#include "FThirdPartyCloud.h"
#include "IKvAccountService.h"
#include "IKvEnvManager.h"
#include "IKvUpgradeModule.h"
#include "KorvaneMainForm.h"
#include "KorvanePageMgr.h"
#include "KorvaneScene.h"
#include "KvConfig.h"
#include "KvTestLog.h"
#include "TemplateModeScene.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

using Page = KorvanePageMgr::PageState;
Q_DECLARE_METATYPE(KorvanePageMgr::PageState)

namespace {

// An xcb event as the native event filter sees it.
QByteArray xcbEvent(quint8 type, quint32 window)
{
    QByteArray event(32, '\0');
    event[0] = char(type);
    std::memcpy(event.data() + (type == 22 ? 8 : 4), &window, sizeof window);
    return event;
}

} // namespace

class TestKorvanePageMgr : public QObject
{
    Q_OBJECT

private slots:
    void firstPage_data()
    {
        QTest::addColumn<bool>("unsaved");
        QTest::addColumn<QString>("openPath");
        QTest::addColumn<bool>("templateMapEmpty");
        QTest::addColumn<QString>("share");
        QTest::addColumn<bool>("showLibrary");
        QTest::addColumn<bool>("projectWillExist");
        QTest::addColumn<bool>("isTemplate");
        QTest::addColumn<Page>("expected");
        QTest::addColumn<bool>("asked");
        QTest::newRow("nothing, library on") << false << "" << true << "" << true << true << false << Page::StartPage << false;
        QTest::newRow("nothing, library off, no project") << false << "" << true << "" << false << false << false << Page::StartPage << true;
        QTest::newRow("nothing, library off, project") << false << "" << true << "" << false << true << false << Page::EditingScene << true;
        QTest::newRow("open path") << false << "/p/a.kvproj" << true << "" << true << true << false << Page::EditingScene << true;
        QTest::newRow("open path missing") << false << "/p/gone.kvproj" << true << "" << true << false << false << Page::StartPage << true;
        QTest::newRow("unsaved project") << true << "" << true << "" << true << true << false << Page::EditingScene << true;
        QTest::newRow("template map") << false << "" << false << "" << true << true << true << Page::TemplateEditor << true;
        QTest::newRow("share string") << false << "" << true << "-share:x" << true << false << false << Page::StartPage << true;
        QTest::newRow("template project path") << false << "/p/a.kvtpl" << true << "" << true << true << true << Page::TemplateEditor << true;
    }
    void firstPage()
    {
        QFETCH(bool, unsaved);
        QFETCH(QString, openPath);
        QFETCH(bool, templateMapEmpty);
        QFETCH(QString, share);
        QFETCH(bool, showLibrary);
        QFETCH(bool, projectWillExist);
        QFETCH(bool, isTemplate);
        QFETCH(Page, expected);
        QFETCH(bool, asked);
        bool wasAsked = false;
        const Page page = KorvanePageMgr::chooseFirstPage(
            unsaved, openPath, templateMapEmpty, share, showLibrary,
            [&] {
                wasAsked = true;
                return projectWillExist;
            },
            [&] { return isTemplate; });
        QCOMPARE(page, expected);
        QCOMPARE(wasAsked, asked);
    }

    void memoryThresholds_data()
    {
        QTest::addColumn<double>("total");
        QTest::addColumn<double>("free");
        QTest::addColumn<bool>("low");
        QTest::newRow("exactly at both") << 4096.0 << 1024.0 << false;
        QTest::newRow("total just below") << 4095.9 << 2048.0 << true;
        QTest::newRow("free just below") << 16384.0 << 1023.9 << true;
        QTest::newRow("plenty") << 16384.0 << 8192.0 << false;
    }
    void memoryThresholds()
    {
        QFETCH(double, total);
        QFETCH(double, free);
        QFETCH(bool, low);
        QCOMPARE(KorvanePageMgr::isMemoryLow(total, free), low);
    }

    void lowMemorySwitchesOnce()
    {
        KorvanePageMgr *mgr = KorvanePageMgr::instance();
        IKvEnvManager *env = IKvEnvManager::getInstance();
        env->setSafeMode(false);
        mgr->slotMonitorUpdate(SysMemory{8192, 0, 4096, 50});
        QVERIFY(!env->isSafeMode());
        mgr->slotMonitorUpdate(SysMemory{4000, 0, 3000, 25});
        QVERIFY(env->isSafeMode());
        QVERIFY(KorvanePageMgr::safeModeRequested());
        env->setSafeMode(false);
        mgr->slotMonitorUpdate(SysMemory{1000, 0, 100, 90});
        QVERIFY(!env->isSafeMode());
    }

    void loginToken_data()
    {
        QTest::addColumn<QByteArray>("cipher");
        QTest::addColumn<QByteArray>("token");
        const QByteArray good = "a1b2c3d4e5f60718293a4b5c6d7e8f90";
        QTest::newRow("round trip") << FLoginTokenStore::encrypt(good) << good;
        QTest::newRow("short token") << FLoginTokenStore::encrypt("t0k") << QByteArray("t0k");
        QTest::newRow("empty") << QByteArray() << QByteArray();
        QTest::newRow("not a block multiple") << QByteArray(17, 'x') << QByteArray();
        QTest::newRow("all zeros") << QByteArray(32, '\0') << QByteArray();
        QTest::newRow("garbage") << QByteArray::fromHex("00112233445566778899aabbccddeeff") << QByteArray();
    }
    void loginToken()
    {
        QFETCH(QByteArray, cipher);
        QFETCH(QByteArray, token);
        QCOMPARE(FLoginTokenStore::decrypt(cipher), token);
    }

    void autoLogin_data()
    {
        QTest::addColumn<QByteArray>("storedToken");
        QTest::addColumn<QString>("userId");
        QTest::addColumn<bool>("loggedIn");
        QTest::addColumn<bool>("errorLogged");
        QTest::newRow("stored token") << FLoginTokenStore::encrypt("tok-123") << "u42" << true << false;
        QTest::newRow("garbage token") << QByteArray("\x01\x02garbage") << "u42" << false << true;
        QTest::newRow("empty user id") << FLoginTokenStore::encrypt("tok-123") << "" << false << false;
    }
    void autoLogin()
    {
        QFETCH(QByteArray, storedToken);
        QFETCH(QString, userId);
        QFETCH(bool, loggedIn);
        QFETCH(bool, errorLogged);
        IKvAccountService::getInstance()->logout();
        KvConfig::Instance()->SetAppValue("AutoLoginToken", "Token", storedToken, false);
        KvConfig::Instance()->SetAppValue("Uid", "Uid", userId, false);
        KvTestLog log;
        QCOMPARE(KorvanePageMgr::instance()->autoLogin(), loggedIn);
        QCOMPARE(IKvAccountService::getInstance()->isLoggedIn(), loggedIn);
        QCOMPARE(log.hasError("login token"), errorLogged);
        IKvAccountService::getInstance()->logout();
    }

    // Every move of the state table, from the start page round to it again.
    void transitions()
    {
        KorvanePageMgr *mgr = KorvanePageMgr::instance();
        FProjectDocProxy *doc = FProjectDocProxy::instance();
        mgr->switchToPage(Page::StartPage);
        QCOMPARE(mgr->pageState(), Page::StartPage);
        QVERIFY(mgr->hasStartPage());

        // The page already shown: no reload, no start-up of a project.
        doc->SetDelayLoadProjectPath("/remembered.kvproj");
        mgr->switchToPage(Page::StartPage);
        QCOMPARE(doc->delayLoadProjectPath(), QStringLiteral("/remembered.kvproj"));
        doc->clearDelayLoadProjectInfos();

        mgr->switchToPage(Page::EditingScene);
        QCOMPARE(mgr->pageState(), Page::EditingScene);
        QVERIFY(mgr->hasKorvaneScene());
        QVERIFY(!mgr->hasStartPage());
        QVERIFY(mgr->currentPageWidget() == mgr->korvaneScene()->mainForm());

        // Back to the start page from inside the main form's own signal: the
        // scene survives the signal and goes on the next turn.
        QPointer<KorvaneMainForm> form = mgr->korvaneScene()->mainForm();
        emit form->sigBackHomepage();
        QVERIFY(mgr->hasKorvaneScene());
        QTRY_COMPARE(mgr->pageState(), Page::StartPage);
        QVERIFY(!mgr->hasKorvaneScene());
        QVERIFY(form.isNull());

        // A template project that cannot be opened leaves the list showing.
        doc->SetDelayLoadProjectPath(QDir::temp().filePath("missing-template.kvtpl"));
        mgr->switchToPage(Page::TemplateEditor);
        QCOMPARE(mgr->pageState(), Page::TemplateList);
        QVERIFY(mgr->hasTemplateModeScene());
        QVERIFY(!mgr->hasStartPage());

        emit mgr->templateModeScene()->sigEnterEditView();
        QCOMPARE(mgr->pageState(), Page::TemplateEditor);
        emit mgr->templateModeScene()->sigBackTemplateView();
        QCOMPARE(mgr->pageState(), Page::TemplateList);

        emit mgr->templateModeScene()->sigEnterTimelineMode(true);
        QVERIFY(mgr->hasTemplateModeScene());
        QTRY_COMPARE(mgr->pageState(), Page::EditingScene);
        QVERIFY(!mgr->hasTemplateModeScene());

        mgr->switchToPage(Page::TemplateList);
        emit mgr->templateModeScene()->sigBackHomepage();
        QTRY_COMPARE(mgr->pageState(), Page::StartPage);
        QVERIFY(!mgr->hasTemplateModeScene());
        QVERIFY(mgr->hasStartPage());
    }

    void closeRefused()
    {
        KorvanePageMgr *mgr = KorvanePageMgr::instance();
        mgr->upgradeModule()->setCanCloseNow(false);
        bool ignore = false;
        mgr->slotClose(ignore);
        QVERIFY(ignore);
        mgr->upgradeModule()->setCanCloseNow(true);

        FThirdPartyCloud::setCloseResultForTest(false);
        ignore = false;
        mgr->slotClose(ignore);
        QVERIFY(ignore);
        FThirdPartyCloud::setCloseResultForTest(true);
    }

    void nativeEventFilter_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("ownWindow");
        QTest::addColumn<bool>("engine");
        QTest::addColumn<bool>("activates");
        QTest::newRow("focus-in") << 9 << true << true << true;
        QTest::newRow("configure-notify") << 22 << true << true << true;
        QTest::newRow("sent focus-in") << (9 | 0x80) << true << true << true;
        QTest::newRow("key press") << 2 << true << true << false;
        QTest::newRow("other window") << 9 << false << true << false;
        QTest::newRow("no engine") << 9 << true << false << false;
    }
    void nativeEventFilter()
    {
        QFETCH(int, type);
        QFETCH(bool, ownWindow);
        QFETCH(bool, engine);
        QFETCH(bool, activates);
        KorvanePageMgr *mgr = KorvanePageMgr::instance();
        mgr->switchToPage(Page::StartPage);
        QWidget *page = mgr->currentPageWidget();
        QVERIFY(page && page->isVisible());
        const quint32 window = ownWindow ? quint32(page->window()->winId()) : quint32(page->window()->winId()) + 7;
        FNativeEngineInfoHelper::setEngineExistsForTest(engine);
        const int before = FNativeEngineInfoHelper::activationCount();
        QByteArray event = xcbEvent(quint8(type), window);
        long result = 0;
        QVERIFY(!mgr->nativeEventFilter("xcb_generic_event_t", event.data(), &result));
        QCOMPARE(FNativeEngineInfoHelper::activationCount() - before, activates ? 1 : 0);
        FNativeEngineInfoHelper::setEngineExistsForTest(false);
    }

    void cleanupTestCase() { KorvanePageMgr::instance()->releasePages(); }
};

QTEST_MAIN(TestKorvanePageMgr)
#include "tst_korvanepagemgr.moc"
