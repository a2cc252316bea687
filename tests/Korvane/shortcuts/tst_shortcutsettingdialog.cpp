#include "FModuleNameItemWid.h"
#include "FNothingFindWid.h"
#include "FShortCutBaseInfoWid.h"
#include "FShortCutItemWid.h"
#include "FShortCutLineEidt.h"
#include "FShortCutSearchLineEdit.h"
#include "FShortcutSettingDialog.h"
#include "FMaskWidget.h"
#include "IKvShortcutEditManager.h"
#include "KvShortcutCommands.h"
#include "KvShortcutStore.h"
#include "KvTestLog.h"
#include "LineEditWithClearBtn.h"

#include <QButtonGroup>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

namespace {

constexpr int kSaveProject = 2;
constexpr int kOpenProject = 1;
constexpr int kAddKeyframes = 2026;
constexpr int kReplace = 2034;

// Answers the next notice the dialog raises and remembers what it showed.
class NoticeAnswer : public QObject
{
public:
    NoticeAnswer(FShortcutSettingDialog *dialog, bool confirm)
        : m_dialog(dialog)
        , m_confirm(confirm)
    {
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            FShortCutBaseInfoWid *notice = m_dialog->notice();
            if (!notice || !notice->isVisible())
                return;
            m_timer.stop();
            title = notice->titleText();
            message = notice->messageText();
            geometry = notice->geometry();
            maskShown = m_dialog->maskWidget()->isVisible() && m_dialog->maskWidget()->geometry() == m_dialog->rect();
            QTest::mouseClick(m_confirm ? notice->confirmButton() : notice->cancelButton(), Qt::LeftButton);
        });
        m_timer.start();
    }

    QString title;
    QString message;
    QRect geometry;
    bool maskShown = false;

private:
    FShortcutSettingDialog *m_dialog;
    bool m_confirm;
    QTimer m_timer;
};

QLineEdit *keyField(FShortcutSettingDialog &dialog, int id)
{
    FShortCutItemWid *item = dialog.item(id);
    return item ? item->keyField()->lineEdit() : nullptr;
}

// Types a combination into a command's field as the user would.
void press(FShortcutSettingDialog &dialog, int id, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QLineEdit *field = keyField(dialog, id);
    QVERIFY(field);
    field->setFocus();
    QTest::keyClick(field, Qt::Key(key), modifiers);
}

void clear(FShortcutSettingDialog &dialog, int id)
{
    auto *field = static_cast<LineEditWithClearBtn *>(keyField(dialog, id));
    field->setFocus();
    QVERIFY(field->clearButton()->isVisible());
    QTest::mouseClick(field->clearButton(), Qt::LeftButton);
}

} // namespace

class TestShortcutSettingDialog : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QFile::remove(KvShortcutStore::defaultFile());
        IKvShortcutEditManager::Release();
        m_dialog.reset(new FShortcutSettingDialog);
        m_dialog->show();
        m_dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
    }
    void cleanup() { m_dialog.reset(); }

    void listing()
    {
        FShortcutSettingDialog &dialog = *m_dialog;
        QCOMPARE(dialog.objectName(), QStringLiteral("FComlib_FShortcutSettingDialog"));
        QCOMPARE(dialog.height(), 552);
        QCOMPARE(dialog.moduleListWidget()->size(), QSize(184, 422));
        KvShortcutInfoMap current;
        IKvShortcutEditManager::GetInstance()->GetCurrentShortcuts(current);
        QList<int> expected = current.keys();
        expected.removeAll(4003);
        expected.removeAll(4004);
        QList<int> listed = dialog.listedCommands();
        std::sort(listed.begin(), listed.end());
        QCOMPARE(listed, expected);
        // One header row and one button per module, in module order.
        QCOMPARE(dialog.sectionRows().size(), int(KvShortCutMode_Count));
        const QList<QAbstractButton *> buttons = dialog.moduleButtons()->buttons();
        for (int module = 0; module < KvShortCutMode_Count; ++module) {
            QWidget *row = dialog.listWidget()->itemWidget(dialog.listWidget()->item(dialog.sectionRows().at(module)));
            auto *header = qobject_cast<FModuleNameItemWid *>(row);
            QVERIFY(header);
            QCOMPARE(header->module(), module);
            QCOMPARE(buttons.at(module)->text(), KvShortcutCommands::moduleName(module));
            QCOMPARE(buttons.at(module)->size(), QSize(184, 32));
            QCOMPARE(dialog.moduleButtons()->id(buttons.at(module)), module);
        }
        QVERIFY(buttons.first()->isChecked());
    }

    void itemDisplay_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("clearIt");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>("workType");
        QTest::newRow("bound") << kSaveProject << false << "Ctrl+S" << "" << "Normal";
        QTest::newRow("cleared") << kSaveProject << true << "Add" << "Add Shortcut" << "WaitInput";
        QTest::newRow("cleared, mouse gesture") << kReplace << true << "Alt+Mouse Drag" << "" << "Normal";
        QTest::newRow("unbound, mouse gesture") << kAddKeyframes << false << "Alt+Left Click" << "" << "Normal";
    }
    void itemDisplay()
    {
        QFETCH(int, id);
        QFETCH(bool, clearIt);
        QFETCH(QString, text);
        FShortcutSettingDialog &dialog = *m_dialog;
        if (clearIt) {
            if (dialog.item(id)->keySequence().isEmpty())
                press(dialog, id, Qt::Key_F9, Qt::ShiftModifier);
            QTRY_VERIFY(!dialog.item(id)->keySequence().isEmpty());
            clear(dialog, id);
            QTRY_VERIFY(dialog.rules().sequence(id).isEmpty());
            dialog.searchLineEdit()->setFocus();
        }
        FShortCutLineEidt *field = dialog.item(id)->keyField();
        QVERIFY(!field->lineEdit()->hasFocus());
        QCOMPARE(field->shownText(), text);
        QTEST(field->lineEdit()->toolTip(), "toolTip");
        QTEST(field->workType(), "workType");
        // The restore button and its placeholder take turns, so the fields line up.
        FShortCutItemWid *item = dialog.item(id);
        QCOMPARE(item->restoreButton()->isVisible(), clearIt && !item->defaultSequence().isEmpty());
        QCOMPARE(item->placeholderButton()->isVisible(), !item->restoreButton()->isVisible());
    }

    void refusedKeyShowsNotice_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("confirm");
        QTest::newRow("Tab, confirmed") << int(Qt::Key_Tab) << true;
        QTest::newRow("Caps Lock, cancelled") << int(Qt::Key_CapsLock) << false;
    }
    void refusedKeyShowsNotice()
    {
        QFETCH(int, key);
        QFETCH(bool, confirm);
        FShortcutSettingDialog &dialog = *m_dialog;
        NoticeAnswer answer(&dialog, confirm);
        press(dialog, kSaveProject, key);
        QTRY_COMPARE(answer.title, QStringLiteral("Cannot Set Shortcut"));
        QCOMPARE(answer.message, QStringLiteral("Not all keys can be used in shortcuts."));
        QCOMPARE(answer.geometry, QRect(0, 33, 800, 80));
        QVERIFY(answer.maskShown);
        QTRY_VERIFY(!dialog.notice());
        QVERIFY(!dialog.maskWidget()->isVisible());
        QCOMPARE(dialog.item(kSaveProject)->keySequence(), QKeySequence("Ctrl+S"));
        // Confirmed: back to the field for another try; cancelled: to the list.
        QTRY_COMPARE(keyField(dialog, kSaveProject)->hasFocus(), confirm);
        QCOMPARE(dialog.listWidget()->hasFocus(), !confirm);
    }

    void conflict_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::newRow("confirmed") << true;
        QTest::newRow("refused") << false;
    }
    void conflict()
    {
        QFETCH(bool, confirm);
        FShortcutSettingDialog &dialog = *m_dialog;
        NoticeAnswer answer(&dialog, confirm);
        press(dialog, kOpenProject, Qt::Key_S, Qt::ControlModifier);
        QTRY_COMPARE(answer.title, QStringLiteral("Conflicting Shortcuts"));
        QCOMPARE(answer.message,
                 QStringLiteral("The \"Ctrl+S\" shortcut is already assigned to the \"Save Project\" command. "
                                "Do you wish to replace it?"));
        QCOMPARE(answer.geometry, QRect(0, 33, 800, 80));
        QTRY_VERIFY(!dialog.notice());
        const QKeySequence open = dialog.item(kOpenProject)->defaultSequence();
        QCOMPARE(dialog.item(kOpenProject)->keySequence(), confirm ? QKeySequence("Ctrl+S") : open);
        QCOMPARE(dialog.item(kSaveProject)->keySequence(), confirm ? QKeySequence() : QKeySequence("Ctrl+S"));
        QCOMPARE(dialog.item(kSaveProject)->keyField()->shownText(), confirm ? QStringLiteral("Add") : "Ctrl+S");
        QCOMPARE(dialog.rules().pending().isEmpty(), !confirm);
    }

    void search_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("mustShow");
        QTest::addColumn<QList<int>>("mustHide");
        QTest::addColumn<bool>("nothing");
        QTest::newRow("nothing typed") << "" << QList<int>{kSaveProject, kAddKeyframes} << QList<int>{} << false;
        // Open Project (Ctrl+O) and Save Project by key; Help (F1) does not use Control.
        QTest::newRow("Ctrl with blanks") << " Ctrl " << QList<int>{kOpenProject, kSaveProject} << QList<int>{5000}
                                          << false;
        QTest::newRow("word of a name") << "keyframes" << QList<int>{kAddKeyframes} << QList<int>{kSaveProject}
                                        << false;
        QTest::newRow("mouse gesture") << "mouse drag" << QList<int>{kReplace} << QList<int>{kSaveProject} << false;
        QTest::newRow("no match") << "qqqzzz" << QList<int>{} << QList<int>{kSaveProject} << true;
    }
    void search()
    {
        QFETCH(QString, typed);
        QFETCH(QList<int>, mustShow);
        QFETCH(QList<int>, mustHide);
        QFETCH(bool, nothing);
        FShortcutSettingDialog &dialog = *m_dialog;
        dialog.searchLineEdit()->setFocus();
        QTest::keyClicks(dialog.searchLineEdit(), typed);
        for (int id : mustShow)
            QVERIFY2(dialog.isCommandShown(id), qPrintable(KvShortcutCommands::nameEn(id)));
        for (int id : mustHide)
            QVERIFY2(!dialog.isCommandShown(id), qPrintable(KvShortcutCommands::nameEn(id)));
        QCOMPARE(dialog.nothingFindWidget()->isVisible(), nothing);
        if (typed.trimmed().compare(QLatin1String("ctrl"), Qt::CaseInsensitive) == 0) {
            // Exactly the commands whose key uses Control.
            for (int id : dialog.listedCommands()) {
                const bool control = dialog.rules().sequence(id)[0] & Qt::ControlModifier;
                QCOMPARE(dialog.isCommandShown(id), control);
            }
        }
        // Emptying the field brings every row back.
        dialog.searchLineEdit()->clear();
        for (int id : dialog.listedCommands())
            QVERIFY(dialog.isCommandShown(id));
        QCOMPARE(dialog.listWidget()->verticalScrollBar()->value(), 0);
        QVERIFY(dialog.moduleButtons()->buttons().first()->isChecked());
    }

    void restoreDefaults()
    {
        FShortcutSettingDialog &dialog = *m_dialog;
        QVERIFY(!dialog.restoreAllButton()->isEnabled());
        press(dialog, kSaveProject, Qt::Key_F9, Qt::ShiftModifier);
        QTRY_VERIFY(dialog.restoreAllButton()->isEnabled());
        press(dialog, kReplace, Qt::Key_F11, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_COMPARE(dialog.item(kReplace)->keySequence(), QKeySequence("Ctrl+Shift+F11"));
        QTest::mouseClick(dialog.restoreAllButton(), Qt::LeftButton);
        QCOMPARE(dialog.item(kSaveProject)->keySequence(), QKeySequence("Ctrl+S"));
        QVERIFY(!dialog.item(kSaveProject)->restoreButton()->isVisible());
        // Replace keeps what it was given; its restore button still offers the default.
        QCOMPARE(dialog.item(kReplace)->keySequence(), QKeySequence("Ctrl+Shift+F11"));
        QVERIFY(dialog.item(kReplace)->restoreButton()->isVisible());
        QVERIFY(dialog.isVisible());
        QTest::mouseClick(dialog.item(kReplace)->restoreButton(), Qt::LeftButton);
        QTRY_VERIFY(!dialog.restoreAllButton()->isEnabled());
        QCOMPARE(dialog.item(kReplace)->keyField()->shownText(), QStringLiteral("Alt+Mouse Drag"));
    }

    void commitOrCancel_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("changeBack");
        QTest::newRow("cancel after edits") << int(FShortcutSettingDialog::Cancel) << false;
        QTest::newRow("ok") << int(FShortcutSettingDialog::Ok) << false;
        QTest::newRow("ok, changed back") << int(FShortcutSettingDialog::Ok) << true;
    }
    void commitOrCancel()
    {
        QFETCH(int, button);
        QFETCH(bool, changeBack);
        FShortcutSettingDialog &dialog = *m_dialog;
        IKvShortcutEditManager *manager = IKvShortcutEditManager::GetInstance();
        KvShortcutInfoMap before;
        manager->GetCurrentShortcuts(before);
        press(dialog, kSaveProject, Qt::Key_F9, Qt::ShiftModifier);
        QTRY_COMPARE(dialog.item(kSaveProject)->keySequence(), QKeySequence("Shift+F9"));
        press(dialog, kAddKeyframes, Qt::Key_F11, Qt::AltModifier);
        clear(dialog, 1008);
        QTRY_VERIFY(dialog.rules().sequence(1008).isEmpty());
        if (changeBack) {
            press(dialog, kSaveProject, Qt::Key_S, Qt::ControlModifier);
            press(dialog, kAddKeyframes, Qt::Key_Backspace);
            clear(dialog, kAddKeyframes);
            press(dialog, 1008, Qt::Key_A, Qt::ControlModifier);
            QTRY_COMPARE(dialog.item(1008)->keySequence(), QKeySequence("Ctrl+A"));
        }
        KvTestLog log;
        QTest::mouseClick(dialog.button(button), Qt::LeftButton);
        QCOMPARE(dialog.result(), button);
        KvShortcutInfoMap after;
        manager->GetCurrentShortcuts(after);
        if (button == FShortcutSettingDialog::Cancel || changeBack) {
            QCOMPARE(after, before);
        } else {
            QCOMPARE(after.value(kSaveProject).GetShortcutString(), QStringLiteral("Shift+F9"));
            QCOMPARE(after.value(kAddKeyframes).GetKeySequence(), QKeySequence("Alt+F11"));
            QVERIFY(after.value(1008).IsEmpty());
        }
        QCOMPARE(log.count(QStringLiteral("shortcut dialog: 0 changes applied")), changeBack ? 1 : 0);
        QVERIFY2(log.errors().isEmpty(), qPrintable(log.errors().join('\n')));
    }

    void moduleButtonScrollsToSection()
    {
        FShortcutSettingDialog &dialog = *m_dialog;
        QAbstractButton *view = dialog.moduleButtons()->button(KvShortCutMode_View);
        QTest::mouseClick(view, Qt::LeftButton);
        QVERIFY(view->isChecked());
        QCOMPARE(dialog.listWidget()->indexAt(QPoint(10, 5)).row(), dialog.sectionRows().at(KvShortCutMode_View));
        QAbstractButton *last = dialog.moduleButtons()->button(KvShortCutMode_Miscellaneous);
        QTest::mouseClick(last, Qt::LeftButton);
        QVERIFY(last->isChecked());
        // Scrolled by hand, the button of the section in view follows.
        dialog.listWidget()->scrollToItem(dialog.listWidget()->item(dialog.sectionRows().at(KvShortCutMode_Edit) + 1),
                                          QAbstractItemView::PositionAtTop);
        QVERIFY(dialog.moduleButtons()->button(KvShortCutMode_Edit)->isChecked());
    }

private:
    std::unique_ptr<FShortcutSettingDialog> m_dialog;
};

QTEST_MAIN(TestShortcutSettingDialog)
#include "tst_shortcutsettingdialog.moc"
