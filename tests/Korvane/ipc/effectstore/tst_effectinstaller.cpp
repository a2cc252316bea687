#include "FApplication.h"
#include "FEffectInstallerCommunicatorHelper.h"
#include "FEffectPackFiles.h"
#include "FExtractPackWaitingDialog.h"
#include "FMessageDialog.h"
#include "IKvAccountService.h"
#include "IKvProjectManager.h"
#include "KvAppSettings.h"
#include "KvCommunicatorMsg.h"
#include "KvCommunicatorServer.h"
#include "KvEffectPackUtility.h"
#include "KvFileLock.h"
#include "KvTestFiles.h"
#include "KvTestLog.h"

#include <QtTest>
#include <QtWidgets>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

namespace {

using Entries = QList<QPair<QString, QByteArray>>;

void writeZip(const QString &path, const Entries &entries)
{
    QuaZip zip(path);
    QVERIFY(zip.open(QuaZip::mdCreate));
    for (const auto &entry : entries) {
        QuaZipFile file(&zip);
        QVERIFY(file.open(QIODevice::WriteOnly, QuaZipNewInfo(entry.first)));
        file.write(entry.second);
        file.close();
    }
    zip.close();
}

QByteArray packConfig(int id, const QStringList &resources)
{
    return QJsonDocument(QJsonObject{{"pack_info", QJsonObject{{"id", id}}},
                                     {"name", "Pack"},
                                     {"resources", QJsonArray::fromStringList(resources)}})
        .toJson();
}

} // namespace

class tst_EffectInstaller : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();
    void renamedPath_data();
    void renamedPath();
    void renamePacksOnDisk();
    void packId_data();
    void packId();
    void storeMessages_data();
    void storeMessages();
    void accountEvents_data();
    void accountEvents();
    void storeNotRunning();
    void installDownloadedPack_data();
    void installDownloadedPack();
    void installFolderWithoutRights();

private:
    // What the fake store received since the last call, up to the probe.
    QList<KvCommunicatorMsg> storeReceivedUntilProbe();

    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<KvFileLock> m_storeLock;
    QStringList m_storeTexts;
    QStringList m_messages;
};

void tst_EffectInstaller::initTestCase()
{
    // This process plays the store: its lock and its channel.
    m_storeLock.reset(new KvFileLock(FApplication::instanceLockPath(FApplication::getEffectInstallAppName())));
    QVERIFY(m_storeLock->tryLock());
    KvCommunicatorServer *server = KvCommunicatorServer::GetInstance();
    QVERIFY(server->Listen(QStringLiteral("NEW_SERVER_EFFECTSTORE_COMMUNICATOR_NAME")));
    connect(server, &KvCommunicatorServer::sigReceveMsgFrom, this, [this](const QString &text) { m_storeTexts << text; });
    FEffectInstallerCommunicatorHelper::instance()->start();
    QTRY_VERIFY(m_storeTexts.join("").contains("CMD_KORVANE_START"));
    QVERIFY(m_storeTexts.join("").contains("\"0\""));
    m_storeTexts.clear();
}

void tst_EffectInstaller::init()
{
    m_dir.reset(new QTemporaryDir);
    m_messages.clear();
    // What earlier tests set off (a logout reaching the store) is not this test's.
    storeReceivedUntilProbe();
    FMessageDialog::setAnswerer([this](FMessageDialog &dialog) {
        m_messages << dialog.title() + "|" + dialog.text();
        return int(FMessageDialog::Ok);
    });
}

void tst_EffectInstaller::cleanup()
{
    FMessageDialog::setAnswerer({});
    IKvAccountService::getInstance()->logout();
    m_storeTexts.clear();
}

void tst_EffectInstaller::cleanupTestCase()
{
    FEffectInstallerCommunicatorHelper::Release();
    KvCommunicatorServer::Release();
}

QList<KvCommunicatorMsg> tst_EffectInstaller::storeReceivedUntilProbe()
{
    FEffectInstallerCommunicatorHelper::instance()->sendCommand("CMD_TEST_PROBE", {});
    QList<KvCommunicatorMsg> received;
    QElapsedTimer clock;
    clock.start();
    while (!m_storeTexts.join("").contains("CMD_TEST_PROBE") && clock.elapsed() < 5000)
        QTest::qWait(5);
    for (const QString &text : m_storeTexts)
        received << KvCommunicatorMsg::buildListFromString(text);
    m_storeTexts.clear();
    if (!received.isEmpty() && received.last().command() == "CMD_TEST_PROBE")
        received.removeLast();
    return received;
}

void tst_EffectInstaller::renamedPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("renamed");
    QTest::newRow("name, separator, number") << "/d/Light Leaks ^&^ 12.zip" << "/d/Light Leaks";
    QTest::newRow("no separator") << "/d/Light Leaks.zip" << "/d/Light Leaks.zip";
    QTest::newRow("first separator counts") << "/d/A ^&^ 1 ^&^ 2" << "/d/A";
    QTest::newRow("caret without blanks is a name") << "/d/A^&^1.zip" << "/d/A^&^1.zip";
    QTest::newRow("separator in the folder only") << "/x ^&^ 1/pack.zip" << "/x ^&^ 1/pack.zip";
}

void tst_EffectInstaller::renamedPath()
{
    QFETCH(QString, path);
    QFETCH(QString, renamed);
    QCOMPARE(FEffectPackFiles::renamedPath(path), renamed);
}

void tst_EffectInstaller::renamePacksOnDisk()
{
    const QString file = m_dir->filePath("Snow ^&^ 3.zip");
    const QString folder = m_dir->filePath("Rain ^&^ 4");
    const QString plain = m_dir->filePath("Plain.zip");
    writeAll(file, "zip");
    writeAll(folder + "/Config.json", "{}");
    writeAll(plain, "zip");
    QCOMPARE(FEffectPackFiles::renamePacks({file, folder, plain}),
             (QStringList{m_dir->filePath("Snow"), m_dir->filePath("Rain"), plain}));
    QCOMPARE(readAll(m_dir->filePath("Snow")), QByteArray("zip"));
    QVERIFY(QFileInfo::exists(m_dir->filePath("Rain/Config.json")));
}

void tst_EffectInstaller::packId_data()
{
    QTest::addColumn<QByteArray>("config"); // "-" for no file
    QTest::addColumn<int>("id");
    QTest::newRow("id") << QByteArray(R"({"pack_info": {"id": 4711}})") << 4711;
    QTest::newRow("no file") << QByteArray("-") << -1;
    QTest::newRow("empty") << QByteArray("") << -1;
    QTest::newRow("not json") << QByteArray("{pack_info") << -1;
    QTest::newRow("no pack_info") << QByteArray(R"({"id": 5})") << -1;
    QTest::newRow("no id") << QByteArray(R"({"pack_info": {}})") << -1;
    QTest::newRow("id as text") << QByteArray(R"({"pack_info": {"id": "5"}})") << -1;
}

void tst_EffectInstaller::packId()
{
    QFETCH(QByteArray, config);
    QFETCH(int, id);
    if (config != "-")
        writeAll(m_dir->filePath("pack/Config.json"), config);
    QCOMPARE(FEffectPackFiles::packId(m_dir->filePath("pack")), id);
}

void tst_EffectInstaller::storeMessages_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("contents");
    QTest::addColumn<QStringList>("sentBack"); // "command:first content"
    QTest::addColumn<QString>("logLine");

    QTest::newRow("store started") << "CMD_EFFECTSTORE_START" << QStringList{"0"}
                                   << QStringList{"CMD_KORVANE_START:1"} << QString();
    QTest::newRow("store start 2 does nothing") << "CMD_EFFECTSTORE_START" << QStringList{"2"} << QStringList{}
                                                << QString();
    QTest::newRow("page load time") << "CMD_EFFECTSTORE_EFFECTPAGE_END_LOAD" << QStringList{"1234"}
                                    << QStringList{} << "GetEffectsPageLoadTime:1234";
    QTest::newRow("account from the store is not echoed")
        << "CMD_EFFECTSTORETOKORVANE_ACCOUNTINFO"
        << QStringList{R"({"userId":"ann","userName":"ann","token":"t1"})"} << QStringList{} << QString();
}

void tst_EffectInstaller::storeMessages()
{
    QFETCH(QString, command);
    QFETCH(QStringList, contents);
    QFETCH(QStringList, sentBack);
    QFETCH(QString, logLine);

    KvTestLog log;
    FEffectInstallerCommunicatorHelper::instance()->slotRecvMsg(KvCommunicatorMsg(command, contents).toText());
    QStringList got;
    for (const KvCommunicatorMsg &message : storeReceivedUntilProbe())
        got << message.command() + ":" + message.firstContent();
    QCOMPARE(got, sentBack);
    if (!logLine.isEmpty())
        QCOMPARE(log.count(logLine), 1);
    if (command.contains("ACCOUNTINFO")) {
        QVERIFY(IKvAccountService::getInstance()->isLoggedIn());
        QCOMPARE(IKvAccountService::getInstance()->currentUser().token, QStringLiteral("t1"));
    }
}

void tst_EffectInstaller::accountEvents_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("sent"); // empty: nothing
    QTest::newRow("login") << 2 << "CMD_KORVANETOEFFECTSTORE_ACCOUNTINFO";
    QTest::newRow("login failed") << 3 << QString();
    QTest::newRow("logout") << 4 << "CMD_KORVANE_LOGOUT";
    QTest::newRow("profile") << 5 << "CMD_KORVANETOEFFECTSTORE_ACCOUNTINFO";
    QTest::newRow("account information") << 18 << "CMD_KORVANETOEFFECTSTORE_ACCOUNTINFO";
    QTest::newRow("token refreshed") << 1 << QString();
}

void tst_EffectInstaller::accountEvents()
{
    QFETCH(int, kind);
    QFETCH(QString, sent);
    KvTCIDEvent event;
    event.kind = kind;
    FEffectInstallerCommunicatorHelper::instance()->onTCIDEvent(event);
    const QList<KvCommunicatorMsg> received = storeReceivedUntilProbe();
    QCOMPARE(received.size(), sent.isEmpty() ? 0 : 1);
    if (!sent.isEmpty())
        QCOMPARE(received.first().command(), sent);
}

void tst_EffectInstaller::storeNotRunning()
{
    // Without the store's lock nothing goes out; only a reopen would start it.
    m_storeLock->unlock();
    FEffectInstallerCommunicatorHelper *helper = FEffectInstallerCommunicatorHelper::instance();
    QVERIFY(!helper->isStoreRunning());
    helper->sendCommand("CMD_KORVANE_LOGOUT", {QString()});
    QVERIFY(m_storeLock->tryLock());
    QVERIFY(helper->isStoreRunning());
    QVERIFY(storeReceivedUntilProbe().isEmpty());
}

void tst_EffectInstaller::installDownloadedPack_data()
{
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<bool>("installed");
    QTest::newRow("pack") << Entries{{"Leaks/Config.json", packConfig(7, {"leak01"})}, {"Leaks/a.png", "png"}}
                          << true;
    // The entry that climbs out is refused; the pack itself still installs.
    QTest::newRow("hostile: outside the pack") << Entries{{"Leaks/Config.json", packConfig(8, {"leak01"})},
                                                          {"Leaks/../../evil.txt", "x"}, {"/tmp/abs.txt", "x"}}
                                               << true;
    QTest::newRow("not a zip") << Entries{} << false;
}

void tst_EffectInstaller::installDownloadedPack()
{
    QFETCH(Entries, entries);
    QFETCH(bool, installed);
    const QString install = m_dir->filePath("install/packs");
    QVERIFY(QDir().mkpath(install));
    KvAppSettings::GetInstance()->GetSettings().GetFolderSettings().SetInstanllEffectPackTo(install);
    const QString download = m_dir->filePath("downloads/Leaks ^&^ 7.zip");
    QDir().mkpath(m_dir->filePath("downloads"));
    if (entries.isEmpty())
        writeAll(download, "not a zip");
    else
        writeZip(download, entries);
    IKvProjectManager::getInstance()->setInstalledEffects({"other"});

    FEffectInstallerCommunicatorHelper *helper = FEffectInstallerCommunicatorHelper::instance();
    QSignalSpy done(helper, &FEffectInstallerCommunicatorHelper::sigPacksInstalled);
    helper->slotRecvMsg(KvCommunicatorMsg("CMD_EFFECTSTORE_PACKDOWNLOAD", {download}).toText());
    QVERIFY(helper->waitingDialog());
    QCOMPARE(helper->waitingDialog()->size(), QSize(400, 150));
    QCOMPARE(helper->waitingDialog()->messageLabel()->text(),
             QStringLiteral("Wait a second, refreshing the category information."));
    QVERIFY(done.wait(10000));

    QCOMPARE(QFileInfo::exists(install + "/Leaks/Config.json"), installed);
    QVERIFY(!QFileInfo::exists(m_dir->filePath("evil.txt")));
    QVERIFY(!QFileInfo::exists(m_dir->filePath("install/evil.txt")));
    QVERIFY(!QFileInfo::exists("/tmp/abs.txt"));
    // The download is gone either way, and so is its entry in the tables.
    QVERIFY(QDir(m_dir->filePath("downloads")).isEmpty());
    QVERIFY(KvEffectPackUtility::getStartInstallPackages().isEmpty());
    QCOMPARE(IKvProjectManager::getInstance()->installedEffects().contains("leak01"), installed);
    QVERIFY(!helper->waitingDialog()->isVisible());
}

void tst_EffectInstaller::installFolderWithoutRights()
{
    // A file where the install folder should be: it can be neither made nor written.
    const QString install = m_dir->filePath("notafolder");
    writeAll(install, "x");
    KvAppSettings::GetInstance()->GetSettings().GetFolderSettings().SetInstanllEffectPackTo(install);
    const QString download = m_dir->filePath("Snow ^&^ 2.zip");
    writeZip(download, {{"Snow/Config.json", packConfig(2, {"snow"})}});

    FEffectInstallerCommunicatorHelper::instance()->slotRecvMsg(
        KvCommunicatorMsg("CMD_EFFECTSTORE_PACKDOWNLOAD", {download}).toText());
    QCOMPARE(m_messages, QStringList{"Alert|The install directory " + install + " has no permission."});
    QVERIFY(!QFileInfo::exists(download));
    QVERIFY(!QFileInfo::exists(m_dir->filePath("Snow")));
}

QTEST_MAIN(tst_EffectInstaller)
#include "tst_effectinstaller.moc"
