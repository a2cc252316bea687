// The editor's end of the effect store link against the real store helper:
// the store is started on reopen, greets the editor, "downloads" a pack and
// the editor installs and loads it.
#include "FEffectInstallerCommunicatorHelper.h"
#include "IKvProjectManager.h"
#include "KvAppSettings.h"
#include "KvCommunicatorServer.h"
#include "KvTestLog.h"

#include <QtTest>
#include <QtWidgets>

class tst_EffectStoreRoundTrip : public QObject
{
    Q_OBJECT

private slots:
    void cleanupTestCase();
    void reopenStartsStoreAndInstallsItsDownload();
};

void tst_EffectStoreRoundTrip::cleanupTestCase()
{
    FEffectInstallerCommunicatorHelper::Release();
    KvCommunicatorServer::Release();
}

void tst_EffectStoreRoundTrip::reopenStartsStoreAndInstallsItsDownload()
{
    QTemporaryDir dir;
    const QString install = dir.filePath("packs");
    QVERIFY(QDir().mkpath(install));
    KvAppSettings::GetInstance()->GetSettings().GetFolderSettings().SetInstanllEffectPackTo(install);
    qputenv("KV_STOCKYARD_DOWNLOAD", "Light Leaks:7");
    qputenv("KV_STOCKYARD_DOWNLOAD_DIR", dir.filePath("downloads").toUtf8());
    IKvProjectManager::getInstance()->setInstalledEffects({});

    KvTestLog log;
    FEffectInstallerCommunicatorHelper::setStoreDirectory(QStringLiteral(KORVANE_BIN_DIR));
    FEffectInstallerCommunicatorHelper *helper = FEffectInstallerCommunicatorHelper::instance();
    helper->start();
    QVERIFY(!helper->isStoreRunning());
    QSignalSpy installed(helper, &FEffectInstallerCommunicatorHelper::sigPacksInstalled);
    helper->sendCommand("CMD_EFFECTSTORE_REOPEN", {"https://store.invalid/effects", "2"});

    QVERIFY(installed.wait(15000));
    QCOMPARE(installed.first().at(0).toStringList(), QStringList{QDir::cleanPath(install + "/Light Leaks")});
    QVERIFY(QFileInfo::exists(install + "/Light Leaks/Config.json"));
    QVERIFY(QFileInfo::exists(install + "/Light Leaks/lightleaks01.preset"));
    QVERIFY(QDir(dir.filePath("downloads")).isEmpty());
    QTRY_VERIFY(IKvProjectManager::getInstance()->installedEffects().contains("lightleaks02"));
    QVERIFY(helper->isStoreRunning());
    QVERIFY(log.errors().isEmpty());
}

QTEST_MAIN(tst_EffectStoreRoundTrip)
#include "tst_effectstoreroundtrip.moc"
