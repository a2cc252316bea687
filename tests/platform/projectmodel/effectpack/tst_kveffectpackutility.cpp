#include "KvAppSettings.h"
#include "KvEffectPackUtility.h"
#include "KvTestFiles.h"

#include <QtTest>

class tst_KvEffectPackUtility : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void removeMarkedPackages_data();
    void removeMarkedPackages();
    void recordingAgainUpdatesTheEntry();
    void damagedFileReadsEmpty();

private:
    QScopedPointer<QTemporaryDir> m_dir;
};

void tst_KvEffectPackUtility::init()
{
    m_dir.reset(new QTemporaryDir);
    for (const QString &file : {KvEffectPackUtility::getRemovePackageConfigFile(),
                                KvEffectPackUtility::getRecordEffectPackageConfigFile()})
        QFile::remove(file);
    KvAppSettings::GetInstance()->GetSettings().GetFolderSettings().SetInstanllEffectPackTo(m_dir->filePath("packs"));
}

void tst_KvEffectPackUtility::removeMarkedPackages_data()
{
    // Folders relative to the test folder: made before, marked, and what
    // must be gone or still there afterwards.
    QTest::addColumn<QStringList>("marked");
    QTest::addColumn<QStringList>("gone");
    QTest::addColumn<QStringList>("kept");
    QTest::addColumn<int>("removed");

    QTest::newRow("pack in the install folder") << QStringList{"packs/Leaks"} << QStringList{"packs/Leaks"}
                                                << QStringList{"packs"} << 1;
    QTest::newRow("pack in a folder used before") << QStringList{"older/Retro"} << QStringList{"older/Retro"}
                                                  << QStringList{} << 1;
    QTest::newRow("never outside a pack folder")
        << QStringList{"Documents", "packs", "packs/Leaks/media"} << QStringList{}
        << QStringList{"Documents", "packs/Leaks/media", "older/Retro"} << 0;
    QTest::newRow("already gone") << QStringList{"packs/Gone"} << QStringList{} << QStringList{} << 1;
}

void tst_KvEffectPackUtility::removeMarkedPackages()
{
    QFETCH(QStringList, marked);
    QFETCH(QStringList, gone);
    QFETCH(QStringList, kept);
    QFETCH(int, removed);

    const auto path = [&](const QString &name) { return QDir::cleanPath(m_dir->filePath(name)); };
    for (const QString &folder : {"packs/Leaks/media", "older/Retro", "Documents"})
        writeAll(path(folder) + "/file.bin", "x");
    KvEffectPackUtility::saveEffectPackPath(path("older"));
    QStringList folders;
    for (const QString &name : marked)
        folders << path(name);
    QVERIFY(KvEffectPackUtility::recordEffectPackages(KvEffectPackUtility::getRemovePackageConfigFile(), folders,
                                                      true));

    QCOMPARE(KvEffectPackUtility::removeMarkedPackages(), removed);
    for (const QString &name : gone)
        QVERIFY2(!QFileInfo::exists(path(name)), qPrintable(name));
    for (const QString &name : kept)
        QVERIFY2(QFileInfo(path(name)).isDir(), qPrintable(name));
    // Done once: nothing is left listed (refused entries are dropped too).
    QVERIFY(KvEffectPackUtility::recordedEffectPackages(KvEffectPackUtility::getRemovePackageConfigFile()).isEmpty());
    QCOMPARE(KvEffectPackUtility::removeMarkedPackages(), 0);
}

void tst_KvEffectPackUtility::recordingAgainUpdatesTheEntry()
{
    const QString file = KvEffectPackUtility::getRecordEffectPackageConfigFile();
    QVERIFY(KvEffectPackUtility::recordEffectPackages(file, {"/p/A", "/p/B"}, false));
    QVERIFY(KvEffectPackUtility::recordEffectPackages(file, {"/p/B", "/p/C"}, false));
    QCOMPARE(KvEffectPackUtility::recordedEffectPackages(file), (QStringList{"/p/A", "/p/B", "/p/C"}));
}

void tst_KvEffectPackUtility::damagedFileReadsEmpty()
{
    const QString file = KvEffectPackUtility::getRemovePackageConfigFile();
    writeAll(file, "{\"packages\": [");
    QVERIFY(KvEffectPackUtility::recordedEffectPackages(file).isEmpty());
    // And it is whole again after the next write.
    QVERIFY(KvEffectPackUtility::recordEffectPackages(file, {"/p/A"}, true));
    QCOMPARE(KvEffectPackUtility::recordedEffectPackages(file), QStringList{"/p/A"});
}

QTEST_GUILESS_MAIN(tst_KvEffectPackUtility)
#include "tst_kveffectpackutility.moc"
