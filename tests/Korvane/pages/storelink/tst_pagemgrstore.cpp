// Opening the effect store from the page manager: the page address from the
// web-address service or the stock-media page, the language only for a
// store that starts now.
#include "FApplication.h"
#include "FEffectInstallerCommunicatorHelper.h"
#include "KorvanePageMgr.h"
#include "KvCommunicatorMsg.h"
#include "KvCommunicatorServer.h"
#include "KvConfig.h"
#include "KvFileLock.h"
#include "KvNetwork.h"
#include "KvTestFiles.h"
#include "KvTestLog.h"

#include <QtTest>

class tst_PageMgrStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void openStore_data();
    void openStore();

private:
    QTemporaryDir m_dir;
    QScopedPointer<KvFileLock> m_storeLock;
    QStringList m_storeTexts;
};

void tst_PageMgrStore::initTestCase()
{
    if (!KvNetwork::IsNetworkDeviceValid())
        QSKIP("the store opens only with a network device, and this machine has none");
    // This process plays a running store: its lock and its channel.
    m_storeLock.reset(new KvFileLock(FApplication::instanceLockPath(FApplication::getEffectInstallAppName())));
    KvCommunicatorServer *server = KvCommunicatorServer::GetInstance();
    QVERIFY(server->Listen(QStringLiteral("NEW_SERVER_EFFECTSTORE_COMMUNICATOR_NAME")));
    connect(server, &KvCommunicatorServer::sigReceveMsgFrom, this, [this](const QString &text) { m_storeTexts << text; });
    // A store that is not running is this script: it writes down its arguments.
    writeAll(m_dir.filePath("StockyardService.exe"), "#!/bin/sh\necho \"$@\" > \"$(dirname \"$0\")/args.txt\"\n");
    QFile::setPermissions(m_dir.filePath("StockyardService.exe"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    FEffectInstallerCommunicatorHelper::setStoreDirectory(m_dir.path());
}

void tst_PageMgrStore::cleanupTestCase()
{
    KorvanePageMgr::instance()->releasePages();
    FEffectInstallerCommunicatorHelper::Release();
    KvCommunicatorServer::Release();
}

void tst_PageMgrStore::openStore_data()
{
    QTest::addColumn<bool>("running");
    QTest::addColumn<QString>("storePage"); // empty: none configured
    QTest::addColumn<QStringList>("contents");
    QTest::addColumn<QString>("logLine");

    QTest::newRow("running, page known") << true << "https://store.example/e"
                                         << QStringList{"https://store.example/e"}
                                         << "Success=true, url=https://store.example/e";
    QTest::newRow("running, stock page instead") << true << "" << QStringList{"https://stock.example/d"}
                                                 << "Success=false, url=";
    QTest::newRow("not running: started with the language")
        << false << "https://store.example/e" << QStringList{"https://store.example/e", "1"}
        << "Success=true, url=https://store.example/e";
}

void tst_PageMgrStore::openStore()
{
    QFETCH(bool, running);
    QFETCH(QString, storePage);
    QFETCH(QStringList, contents);
    QFETCH(QString, logLine);

    const QString ini = QFileInfo(KvConfig::Instance()->storeFile()).dir().filePath("CBSUrls.ini");
    writeAll(ini, QStringLiteral("[CBSUrl]\nEffectStorePage=%1\nStockMediaDownloadPage=https://stock.example/d\n")
                      .arg(storePage)
                      .toUtf8());
    if (running)
        QVERIFY(m_storeLock->tryLock());
    else
        m_storeLock->unlock();
    m_storeTexts.clear();
    QFile::remove(m_dir.filePath("args.txt"));

    KvTestLog log;
    KorvanePageMgr::instance()->slotVendaraEffect();
    if (running) {
        QTRY_VERIFY(!m_storeTexts.isEmpty());
        QList<KvCommunicatorMsg> messages;
        for (const QString &text : qAsConst(m_storeTexts))
            messages << KvCommunicatorMsg::buildListFromString(text);
        QVERIFY(!messages.isEmpty());
        QCOMPARE(messages.last().command(), QStringLiteral("CMD_EFFECTSTORE_REOPEN"));
        QCOMPARE(messages.last().contents(), contents);
    } else {
        QTRY_VERIFY(QFileInfo::exists(m_dir.filePath("args.txt")));
        QTRY_COMPARE(QString::fromUtf8(readAll(m_dir.filePath("args.txt"))).trimmed(), contents.join(' '));
    }
    QCOMPARE(log.count("FCBSUpdater::VendaraEffectsPageUrl " + logLine), 1);
}

QTEST_MAIN(tst_PageMgrStore)
#include "tst_pagemgrstore.moc"
