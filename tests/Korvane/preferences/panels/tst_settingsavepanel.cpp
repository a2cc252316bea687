#include "FSettingSavePanel.h"
#include "KvAppSettings.h"
#include "KvAppTemporary.h"
#include "KvCustomProductInfo.h"
#include "KvFileDialog.h"
#include "KvOpenFileLineEdit.h"
#include "KvSettingsMessageId.h"
#include "KvTestLog.h"
#include "RecordingScene.h"

#include <QtTest>
#include <QtWidgets>

namespace {

KvSaveSettings &save()
{
    return KvAppSettings::GetInstance()->GetSettings().GetSaveSettings();
}

const QString kBackup = QStringLiteral("/tmp/kv-save-panel/Backup");
const QString kProjects = QStringLiteral("/tmp/kv-save-panel/Projects");
const QString kRemembered = QStringLiteral("/tmp/kv-save-panel/last-saved-here");

} // namespace

// What the Save page stores and announces on OK, and its folder choosers.
class tst_SettingSavePanel : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        save().Reset();
        save().SetBackupProjectFile(kBackup);
        save().SetDefaultProjectSaveFolder(kProjects);
        KvAppTemporary::SetUserCurrentProjectDir(kRemembered);
        m_scene.clear();
        m_asked.clear();
        m_panel = std::make_unique<FSettingSavePanel>();
        m_panel->setScene(&m_scene);
        m_panel->Load();
    }
    void cleanup()
    {
        KvFileDialog::setDirectoryAnswerer({});
        m_panel.reset();
    }

    void okMessages_data()
    {
        QTest::addColumn<bool>("toggleBackup");
        QTest::addColumn<QString>("interval");
        QTest::addColumn<QString>("backupFolder");
        QTest::addColumn<QList<int>>("codes");
        QTest::addColumn<QString>("storedFolder");
        const int on = KvSettingsMsg::AutoBackupSwitch;
        const int every = KvSettingsMsg::AutoBackupInterval;
        const int where = KvSettingsMsg::AutoBackupFolder;
        QTest::newRow("nothing changed") << false << "5" << QString() << QList<int>() << kBackup;
        QTest::newRow("backup switched off") << true << "5" << QString() << QList<int>{on} << kBackup;
        QTest::newRow("interval") << false << "20" << QString() << QList<int>{every} << kBackup;
        QTest::newRow("backup folder in other letter case")
            << false << "5" << kBackup.toUpper() << QList<int>() << kBackup;
        QTest::newRow("backup folder") << false << "5" << "/tmp/elsewhere" << QList<int>{where} << "/tmp/elsewhere";
        QTest::newRow("all three, in order")
            << true << "1" << "/tmp/elsewhere" << QList<int>{on, every, where} << "/tmp/elsewhere";
    }
    void okMessages()
    {
        QFETCH(bool, toggleBackup);
        QFETCH(QString, interval);
        QFETCH(QString, backupFolder);
        if (toggleBackup)
            m_panel->autoBackupBox()->toggle();
        m_panel->backupIntervalBox()->setCurrentText(interval);
        if (!backupFolder.isEmpty())
            browseAnswering(m_panel->backupFolderBrowseButton(), backupFolder);
        m_panel->Ok();
        QTEST(m_scene.codes(), "codes");
        QTEST(save().GetBackupProjectFile(), "storedFolder");
        QCOMPARE(save().GetAutoBackupProject(), !toggleBackup);
        QCOMPARE(save().GetAutoBackupProjectTime(), interval.toInt());
        // The interval only means something while backup is on.
        QCOMPARE(m_panel->backupIntervalBox()->isEnabled(), !toggleBackup);
    }

    // An interval the list does not offer shows the first item, and OK
    // stores that.
    void intervalNotInList()
    {
        save().SetAutoBackupProjectTime(15);
        m_panel->Load();
        QCOMPARE(m_panel->backupIntervalBox()->currentText(), QStringLiteral("1"));
        m_panel->Ok();
        QCOMPARE(save().GetAutoBackupProjectTime(), 1);
        QCOMPARE(m_scene.codes(), QList<int>{KvSettingsMsg::AutoBackupInterval});
    }

    void defaultProjectFolder_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("remembered");
        QTest::newRow("same folder chosen again") << kProjects << kProjects << kRemembered;
        QTest::newRow("chooser cancelled") << QString() << kProjects << kRemembered;
        QTest::newRow("new folder") << "/tmp/new-projects" << "/tmp/new-projects" << QString();
        QTest::newRow("other letter case is another folder") << kProjects.toUpper() << kProjects.toUpper() << QString();
    }
    void defaultProjectFolder()
    {
        QFETCH(QString, answer);
        browseAnswering(m_panel->projectFolderBrowseButton(), answer);
        QCOMPARE(m_asked, QStringList({KvCustomProductInfo::FGetProductName(), kProjects}));
        m_panel->Ok();
        QTEST(save().GetDefaultProjectSaveFolder(), "stored");
        QTEST(KvAppTemporary::GetUserCurrentProjectDir(), "remembered");
        QVERIFY(m_scene.codes().isEmpty());
        QCOMPARE(m_panel->projectFolderField()->lineEdit()->toolTip(), save().GetDefaultProjectSaveFolder());
    }

    void okWithoutChangesLogsNoError()
    {
        KvTestLog log;
        m_panel->Ok();
        QVERIFY2(log.errors().isEmpty(), qPrintable(log.errors().join('\n')));
        QCOMPARE(save().GetMaximumBackupVersion(), 10);
    }

private:
    void browseAnswering(QPushButton *button, const QString &answer)
    {
        KvFileDialog::setDirectoryAnswerer([this, answer](const QString &title, const QString &start) {
            m_asked = QStringList{title, start};
            return answer;
        });
        button->click();
    }

    RecordingScene m_scene;
    std::unique_ptr<FSettingSavePanel> m_panel;
    QStringList m_asked;
};

QTEST_MAIN(tst_SettingSavePanel)
#include "tst_settingsavepanel.moc"
