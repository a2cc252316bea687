#include "FEnvNoticeSteps.h"
#include "FPathWritableCheckDlg.h"
#include "FSettingFolderPanel.h"
#include "KvAppSettings.h"
#include "KvOpenFileLineEdit.h"
#include "KvSkin.h"
#include "KvTestLog.h"

#include <QtTest>
#include <QtWidgets>

namespace {

FFolderSettings &folders()
{
    return KvAppSettings::GetInstance()->GetSettings().GetFolderSettings();
}

QByteArray settingsFile()
{
    QFile file(KvAppSettings::GetInstance()->filePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The tests run as root here, and root may write to nearly every folder, so
// the unwritable folders are ones nobody can write: a process folder in /proc
// (it exists; the kernel refuses to create anything in it, root included),
// and a folder below a regular file (it can never be created).
class tst_PathWritableCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void listsUnwritableFolders();
    void answers_data();
    void answers();

private:
    QTemporaryDir m_dir;
    QString m_belowFile;
};

void tst_PathWritableCheck::initTestCase()
{
    KvSkin::instance()->applyTo(qApp);
    QVERIFY(m_dir.isValid());
    if (QFileInfo(QStringLiteral("/proc/1")).isWritable())
        QSKIP("this machine lets the test write to /proc/1");
    QFile file(m_dir.filePath(QStringLiteral("file")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    m_belowFile = file.fileName() + QStringLiteral("/Temp");
}

void tst_PathWritableCheck::init()
{
    FFolderSettings &f = folders();
    f.Reset();
    const QString writable = m_dir.filePath(QStringLiteral("writable"));
    QVERIFY(QDir().mkpath(writable));
    f.SetDownloadFileFolder(QStringLiteral("/proc/1"));
    f.SetTempFileFolder(m_belowFile);
    f.SetCaptureFileFolder(writable);
    f.SetRecoderVoiceFolder(writable);
    f.SetYouTobeFileFolder(writable);
    f.SetSnapShotFileFolder(writable);
    f.SetCloudDiskFileFolder(writable);
    f.SetThirdPartyCloudFileFolder(writable);
    f.SetInstanllEffectPackTo(writable);
    QVERIFY(KvAppSettings::Save());
}

void tst_PathWritableCheck::cleanup()
{
    KvFramelessDialog::setAnswerer({});
    KvOpenFileLineEdit::setChooserForTest({});
}

void tst_PathWritableCheck::listsUnwritableFolders()
{
    FPathWritableCheckDlg dialog;
    QCOMPARE(dialog.messageLabel()->text(),
             QStringLiteral("The program does not have write permission to the following directories.\n"
                            "Please select another directory to save:"));
    QCOMPARE(dialog.buttonTexts(), QStringList({"OK", "Cancel"}));
    FSettingFolderPanel *panel = dialog.panel();
    QCOMPARE(panel->mode(), FSettingFolderPanel::WriteCheckMode);
    QCOMPARE(panel->unwritableCount(), 2);
    for (int row = 0; row < FSettingFolderPanel::RowCount; ++row) {
        const bool listed = row == FSettingFolderPanel::DownloadRow || row == FSettingFolderPanel::TempRow;
        QCOMPARE(!panel->field(FSettingFolderPanel::Row(row))->isHidden(), listed);
        QCOMPARE(!panel->label(FSettingFolderPanel::Row(row))->isHidden(), listed);
    }
    QCOMPARE(panel->field(FSettingFolderPanel::TempRow)->path(), m_belowFile);
}

void tst_PathWritableCheck::answers_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("stored");

    QTest::newRow("OK") << "ok" << true;
    QTest::newRow("Cancel") << "cancel" << false;
    QTest::newRow("close button") << "close" << false;
}

// The whole start-up step: the user picks a new downloads folder, then leaves
// the dialog one way or another.
void tst_PathWritableCheck::answers()
{
    QFETCH(QString, action);
    QFETCH(bool, stored);

    const QString picked = m_dir.filePath(QStringLiteral("picked"));
    QVERIFY(QDir().mkpath(picked));
    const QByteArray before = settingsFile();
    QString asked;
    KvFramelessDialog::setAnswerer([&](KvFramelessDialog &dialog) {
        asked = dialog.objectName();
        auto &check = static_cast<FPathWritableCheckDlg &>(dialog);
        KvOpenFileLineEdit::setChooserForTest([&](const QString &) { return picked; });
        check.panel()->field(FSettingFolderPanel::DownloadRow)->browseButton()->click();
        if (action == QLatin1String("ok"))
            dialog.button(FPathWritableCheckDlg::Ok)->click();
        else if (action == QLatin1String("cancel"))
            dialog.button(FPathWritableCheckDlg::Cancel)->click();
        else
            dialog.closeButton()->click();
        return dialog.result();
    });
    KvTestLog log;
    FEnvNoticeSteps::showPathDialog();
    QCOMPARE(asked, QStringLiteral("FPathWritableCheckDlg"));
    QCOMPARE(folders().GetDownloadFileFolder(), stored ? picked : QStringLiteral("/proc/1"));
    // What OK stored is saved at once; nothing else touched the file.
    QCOMPARE(settingsFile().contains(picked.toUtf8()), stored);
    if (!stored)
        QCOMPARE(settingsFile(), before);
    // The folders left alone keep their values either way.
    QCOMPARE(folders().GetTempFileFolder(), m_belowFile);
    QVERIFY(log.errors().isEmpty());
}

QTEST_MAIN(tst_PathWritableCheck)
#include "tst_pathwritablecheck.moc"
