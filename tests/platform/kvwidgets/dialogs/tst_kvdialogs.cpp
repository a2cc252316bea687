#include "FMessageDialog.h"
#include "KvFramelessDialog.h"
#include "KvProgressDialog.h"
#include "KvTabFramelessDialog.h"
#include "KvTestLog.h"

#include <QtTest>
#include <QtWidgets>

#include <functional>

namespace {

// Runs `step` on the dialog once the modal loop has started.
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

} // namespace

class tst_KvDialogs : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        KvFramelessDialog::setAnswerer({});
        FMessageDialog::setAnswerer({});
    }

    void framelessDialogResults_data();
    void framelessDialogResults();
    void framelessDialogAnswerer();
    void framelessDialogLayout();
    void framelessDialogDragsWithoutWindowManager();
    void tabDialog();
    void messageDialogKinds_data();
    void messageDialogKinds();
    void messageDialogCheckBoxAfterExec();
    void messageDialogFrameless_data();
    void messageDialogFrameless();
    void messageDialogLongText_data();
    void messageDialogLongText();
    void progressDialog_data();
    void progressDialog();
};

void tst_KvDialogs::framelessDialogResults_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("closeSignals");

    QTest::newRow("first button") << "button:7" << 7 << 0;
    QTest::newRow("second button") << "button:9" << 9 << 0;
    QTest::newRow("button numbered 0") << "button:0" << 0 << 0;
    QTest::newRow("close button") << "close" << int(KvFramelessDialog::Closed) << 1;
    QTest::newRow("escape") << "escape" << int(KvFramelessDialog::Closed) << 0;
}

void tst_KvDialogs::framelessDialogResults()
{
    QFETCH(QString, action);
    QFETCH(int, expected);
    QFETCH(int, closeSignals);

    KvFramelessDialog dialog;
    dialog.setTitle(QStringLiteral("Title"));
    dialog.addButton(QStringLiteral("Seven"), 7, true);
    dialog.addButton(QStringLiteral("Nine"), 9);
    dialog.addButton(QStringLiteral("Zero"), 0);
    QSignalSpy closed(&dialog, &KvFramelessDialog::sigCloseClicked);
    whenShown(&dialog, [&] {
        if (action.startsWith(QLatin1String("button:")))
            dialog.button(action.mid(7).toInt())->click();
        else if (action == QLatin1String("close"))
            dialog.closeButton()->click();
        else
            QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    QCOMPARE(dialog.DoModal(), expected);
    QCOMPARE(closed.count(), closeSignals);
    QVERIFY(!dialog.isVisible());
}

void tst_KvDialogs::framelessDialogAnswerer()
{
    QStringList seen;
    KvFramelessDialog::setAnswerer([&seen](KvFramelessDialog &dialog) {
        seen = dialog.buttonTexts();
        return 2;
    });
    KvFramelessDialog dialog;
    dialog.addButton(QStringLiteral("A"), 1);
    dialog.addButton(QStringLiteral("B"), 2);
    QCOMPARE(dialog.DoModal(), 2);
    QCOMPARE(dialog.result(), 2);
    QCOMPARE(seen, QStringList({"A", "B"}));
    QVERIFY(!dialog.isVisible());
}

void tst_KvDialogs::framelessDialogLayout()
{
    KvFramelessDialog dialog(nullptr, KvFramelessDialog::WideWidth);
    dialog.setTitle(QStringLiteral("Manage"));
    QCOMPARE(dialog.width(), int(KvFramelessDialog::WideWidth));
    QVERIFY(!dialog.hasButtonBar());
    QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(dialog.closeButton()->accessibleName(), QStringLiteral("Close"));
    QPushButton *ok = dialog.addButton(QStringLiteral("OK"), 1);
    QVERIFY(dialog.hasButtonBar());
    QCOMPARE(ok->accessibleName(), QStringLiteral("OK"));
    QCOMPARE(dialog.button(2), nullptr);

    // Replacing the content keeps title and buttons around it.
    QPointer<QWidget> old = dialog.contentWidget();
    auto *content = new QLabel(QStringLiteral("content"));
    dialog.setContentWidget(content);
    QVERIFY(old.isNull());
    QCOMPARE(dialog.contentWidget(), content);
    QVERIFY(dialog.isAncestorOf(content));
    dialog.setWidthClass(KvFramelessDialog::NarrowWidth);
    QCOMPARE(dialog.width(), int(KvFramelessDialog::NarrowWidth));
}

void tst_KvDialogs::framelessDialogDragsWithoutWindowManager()
{
    // The offscreen platform cannot move windows itself, like a bare X server.
    KvFramelessDialog dialog;
    dialog.setTitle(QStringLiteral("Drag me"));
    dialog.move(100, 100);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QWidget *titleBar = dialog.findChild<QWidget *>(QStringLiteral("KvFramelessDialog_TitleBar"));
    QVERIFY(titleBar);
    const QPoint start = dialog.pos();
    const QPoint grip(60, 10);
    QMouseEvent press(QEvent::MouseButtonPress, grip, titleBar->mapToGlobal(grip), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(titleBar, &press);
    const QPoint to = grip + QPoint(40, 25);
    QMouseEvent move(QEvent::MouseMove, to, titleBar->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(titleBar, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, to, titleBar->mapToGlobal(to), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(titleBar, &release);
    QCOMPARE(dialog.pos(), start + QPoint(40, 25));
}

void tst_KvDialogs::tabDialog()
{
    KvTestLog log;
    KvTabFramelessDialog dialog;
    QSignalSpy changed(&dialog, &KvTabFramelessDialog::sigCurrentTabChanged);
    QCOMPARE(dialog.addTab(new QWidget, QStringLiteral("General")), 0);
    QCOMPARE(dialog.addTab(new QWidget, QStringLiteral("Folders")), 1);
    QCOMPARE(dialog.tabCount(), 2);
    QCOMPARE(dialog.tabPage(1)->accessibleName(), QStringLiteral("Folders"));
    dialog.setCurrentTab(1);
    QCOMPARE(dialog.currentTab(), 1);
    QCOMPARE(changed.last().first().toInt(), 1);
    dialog.setCurrentTab(5);
    dialog.setCurrentTab(-1);
    QCOMPARE(dialog.currentTab(), 1);
    QVERIFY(log.hasError("has no tab 5"));
}

void tst_KvDialogs::messageDialogKinds_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<int>("expected");

    QTest::newRow("information") << "information" << "OK" << QStringList{"OK"} << int(FMessageDialog::Ok);
    QTest::newRow("question yes") << "question" << "Yes" << QStringList{"Yes", "No"} << int(FMessageDialog::Yes);
    QTest::newRow("question no") << "question" << "No" << QStringList{"Yes", "No"} << int(FMessageDialog::No);
    QTest::newRow("question own texts") << "question:Update:Continue" << "Update" << QStringList{"Update", "Continue"}
                                        << int(FMessageDialog::Yes);
    QTest::newRow("question dismissed") << "question" << "" << QStringList{"Yes", "No"} << int(FMessageDialog::Closed);
    QTest::newRow("alert") << "alert" << "OK" << QStringList{"OK"} << int(FMessageDialog::Ok);
}

void tst_KvDialogs::messageDialogKinds()
{
    QFETCH(QString, kind);
    QFETCH(QString, clicked);
    QFETCH(QStringList, buttons);
    QFETCH(int, expected);

    QStringList seen;
    QString name;
    FMessageDialog::setAnswerer([&](FMessageDialog &dialog) {
        seen = dialog.buttonTexts();
        name = dialog.objectName();
        for (const QString &text : dialog.buttonTexts()) {
            if (text == clicked) {
                for (int result : {1, 2, 3, 4}) {
                    if (dialog.button(result) && dialog.button(result)->text() == text)
                        return result;
                }
            }
        }
        return int(FMessageDialog::Closed);
    });
    int result = -1;
    const QStringList parts = kind.split(QLatin1Char(':'));
    if (parts[0] == QLatin1String("information"))
        result = FMessageDialog::information(nullptr, "T", "text", "Msg_Info");
    else if (parts[0] == QLatin1String("alert"))
        result = FMessageDialog::alert(nullptr, "T", "text", "Msg_Info");
    else
        result = FMessageDialog::question(nullptr, "T", "text", "Msg_Info", parts.value(1), parts.value(2));
    QCOMPARE(result, expected);
    QCOMPARE(seen, buttons);
    QCOMPARE(name, QStringLiteral("Msg_Info"));
}

void tst_KvDialogs::messageDialogCheckBoxAfterExec()
{
    FMessageDialog dialog;
    dialog.setText(QStringLiteral("Use the backup?"));
    dialog.setCheckBoxText(QStringLiteral("Always ask"));
    dialog.addButton(QStringLiteral("Open"), 2);
    dialog.addButton(QStringLiteral("Cancel"), 0);
    QCheckBox *box = dialog.findChild<QCheckBox *>(QStringLiteral("FMessageDialog_CheckBox"));
    QVERIFY(box);
    QCOMPARE(box->accessibleName(), QStringLiteral("Always ask"));
    whenShown(&dialog, [&] {
        QVERIFY(box->isVisible());
        box->click();
        dialog.button(2)->click();
    });
    QCOMPARE(dialog.DoModal(), 2);
    QVERIFY(dialog.isChecked());
}

// A message wears the editor's own title bar, so it can be moved and closed
// where no window manager draws one; Escape and the close button both give
// Closed, and Enter takes the first button.
void tst_KvDialogs::messageDialogFrameless_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("expected");

    QTest::newRow("close button") << "close" << int(FMessageDialog::Closed);
    QTest::newRow("escape") << "escape" << int(FMessageDialog::Closed);
    QTest::newRow("enter") << "enter" << int(FMessageDialog::Yes);
    QTest::newRow("second button") << "no" << int(FMessageDialog::No);
}

void tst_KvDialogs::messageDialogFrameless()
{
    QFETCH(QString, action);
    QFETCH(int, expected);

    FMessageDialog dialog;
    QCOMPARE(dialog.title(), QGuiApplication::applicationDisplayName());
    QVERIFY(!dialog.title().isEmpty());
    dialog.setTitle(QStringLiteral("Korvane"));
    dialog.setText(QStringLiteral("Save the project?"));
    dialog.addButton(QStringLiteral("Yes"), FMessageDialog::Yes);
    dialog.addButton(QStringLiteral("No"), FMessageDialog::No);
    QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(dialog.title(), QStringLiteral("Korvane"));
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("KvFramelessDialog_Title"))->text(), QStringLiteral("Korvane"));
    QVERIFY(dialog.button(FMessageDialog::Yes)->isDefault());
    QCOMPARE(dialog.button(FMessageDialog::Yes)->objectName(), QStringLiteral("FMessageDialog_Button3"));
    whenShown(&dialog, [&] {
        QVERIFY(dialog.closeButton()->isVisible());
        if (action == QLatin1String("close"))
            dialog.closeButton()->click();
        else if (action == QLatin1String("escape"))
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else if (action == QLatin1String("enter"))
            QTest::keyClick(&dialog, Qt::Key_Return);
        else
            dialog.button(FMessageDialog::No)->click();
    });
    QCOMPARE(dialog.DoModal(), expected);
}

// Paths and addresses in a message wrap inside the dialog instead of being
// cut off, and text() keeps what the caller gave.
void tst_KvDialogs::messageDialogLongText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("widthClass");

    QTest::newRow("short") << "The project was saved." << int(KvFramelessDialog::NarrowWidth);
    QTest::newRow("long path") << "Cannot open /home/user/Videos/Korvane Projects/2026/summer_holiday_final_cut_v3.kvproj"
                               << int(KvFramelessDialog::StandardWidth);
    QTest::newRow("one unbroken run") << QString(300, QLatin1Char('x')) << int(KvFramelessDialog::StandardWidth);
    QTest::newRow("many words") << QString("word ").repeated(80).trimmed() << int(KvFramelessDialog::StandardWidth);
    QTest::newRow("empty") << QString() << int(KvFramelessDialog::NarrowWidth);
}

void tst_KvDialogs::messageDialogLongText()
{
    QFETCH(QString, text);
    QFETCH(int, widthClass);

    FMessageDialog dialog;
    dialog.setTitle(QStringLiteral("Korvane"));
    dialog.setText(text);
    QCOMPARE(dialog.text(), text);
    QCOMPARE(int(dialog.widthClass()), widthClass);
    auto *label = dialog.findChild<QLabel *>(QStringLiteral("FMessageDialog_Text"));
    QCOMPARE(label->accessibleName(), text);
    QCOMPARE(label->text().remove(QChar(0x200B)), text);
    dialog.addButton(QStringLiteral("OK"), FMessageDialog::Ok);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.width(), widthClass);
    // Every line of the text fits the label.
    QVERIFY2(label->width() < dialog.width(), qPrintable(QString::number(label->width())));
    QVERIFY(label->height() >= label->heightForWidth(label->width()));
    QTextLayout layout(label->text(), label->font());
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(label->width());
        QVERIFY2(line.naturalTextWidth() <= label->width(), "a line is wider than the label");
    }
    layout.endLayout();
}

void tst_KvDialogs::progressDialog_data()
{
    QTest::addColumn<bool>("cancelable");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("canceled");

    QTest::newRow("finished") << false << "finish" << int(KvProgressDialog::Finished) << 0;
    // Without a cancel button neither Escape nor the close button stops the job.
    QTest::newRow("escape ignored") << false << "escape,finish" << int(KvProgressDialog::Finished) << 0;
    QTest::newRow("close ignored") << false << "close,finish" << int(KvProgressDialog::Finished) << 0;
    QTest::newRow("cancel button") << true << "cancel" << int(KvProgressDialog::Canceled) << 1;
    QTest::newRow("close when cancelable") << true << "close" << int(KvProgressDialog::Canceled) << 1;
    QTest::newRow("escape when cancelable") << true << "escape" << int(KvProgressDialog::Canceled) << 1;
}

void tst_KvDialogs::progressDialog()
{
    QFETCH(bool, cancelable);
    QFETCH(QString, action);
    QFETCH(int, expected);
    QFETCH(int, canceled);

    KvProgressDialog dialog;
    dialog.setTitle(QStringLiteral("Korvane"));
    dialog.setProgressTitle(QStringLiteral("Detecting, please wait."));
    dialog.setRange(0, 100);
    dialog.setProgress(150);
    QCOMPARE(dialog.progress(), 100);
    dialog.setProgress(-3);
    QCOMPARE(dialog.progress(), 0);
    dialog.setProgressText(QStringLiteral("0%"));
    dialog.setCancelable(cancelable);
    QCOMPARE(dialog.closeButton()->isVisibleTo(&dialog), cancelable);
    QSignalSpy spy(&dialog, &KvProgressDialog::sigCanceled);
    whenShown(&dialog, [&] {
        for (const QString &step : action.split(QLatin1Char(','))) {
            if (step == QLatin1String("finish"))
                dialog.finish();
            else if (step == QLatin1String("escape"))
                QTest::keyClick(&dialog, Qt::Key_Escape);
            else if (step == QLatin1String("close"))
                dialog.closeButton()->click();
            else
                dialog.button(KvProgressDialog::Canceled)->click();
            if (step != QLatin1String("finish") && !cancelable)
                QVERIFY(dialog.isVisible());
        }
    });
    QCOMPARE(dialog.DoModal(), expected);
    QCOMPARE(spy.count(), canceled);
}

QTEST_MAIN(tst_KvDialogs)
#include "tst_kvdialogs.moc"
