// The question offered when a medium's size or rate differs from the project's.
#include "FMatchProjectConfirmDlgPanel.h"
#include "FMatchProjectDialog.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

namespace {

KvProjectSettings settings(int width, int height, double rate)
{
    KvProjectSettings s;
    s.width = width;
    s.height = height;
    s.frameRate = rate;
    return s;
}

} // namespace

class TestFMatchProjectDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QGuiApplication::setApplicationDisplayName(QStringLiteral("Korvane")); }

    void sizeAndRateTexts_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<double>("rate");
        QTest::addColumn<QString>("media");
        QTest::addColumn<QString>("project");

        QTest::newRow("whole rate") << 1920 << 1080 << 30.0 << "1920 x 1080 30fps" << "1920 x 1080 30fps";
        QTest::newRow("NTSC") << 1280 << 720 << 29.97 << "1280 x 720 29.97fps" << "1280 x 720 29.97fps";
        QTest::newRow("NTSC as decoded") << 1280 << 720 << 30000.0 / 1001 << "1280 x 720 29.97fps"
                                         << "1280 x 720 29.97fps";
        QTest::newRow("film: the project keeps hundredths")
            << 3840 << 2160 << 23.976 << "3840 x 2160 23.976fps" << "3840 x 2160 23.98fps";
        QTest::newRow("double NTSC") << 1080 << 1920 << 59.94 << "1080 x 1920 59.94fps" << "1080 x 1920 59.94fps";
        QTest::newRow("six significant digits") << 640 << 480 << 119.880119 << "640 x 480 119.88fps"
                                                << "640 x 480 119.88fps";
        QTest::newRow("beyond hundredths") << 640 << 480 << 47.9521 << "640 x 480 47.9521fps" << "640 x 480 47.95fps";
        QTest::newRow("project rounds half up") << 720 << 720 << 12.125 << "720 x 720 12.125fps"
                                                << "720 x 720 12.13fps";
    }
    void sizeAndRateTexts()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(double, rate);
        QFETCH(QString, media);
        QFETCH(QString, project);
        QCOMPARE(FMatchProjectConfirmDlgPanel::mediaText(settings(width, height, rate)), media);
        QCOMPARE(FMatchProjectConfirmDlgPanel::projectText(settings(width, height, rate)), project);
    }

    void texts()
    {
        FMatchProjectDialog dialog(settings(1080, 1920, 23.976), settings(1920, 1080, 23.976));
        QCOMPARE(dialog.title(), QStringLiteral("Korvane"));
        QVERIFY(!dialog.hasButtonBar());
        FMatchProjectConfirmDlgPanel *panel = dialog.panel();
        QCOMPARE(panel->findChild<QLabel *>("FMatchProjectConfirmDlgPanel_Text")->text(),
                 QStringLiteral("The resolution or frame rate of the media does not match the current project "
                                "settings. Do you want to change your project settings to match?"));
        QCOMPARE(panel->stopAskingBox()->text(), QStringLiteral("Stop asking for now."));
        QCOMPARE(panel->matchButton()->text(), QStringLiteral("Match To Media\n1080 x 1920 23.976fps"));
        QCOMPARE(panel->keepButton()->text(), QStringLiteral("Keep Project Settings\n1920 x 1080 23.98fps"));
    }

    void choices_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("matched");

        QTest::newRow("Match To Media") << "match" << 1 << 1;
        QTest::newRow("Enter, focus on the check box") << "enter on box" << 1 << 1;
        QTest::newRow("Enter, focus on Keep presses Keep") << "enter on keep" << 0 << 0;
        QTest::newRow("Keep Project Settings") << "keep" << 0 << 0;
        QTest::newRow("close button") << "close" << 0 << 0;
        QTest::newRow("Escape") << "escape" << 0 << 0;
    }
    void choices()
    {
        QFETCH(QString, how);
        QFETCH(int, result);
        QFETCH(int, matched);
        FMatchProjectDialog dialog(settings(1080, 1920, 25), settings(1920, 1080, 30));
        FMatchProjectConfirmDlgPanel *panel = dialog.panel();
        QSignalSpy match(&dialog, &FMatchProjectDialog::s_match);
        QSignalSpy panelMatch(panel, &FMatchProjectConfirmDlgPanel::s_match);
        QTimer::singleShot(0, &dialog, [&] {
            if (how == "match") {
                panel->matchButton()->click();
            } else if (how == "keep") {
                panel->keepButton()->click();
            } else if (how == "close") {
                dialog.closeButton()->click();
            } else if (how == "escape") {
                QTest::keyClick(&dialog, Qt::Key_Escape);
            } else {
                QWidget *focus = how == "enter on box" ? static_cast<QWidget *>(panel->stopAskingBox())
                                                       : panel->keepButton();
                focus->setFocus();
                QTest::keyClick(focus, Qt::Key_Return);
            }
        });
        QCOMPARE(dialog.DoModal(), result);
        QCOMPARE(match.size(), matched);
        QCOMPARE(panelMatch.size(), matched);
    }
};

QTEST_MAIN(TestFMatchProjectDialog)
#include "tst_fmatchprojectdialog.moc"
