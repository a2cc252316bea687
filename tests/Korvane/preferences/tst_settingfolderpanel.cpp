#include "FMessageDialog.h"
#include "FSettingFolderPanel.h"
#include "KvAppSettings.h"
#include "KvEffectPackUtility.h"
#include "KvOpenFileLineEdit.h"
#include "KvTestLog.h"

#include <QtTest>
#include <QtWidgets>

using Row = FSettingFolderPanel::Row;
Q_DECLARE_METATYPE(FSettingFolderPanel::Row)

namespace {

FFolderSettings &folders()
{
    return KvAppSettings::GetInstance()->GetSettings().GetFolderSettings();
}

// The stored folder of a row, read by id: the rows stand in the order of the
// group's keys, so a panel that mixes up two getters reads differently.
QString stored(Row row)
{
    return folders().value(int(row)).toString();
}

// Picks `path` in a row's field as the user would through its chooser.
void pick(FSettingFolderPanel &panel, Row row, const QString &path)
{
    KvOpenFileLineEdit::setChooserForTest([path](const QString &) { return path; });
    panel.field(row)->browseButton()->click();
    KvOpenFileLineEdit::setChooserForTest({});
}

} // namespace

class tst_SettingFolderPanel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void rows_data();
    void rows();
    void okStoresPicks();
    void downloadChangeAnnounced_data();
    void downloadChangeAnnounced();
    void cancelDropsPicks();
    void unwritablePickRefused_data();
    void unwritablePickRefused();
    void writeCheckMode();
    void effectPackPathsKept_data();
    void effectPackPathsKept();

private:
    QTemporaryDir m_dir;
    QStringList m_messages;
};

void tst_SettingFolderPanel::init()
{
    QVERIFY(m_dir.isValid());
    folders().Reset();
    m_messages.clear();
    FMessageDialog::setAnswerer([this](FMessageDialog &dialog) {
        m_messages << dialog.text();
        return int(FMessageDialog::Ok);
    });
}

void tst_SettingFolderPanel::cleanup()
{
    FMessageDialog::setAnswerer({});
    KvOpenFileLineEdit::setChooserForTest({});
}

void tst_SettingFolderPanel::rows_data()
{
    QTest::addColumn<Row>("row");
    QTest::addColumn<QString>("label");

    QTest::newRow("downloads") << FSettingFolderPanel::DownloadRow << "Downloaded files:";
    QTest::newRow("temporary") << FSettingFolderPanel::TempRow << "Temporary files:";
    QTest::newRow("recorded") << FSettingFolderPanel::CaptureRow << "Recorded files:";
    QTest::newRow("audio") << FSettingFolderPanel::RecorderVoiceRow << "Recorded Audio:";
    QTest::newRow("uploaded") << FSettingFolderPanel::YouTobeRow << "Uploaded files:";
    QTest::newRow("snapshots") << FSettingFolderPanel::SnapShotRow << "Snapshot files:";
    QTest::newRow("cloud") << FSettingFolderPanel::CloudDiskRow << "Cloud Project files:";
    QTest::newRow("other apps") << FSettingFolderPanel::ThirdPartyCloudRow << "Download from other Apps:";
    QTest::newRow("effect packs") << FSettingFolderPanel::EffectPackRow << "Effect packs:";
}

// Each row shows its own stored folder (a mix-up of two getters shows here)
// and can be reached by assistive tools.
void tst_SettingFolderPanel::rows()
{
    QFETCH(Row, row);
    QFETCH(QString, label);

    FSettingFolderPanel panel;
    panel.Load();
    QCOMPARE(panel.label(row)->text(), label);
    QCOMPARE(panel.field(row)->path(), stored(row));
    QCOMPARE(panel.field(row)->lineEdit()->toolTip(), stored(row));
    QVERIFY(panel.field(row)->lineEdit()->isReadOnly());
    QCOMPARE(panel.field(row)->lineEdit()->size(), QSize(230, 24));
    QVERIFY(!panel.field(row)->lineEdit()->accessibleName().isEmpty());
    QCOMPARE(panel.field(row)->browseButton()->accessibleName(), QStringLiteral("Browse: ") + label.chopped(1));
    QVERIFY(!panel.field(row)->isHidden());
}

void tst_SettingFolderPanel::okStoresPicks()
{
    FSettingFolderPanel panel;
    panel.Load();
    QHash<int, QString> picked;
    for (int row = 0; row < FSettingFolderPanel::RowCount; ++row) {
        const QString path = m_dir.filePath(QStringLiteral("row%1").arg(row));
        QVERIFY(QDir().mkpath(path));
        pick(panel, Row(row), path);
        picked[row] = path;
        // Shown, not stored yet.
        QCOMPARE(panel.field(Row(row))->path(), path);
        QVERIFY(stored(Row(row)) != path);
    }
    panel.Ok();
    for (int row = 0; row < FSettingFolderPanel::RowCount; ++row)
        QCOMPARE(stored(Row(row)), picked[row]);
    QVERIFY(m_messages.isEmpty());
}

void tst_SettingFolderPanel::downloadChangeAnnounced_data()
{
    QTest::addColumn<bool>("pickNew");
    QTest::newRow("picked another") << true;
    QTest::newRow("left as it was") << false;
}

void tst_SettingFolderPanel::downloadChangeAnnounced()
{
    QFETCH(bool, pickNew);
    FSettingFolderPanel panel;
    panel.Load();
    QSignalSpy changed(&panel, &FSettingFolderPanel::sigDownloadFolderChanged);
    if (pickNew)
        pick(panel, FSettingFolderPanel::DownloadRow, m_dir.path());
    panel.Ok();
    QCOMPARE(changed.count(), pickNew ? 1 : 0);
    if (pickNew)
        QCOMPARE(changed.first().first().toString(), m_dir.path());
}

void tst_SettingFolderPanel::cancelDropsPicks()
{
    FSettingFolderPanel panel;
    panel.Load();
    const QString before = stored(FSettingFolderPanel::SnapShotRow);
    pick(panel, FSettingFolderPanel::SnapShotRow, m_dir.path());
    panel.Cancel();
    QCOMPARE(panel.field(FSettingFolderPanel::SnapShotRow)->path(), before);
    panel.Ok();
    QCOMPARE(stored(FSettingFolderPanel::SnapShotRow), before);
}

void tst_SettingFolderPanel::unwritablePickRefused_data()
{
    QTest::addColumn<QString>("path");
    // The tests run as root too, and root may write almost anywhere: a
    // process folder in /proc refuses everyone, and a folder below a regular
    // file can never exist.
    QTest::newRow("process folder") << "/proc/1";
    QTest::newRow("below a file") << "FILE/sub";
}

void tst_SettingFolderPanel::unwritablePickRefused()
{
    QFETCH(QString, path);
    if (path.startsWith(QLatin1String("FILE"))) {
        QFile file(m_dir.filePath(QStringLiteral("file")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        path.replace(QLatin1String("FILE"), file.fileName());
    } else if (QFileInfo(path).isWritable()) {
        QSKIP("this machine lets the test write to /proc/1");
    }
    FSettingFolderPanel panel;
    panel.Load();
    QSignalSpy effectPacks(&panel, &FSettingFolderPanel::sigEffectPacksPathChanged);
    const QString before = panel.field(FSettingFolderPanel::EffectPackRow)->path();
    pick(panel, FSettingFolderPanel::EffectPackRow, path);
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages.first().contains(path), qPrintable(m_messages.first()));
    QCOMPARE(panel.field(FSettingFolderPanel::EffectPackRow)->path(), before);
    QCOMPARE(effectPacks.count(), 0);
}

void tst_SettingFolderPanel::writeCheckMode()
{
    FSettingFolderPanel preferences(nullptr, nullptr, FSettingFolderPanel::PreferencesMode);
    FSettingFolderPanel check(nullptr, nullptr, FSettingFolderPanel::WriteCheckMode);
    for (const char *name : {"FSettingFolderPanel_FoldersTitle", "FSettingFolderPanel_EffectPacksTitle",
                             "FSettingFolderPanel_FoldersLine", "FSettingFolderPanel_EffectPacksLine",
                             "FSettingFolderPanel_Manage"}) {
        QVERIFY2(!preferences.findChild<QWidget *>(QLatin1String(name))->isHidden(), name);
        QVERIFY2(check.findChild<QWidget *>(QLatin1String(name))->isHidden(), name);
    }
}

void tst_SettingFolderPanel::effectPackPathsKept_data()
{
    // Folders (relative to the test's folder) shown one after the other:
    // stored before Load, then picked.
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<QStringList>("announced");

    QTest::newRow("stored folder on first Load") << "A" << QStringList{} << QStringList{"A"};
    QTest::newRow("new pick") << "A" << QStringList{"B"} << QStringList{"A", "B"};
    QTest::newRow("back to a listed folder") << "A" << QStringList{"B", "A"} << QStringList{"A", "B"};
    QTest::newRow("case counts") << "A" << QStringList{"a"} << QStringList{"A", "a"};
}

void tst_SettingFolderPanel::effectPackPathsKept()
{
    QFETCH(QString, stored);
    QFETCH(QStringList, picks);
    QFETCH(QStringList, announced);

    QTemporaryDir dir;
    const auto path = [&](const QString &name) { return dir.filePath(name); };
    for (const QString &name : QStringList{stored} + picks)
        QDir().mkpath(path(name));
    folders().SetInstanllEffectPackTo(path(stored));

    FSettingFolderPanel panel;
    QSignalSpy spy(&panel, &FSettingFolderPanel::sigEffectPacksPathChanged);
    panel.Load();
    panel.Load();
    for (const QString &name : picks)
        pick(panel, FSettingFolderPanel::EffectPackRow, path(name));

    QStringList expected;
    for (const QString &name : announced)
        expected << path(name);
    QStringList signalled;
    for (const QList<QVariant> &arguments : spy)
        signalled << arguments.first().toString();
    QCOMPARE(signalled, expected);
    QStringList listed = KvEffectPackUtility::getEffectPackPath();
    listed.erase(std::remove_if(listed.begin(), listed.end(),
                                [&](const QString &p) { return !p.startsWith(dir.path()); }),
                 listed.end());
    QCOMPARE(listed, expected);
}

QTEST_MAIN(tst_SettingFolderPanel)
#include "tst_settingfolderpanel.moc"
