#include "FManageEffectPacksDialog.h"
#include "FManageEffectPacksPanel.h"
#include "FMessageDialog.h"
#include "IKvProjectManager.h"
#include "KvAppSettings.h"
#include "KvEffectPackUtility.h"
#include "KvLocale.h"
#include "KvProjectData.h"
#include "KvTestFiles.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// A pack folder "<root>/<folder>" with its Config.json and `bytes` of data.
void makePack(const QString &root, const QString &folder, const QByteArray &config, int bytes)
{
    writeAll(root + "/" + folder + "/Config.json", config);
    writeAll(root + "/" + folder + "/media/data.bin", QByteArray(bytes, 'p'));
}

QByteArray packConfig(const QString &name, const QStringList &resources)
{
    return QJsonDocument(QJsonObject{{"name", QJsonObject{{"en", name}, {"de", name + " (de)"}}},
                                     {"resources", QJsonArray::fromStringList(resources)}})
        .toJson();
}

QStringList columnTexts(QTableWidget *table, int column)
{
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row)
        texts << table->item(row, column)->text();
    return texts;
}

} // namespace

class tst_ManageEffectPacks : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void sizeText_data();
    void sizeText();
    void dialog();
    void fillsFromInstalledPacks();
    void deleteSelected_data();
    void deleteSelected();

private:
    QScopedPointer<QTemporaryDir> m_dir;
    QStringList m_alerts;
};

void tst_ManageEffectPacks::init()
{
    m_dir.reset(new QTemporaryDir);
    QFile::remove(KvEffectPackUtility::getRemovePackageConfigFile());
    QFile::remove(KvEffectPackUtility::getRecordEffectPackageConfigFile());
    KvAppSettings::GetInstance()->GetSettings().GetFolderSettings().SetInstanllEffectPackTo(m_dir->filePath("packs"));
    makePack(m_dir->filePath("packs"), "Leaks", packConfig("Light Leaks", {"leak01", "leak02"}), 2048);
    makePack(m_dir->filePath("packs"), "Retro", packConfig("Retro", {"vhs"}), 4096);
    makePack(m_dir->filePath("packs"), "Snow", packConfig("Snow", {"snow"}), 0);
    m_alerts.clear();
    FMessageDialog::setAnswerer([this](FMessageDialog &dialog) {
        m_alerts << dialog.text();
        return int(FMessageDialog::Ok);
    });
}

void tst_ManageEffectPacks::cleanup()
{
    FMessageDialog::setAnswerer({});
    IKvProjectManager::getInstance()->closeProject();
}

void tst_ManageEffectPacks::sizeText_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << qint64(0) << "0 KB";
    QTest::newRow("below a kibibyte") << qint64(1023) << "0 KB";
    QTest::newRow("one kibibyte") << qint64(1024) << "1 KB";
    QTest::newRow("just below a mebibyte") << qint64(1048575) << "1023 KB";
    QTest::newRow("one mebibyte") << qint64(1048576) << "1 MB";
    QTest::newRow("rounded down") << qint64(2 * 1048576 - 1) << "1 MB";
    QTest::newRow("beyond 32 bits") << qint64(5) * 1024 * 1048576 << "5120 MB";
}

void tst_ManageEffectPacks::sizeText()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(FManageEffectPacksPanel::sizeText(bytes), text);
}

void tst_ManageEffectPacks::dialog()
{
    FManageEffectPacksDialog dialog;
    QCOMPARE(dialog.title(), QStringLiteral("Manage Effects"));
    QCOMPARE(dialog.height(), 367);
    QCOMPARE(dialog.buttonTexts(), (QStringList{"DELETE SELECTED", "CANCEL"}));
    QCOMPARE(dialog.deleteButton()->width(), 132);
    QCOMPARE(dialog.cancelButton()->width(), 104);
    QVERIFY(dialog.styleSheet().contains("{background-color:#1C232A;}"));
    QCOMPARE(dialog.panel()->hintLabel()->size(), QSize(432, 38));
    QCOMPARE(dialog.panel()->table()->size(), QSize(432, 173));

    QSignalSpy filled(dialog.panel(), &FManageEffectPacksPanel::sigFilled);
    dialog.show();
    QVERIFY(filled.wait());
    QCOMPARE(dialog.panel()->table()->rowCount(), 3);
    // Deleting happens in place; only CANCEL ends the dialog, with 0.
    dialog.panel()->table()->selectRow(2);
    dialog.deleteButton()->click();
    QVERIFY(dialog.isVisible());
    dialog.cancelButton()->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), 0);
}

void tst_ManageEffectPacks::fillsFromInstalledPacks()
{
    // A second folder used before, a folder that is no pack, a damaged pack.
    const QString older = m_dir->filePath("older");
    makePack(older, "Film", packConfig("Film Grain", {"grain"}), 1048576);
    writeAll(m_dir->filePath("packs/NotAPack/readme.txt"), "x");
    writeAll(m_dir->filePath("packs/Broken/Config.json"), "{ not json");
    KvEffectPackUtility::saveEffectPackPath(older);

    FManageEffectPacksPanel panel;
    QSignalSpy filled(&panel, &FManageEffectPacksPanel::sigFilled);
    panel.show();
    QVERIFY(filled.wait());
    QTableWidget *table = panel.table();
    QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("Name"));
    QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("File Size"));
    QCOMPARE(columnTexts(table, 0), (QStringList{"Light Leaks", "Retro", "Snow", "Film Grain"}));
    // The size counts Config.json too: 2048 bytes of data and a small file.
    QCOMPARE(columnTexts(table, 1), (QStringList{"2 KB", "4 KB", "0 KB", "1 MB"}));
    QCOMPARE(table->item(3, 0)->data(Qt::UserRole).toString(), QDir::cleanPath(older + "/Film"));
    QCOMPARE(int(table->item(0, 1)->textAlignment()), int(Qt::AlignCenter));

    // The names follow the interface language; a pack without that language
    // shows its English name.
    KvLocale::instance()->setLanguageType(KvLanguageGerman);
    QVERIFY(filled.wait());
    KvLocale::instance()->setLanguageType(KvLanguageEnglish);
    QCOMPARE(columnTexts(table, 0).mid(0, 3), (QStringList{"Light Leaks (de)", "Retro (de)", "Snow (de)"}));
    QVERIFY(filled.wait());
    QCOMPARE(columnTexts(table, 0).first(), QStringLiteral("Light Leaks"));
}

void tst_ManageEffectPacks::deleteSelected_data()
{
    QTest::addColumn<QStringList>("used");     // effects of the open project
    QTest::addColumn<QStringList>("selected"); // pack folders
    QTest::addColumn<QStringList>("gone");     // folders removed after the table was filled
    QTest::addColumn<QStringList>("rows");     // left in the table
    QTest::addColumn<QStringList>("recorded"); // in both bookkeeping files
    QTest::addColumn<int>("alerts");

    QTest::newRow("one of two in use") << QStringList{"LEAK02"} << QStringList{"Leaks", "Retro"} << QStringList{}
                                       << QStringList{"Leaks", "Snow"} << QStringList{"Retro"} << 1;
    QTest::newRow("two in use, one alert") << QStringList{"leak01", "vhs"} << QStringList{"Leaks", "Retro"}
                                           << QStringList{} << QStringList{"Leaks", "Retro", "Snow"}
                                           << QStringList{} << 1;
    QTest::newRow("folder gone: row removed, not recorded")
        << QStringList{} << QStringList{"Snow", "Retro"} << QStringList{"Snow"} << QStringList{"Leaks"}
        << QStringList{"Retro"} << 0;
    QTest::newRow("nothing selected") << QStringList{"vhs"} << QStringList{} << QStringList{}
                                      << QStringList{"Leaks", "Retro", "Snow"} << QStringList{} << 0;
}

void tst_ManageEffectPacks::deleteSelected()
{
    QFETCH(QStringList, used);
    QFETCH(QStringList, selected);
    QFETCH(QStringList, gone);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, recorded);
    QFETCH(int, alerts);

    const QString root = QDir::cleanPath(m_dir->filePath("packs"));
    IKvProjectManager *model = IKvProjectManager::getInstance();
    KvProjectData data;
    data.requiredEffects = used;
    model->createProject(data);
    model->setInstalledEffects({"leak01", "leak02", "vhs", "snow", "other"});

    FManageEffectPacksPanel panel;
    QSignalSpy filled(&panel, &FManageEffectPacksPanel::sigFilled);
    panel.show();
    QVERIFY(filled.wait());
    for (const QString &folder : gone)
        QVERIFY(QDir(root + "/" + folder).removeRecursively());
    for (int row = 0; row < panel.table()->rowCount(); ++row) {
        if (selected.contains(QFileInfo(panel.rowFolders().at(row)).fileName()))
            panel.table()->selectionModel()->select(panel.table()->model()->index(row, 0),
                                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    panel.slotDeleteSelected();

    QStringList left;
    for (const QString &folder : panel.rowFolders())
        left << QFileInfo(folder).fileName();
    QCOMPARE(left, rows);
    QCOMPARE(panel.table()->rowCount(), rows.size());
    QCOMPARE(m_alerts.size(), alerts);
    if (alerts)
        QCOMPARE(m_alerts.first(), QStringLiteral("The effect Pack can't be deleted because it is opened in Korvane."));

    QStringList folders;
    for (const QString &name : recorded)
        folders << root + "/" + name;
    QCOMPARE(KvEffectPackUtility::recordedEffectPackages(KvEffectPackUtility::getRemovePackageConfigFile()), folders);
    QCOMPARE(KvEffectPackUtility::recordedEffectPackages(KvEffectPackUtility::getRecordEffectPackageConfigFile()),
             folders);
    // A deleted pack loses its Config.json (and so is no longer installed);
    // a kept one keeps it.
    for (const QString &name : {"Leaks", "Retro", "Snow"}) {
        if (gone.contains(name))
            continue;
        const bool kept = rows.contains(name);
        QCOMPARE(QFileInfo::exists(root + "/" + name + "/Config.json"), kept);
    }
    for (const QString &name : recorded)
        QVERIFY(!model->installedEffects().contains(name == "Retro" ? "vhs" : name));
    QVERIFY(model->installedEffects().contains("other"));
}

QTEST_MAIN(tst_ManageEffectPacks)
#include "tst_manageeffectpacks.moc"
