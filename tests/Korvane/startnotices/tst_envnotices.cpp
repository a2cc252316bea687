#include "AppTestResult.h"
#include "FEnvNoticeSteps.h"
#include "FLowerRequirementDlg.h"
#include "FSafeModeDlg.h"
#include "KvAppSettings.h"
#include "KvConfig.h"
#include "KvCustomProductInfo.h"
#include "KvDesktopService.h"
#include "KvSkin.h"
#include "KvTestLog.h"

#include <QtTest>
#include <QtWidgets>

#include <functional>

namespace {

const QString kDriverPage = QStringLiteral("https://example.com/driver?x=1&y=2");
const QString kTutorialPage = QStringLiteral("https://example.com/tutorial");

// Runs `step` on the dialog once its modal loop has started.
void whenShown(QDialog *dialog, std::function<void()> step)
{
    QTimer::singleShot(0, dialog, [dialog, step] {
        if (!dialog->isVisible()) {
            whenShown(dialog, step);
            return;
        }
        step();
    });
}

FPerformanceSettings &performance()
{
    return KvAppSettings::GetInstance()->GetSettings().GetPerformanceSettings();
}

QByteArray settingsFile()
{
    QFile file(KvAppSettings::GetInstance()->filePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class tst_EnvNotices : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void safeModeDialog();
    void safeModeAnswers_data();
    void safeModeAnswers();
    void safeModeStep_data();
    void safeModeStep();
    void requirementDialog_data();
    void requirementDialog();
    void requirementQuestion_data();
    void requirementQuestion();
    void requirementInformation_data();
    void requirementInformation();

private:
    QList<QUrl> m_opened;
    QByteArray m_savedSettings;
};

void tst_EnvNotices::initTestCase()
{
    KvSkin::instance()->applyTo(qApp);
    QSettings urls(QFileInfo(KvConfig::Instance()->storeFile()).dir().filePath(QStringLiteral("CBSUrls.ini")),
                   QSettings::IniFormat);
    urls.setValue(QStringLiteral("CBSUrl/UpdateDriver"), kDriverPage);
    urls.setValue(QStringLiteral("CBSUrl/EnhancePerformancePage"), kTutorialPage);
    urls.sync();
    QCOMPARE(KvConfig::Instance()->GetCBSUrl(QStringLiteral("UpdateDriver")), kDriverPage);
}

void tst_EnvNotices::init()
{
    m_opened.clear();
    KvDesktopService::setOpenerForTest([this](const QUrl &url) {
        m_opened << url;
        return true;
    });
    performance().SetUserChangedGPUState(true);
    performance().SetAutoSelectGPU(false);
    KvConfig::Instance()->SetUpdataDriverShowed(false);
    QVERIFY(KvAppSettings::Save());
    m_savedSettings = settingsFile();
}

void tst_EnvNotices::cleanup()
{
    KvFramelessDialog::setAnswerer({});
    FMessageDialog::setAnswerer({});
    KvDesktopService::setOpenerForTest({});
}

void tst_EnvNotices::safeModeDialog()
{
    FSafeModeDlg dialog;
    QCOMPARE(dialog.size(), QSize(640, 214));
    QCOMPARE(dialog.title(), KvCustomProductInfo::FGetProductName());
    QCOMPARE(dialog.buttonTexts(), QStringList({"Exit", "Continue"}));
    QLabel *message = dialog.messageLabel();
    QCOMPARE(message->textFormat(), Qt::RichText);
    // HTML folds the blanks around the notice.
    QTextDocument document;
    document.setHtml(message->text());
    // HTML folds the blanks around the notice.
    QCOMPARE(document.toPlainText(),
             QStringLiteral("Please quit application and update your graphic driver to the latest. Update your driver\n"
                            "Or, if you choose continue, you might experiece poor performance or instability."));
    // The address survives the HTML round trip, '&' and all, and opens
    // through the desktop service only.
    QVERIFY(!message->openExternalLinks());
    QVERIFY(message->text().contains(QStringLiteral("href=\"https://example.com/driver?x=1&amp;y=2\"")));
    emit message->linkActivated(kDriverPage);
    QCOMPARE(m_opened, QList<QUrl>({QUrl(kDriverPage)}));
}

void tst_EnvNotices::safeModeAnswers_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("expected");

    QTest::newRow("Exit") << "exit" << 0;
    QTest::newRow("Continue") << "continue" << 1;
    QTest::newRow("close button counts as Exit") << "close" << 0;
    QTest::newRow("Escape counts as Exit") << "escape" << 0;
}

// Through the real modal loop, so that the title bar's close path is the one
// a user takes.
void tst_EnvNotices::safeModeAnswers()
{
    QFETCH(QString, action);
    QFETCH(int, expected);

    FSafeModeDlg dialog;
    whenShown(&dialog, [&] {
        if (action == QLatin1String("exit"))
            dialog.button(FSafeModeDlg::Exit)->click();
        else if (action == QLatin1String("continue"))
            dialog.button(FSafeModeDlg::Continue)->click();
        else if (action == QLatin1String("close"))
            dialog.closeButton()->click();
        else
            QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    QCOMPARE(dialog.DoModal(), expected);
}

void tst_EnvNotices::safeModeStep_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("exitChosen");

    QTest::newRow("Exit") << 0 << true;
    QTest::newRow("Continue") << 1 << false;
}

void tst_EnvNotices::safeModeStep()
{
    QFETCH(int, answer);
    QFETCH(bool, exitChosen);

    QString asked;
    KvFramelessDialog::setAnswerer([&](KvFramelessDialog &dialog) {
        asked = dialog.objectName();
        return answer;
    });
    AppTestResult result;
    FEnvNoticeSteps::showSafeModeStep(result);
    QCOMPARE(asked, QStringLiteral("FSafeModeDlg"));
    QVERIFY(KvConfig::Instance()->IsUpdataDriverShowed());
    QCOMPARE(result.safeModeExitChosen, exitChosen);
    // "Continue" leaves the GPU choice alone; "Exit" hands it back to the
    // automatic selection, and saves that at once.
    QCOMPARE(settingsFile() != m_savedSettings, exitChosen);
    KvAppSettings::Release();
    QCOMPARE(performance().GetUserChangedGPUState(), !exitChosen);
    QCOMPARE(performance().GetAutoSelectGPU(), exitChosen);
}

void tst_EnvNotices::requirementDialog_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QStringList>("buttons");

    QTest::newRow("question") << int(FLowerRequirementDlg::QuestionForm)
                              << QStringList({"Update Graphics Driver", "Continue"});
    QTest::newRow("information") << int(FLowerRequirementDlg::InformationForm) << QStringList({"OK"});
}

void tst_EnvNotices::requirementDialog()
{
    QFETCH(int, form);
    QFETCH(QStringList, buttons);

    FLowerRequirementDlg dialog{FLowerRequirementDlg::Form(form)};
    QCOMPARE(dialog.text(), QStringLiteral("Your hardware is below our requirement, you can keep using the program "
                                           "but it may have a chance to freeze or lagged when you edit."));
    QCOMPARE(dialog.buttonTexts(), buttons);
    const bool information = form == FLowerRequirementDlg::InformationForm;
    QCOMPARE(dialog.checkBoxText(), information ? QStringLiteral("Always Ask") : QString());
    QCOMPARE(dialog.isChecked(), information);

    const QStringList labels = {"Processor", "RAM", "Graphics", "", "", ""};
    const QStringList texts = {" : Intel i3 or better multicore processor, 2GHz or above.",
                               " : 4 GB RAM (8GB required for HD and 4K videos).",
                               " : Intel HD Graphics 5000 or later;",
                               "   NVIDIA GeForce GTX 700 or later;",
                               "   AMD Radeon R5 or later.",
                               "   2 GB vRAM (4GB required for HD and 4K videos)."};
    for (int row = 0; row < 6; ++row) {
        QCOMPARE(dialog.tableLabel(row, 0)->text(), labels[row]);
        QCOMPARE(dialog.tableLabel(row, 1)->text(), texts[row]);
    }
    QCOMPARE(dialog.tutorialLabel()->text(),
             QStringLiteral("Follow the <a style=\"color:#61DED0;\" href=\"%1\">Tutorial</a> "
                            "to enhance your preference.")
                 .arg(kTutorialPage));
    emit dialog.tutorialLabel()->linkActivated(kTutorialPage);
    QCOMPARE(m_opened, QList<QUrl>({QUrl(kTutorialPage)}));
}

void tst_EnvNotices::requirementQuestion_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("opensDriverPage");

    QTest::newRow("Update Graphics Driver") << int(FMessageDialog::Yes) << true;
    QTest::newRow("Continue") << int(FMessageDialog::No) << false;
    QTest::newRow("closed") << int(FMessageDialog::Closed) << false;
}

void tst_EnvNotices::requirementQuestion()
{
    QFETCH(int, answer);
    QFETCH(bool, opensDriverPage);

    QStringList buttons;
    FMessageDialog::setAnswerer([&](FMessageDialog &dialog) {
        buttons = dialog.buttonTexts();
        return answer;
    });
    FEnvNoticeSteps::showRequirementQuestion();
    QCOMPARE(buttons, QStringList({"Update Graphics Driver", "Continue"}));
    QCOMPARE(m_opened, opensDriverPage ? QList<QUrl>({QUrl(kDriverPage)}) : QList<QUrl>());
    QVERIFY(settingsFile() != m_savedSettings);
    KvAppSettings::Release();
    QVERIFY(!performance().GetUserChangedGPUState());
    QVERIFY(performance().GetAutoSelectGPU());
}

void tst_EnvNotices::requirementInformation_data()
{
    QTest::addColumn<bool>("uncheck");
    QTest::addColumn<bool>("writableDir");
    QTest::addColumn<bool>("marker");

    QTest::newRow("Always Ask left checked") << false << true << false;
    QTest::newRow("Always Ask unchecked") << true << true << true;
    QTest::newRow("unchecked, directory cannot be written") << true << false << false;
}

void tst_EnvNotices::requirementInformation()
{
    QFETCH(bool, uncheck);
    QFETCH(bool, writableDir);
    QFETCH(bool, marker);

    QTemporaryDir dir;
    // Below a regular file nothing can be created, whoever runs the test.
    QString appDir = dir.path();
    if (!writableDir) {
        QFile file(dir.filePath(QStringLiteral("file")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        appDir = file.fileName() + QStringLiteral("/app");
    }
    bool shownChecked = false;
    FMessageDialog::setAnswerer([&](FMessageDialog &dialog) -> int {
        shownChecked = dialog.isChecked();
        if (uncheck)
            dialog.setChecked(false);
        return int(FMessageDialog::Ok);
    });
    KvTestLog log;
    FEnvNoticeSteps::showRequirementInformation(appDir);
    QVERIFY(shownChecked);
    QCOMPARE(QFileInfo::exists(appDir + QStringLiteral("/SysRequirementsChecked.ini")), marker);
    QVERIFY(log.errors().isEmpty());
}

QTEST_MAIN(tst_EnvNotices)
#include "tst_envnotices.moc"
