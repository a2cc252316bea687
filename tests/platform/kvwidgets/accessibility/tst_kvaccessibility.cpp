#include "../KvAccessibilityAudit.h"

#include "FMaskManager.h"
#include "FMessageDialog.h"
#include "KvFramelessDialog.h"
#include "KvProgressDialog.h"
#include "KvTabFramelessDialog.h"
#include "KvToolButtonFactory.h"
#include "KvUtility.h"

#include <QtTest>
#include <QtWidgets>

#include <functional>
#include <memory>

namespace {

// Builds a window under test; the window owns everything it shows.
using Build = std::function<QWidget *()>;

QWidget *holder(const std::function<void(QWidget *)> &fill)
{
    auto *window = new QWidget;
    window->setObjectName(QStringLiteral("Holder"));
    auto *layout = new QVBoxLayout(window);
    fill(window);
    for (QWidget *child : window->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        layout->addWidget(child);
    return window;
}

QIcon someIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::red);
    return QIcon(pixmap);
}

} // namespace

Q_DECLARE_METATYPE(Build)

// The audit itself: it must find what a screen reader could not name, and
// must not cry wolf about parts Qt names through their owner.
class tst_KvAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        FMaskManager::instance()->closeMask();
    }

    void auditFindsUnnamedControls_data();
    void auditFindsUnnamedControls();
    void carriesShortcut_data();
    void carriesShortcut();
    void shortcutInNameFound();
    void clearButtonNamed();
    void libraryWidgetsNamed_data();
    void libraryWidgetsNamed();
};

void tst_KvAccessibility::auditFindsUnnamedControls_data()
{
    QTest::addColumn<Build>("build");
    // What the audit reports, by class name; empty when nothing is unnamed.
    QTest::addColumn<QStringList>("classes");

    QTest::newRow("icon-only tool button") << Build([] {
        return holder([](QWidget *w) { (new QToolButton(w))->setIcon(someIcon()); });
    }) << QStringList{"QToolButton"};
    QTest::newRow("tool button from the factory") << Build([] {
        return holder([](QWidget *w) { KvToolButtonFactory::create(w, "Save", "Save (Ctrl+S)", "save"); });
    }) << QStringList{};
    QTest::newRow("push button with text") << Build([] {
        return holder([](QWidget *w) { new QPushButton("OK", w); });
    }) << QStringList{};
    QTest::newRow("hidden icon-only button") << Build([] {
        return holder([](QWidget *w) { (new QPushButton(w))->hide(); });
    }) << QStringList{};
    QTest::newRow("button in a hidden panel") << Build([] {
        return holder([](QWidget *w) {
            auto *panel = new QWidget(w);
            new QToolButton(panel);
            panel->hide();
        });
    }) << QStringList{};
    QTest::newRow("check box with text, unnamed slider") << Build([] {
        return holder([](QWidget *w) {
            new QCheckBox("Loop", w);
            new QSlider(Qt::Horizontal, w);
        });
    }) << QStringList{"QSlider"};
    QTest::newRow("search field with Qt's clear button") << Build([] {
        return holder([](QWidget *w) {
            auto *edit = new QLineEdit(w);
            edit->setAccessibleName("Search");
            edit->setClearButtonEnabled(true);
            edit->setText("x"); // the clear button shows only over some text
        });
    }) << QStringList{"QLineEditIconButton"};
    QTest::newRow("named combo box and spin box, their inner entries") << Build([] {
        return holder([](QWidget *w) {
            auto *combo = new QComboBox(w);
            combo->setEditable(true);
            combo->setAccessibleName("Frame rate");
            (new QSpinBox(w))->setAccessibleName("Volume");
        });
    }) << QStringList{};
    QTest::newRow("unnamed spin box") << Build([] {
        return holder([](QWidget *w) { new QDoubleSpinBox(w); });
    }) << QStringList{"QDoubleSpinBox"};
    QTest::newRow("unnamed list view, its scroll bars") << Build([] {
        return holder([](QWidget *w) {
            auto *list = new QListWidget(w);
            for (int i = 0; i < 50; ++i)
                list->addItem(QString::number(i));
        });
    }) << QStringList{"QListWidget"};
    QTest::newRow("icon-only tab") << Build([] {
        return holder([](QWidget *w) {
            auto *tabs = new QTabBar(w);
            tabs->addTab("Media");
            tabs->addTab(someIcon(), QString());
        });
    }) << QStringList{"tab 1 of QTabBar"};
    QTest::newRow("the root itself") << Build([] { return new QToolButton; }) << QStringList{"QToolButton"};
}

void tst_KvAccessibility::auditFindsUnnamedControls()
{
    QFETCH(Build, build);
    QFETCH(QStringList, classes);
    std::unique_ptr<QWidget> window(build());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const QStringList unnamed = KvAccessibilityAudit::unnamedControls(window.get());
    QCOMPARE(unnamed.size(), classes.size());
    for (int i = 0; i < classes.size(); ++i)
        QVERIFY2(unnamed.at(i).startsWith(classes.at(i) + QLatin1Char(' ')), qPrintable(unnamed.at(i)));
}

void tst_KvAccessibility::carriesShortcut_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("carries");
    QTest::newRow("brackets") << "Save (Ctrl+S)" << true;
    QTest::newRow("square brackets") << "Undo [Ctrl+Z]" << true;
    QTest::newRow("function key") << "Help (F1)" << true;
    QTest::newRow("after a tab") << "Play\tSpace" << true;
    QTest::newRow("words in brackets") << "Volume (mute)" << false;
    QTest::newRow("percentage in brackets") << "Zoom (100%)" << false;
    QTest::newRow("brackets not at the end") << "Split (Ctrl+B) here" << false;
    QTest::newRow("plain") << "Export" << false;
    QTest::newRow("empty") << "" << false;
}

void tst_KvAccessibility::carriesShortcut()
{
    QFETCH(QString, name);
    QFETCH(bool, carries);
    QCOMPARE(KvAccessibilityAudit::carriesShortcut(name), carries);
}

// A tool tip copied whole into the name is found; the factory's buttons are not.
void tst_KvAccessibility::shortcutInNameFound()
{
    QWidget window;
    auto *layout = new QHBoxLayout(&window);
    auto *copied = new QToolButton(&window);
    copied->setObjectName(QStringLiteral("Copied"));
    copied->setAccessibleName(QStringLiteral("Split (Ctrl+B)"));
    layout->addWidget(copied);
    layout->addWidget(KvToolButtonFactory::create(&window, QStringLiteral("Factory"), QStringLiteral("Split (Ctrl+B)"),
                                                  QStringLiteral("scissors")));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(KvAccessibilityAudit::controlsNamedWithShortcut(&window),
             QStringList{QStringLiteral("QToolButton in Copied: \"Split (Ctrl+B)\"")});
    QCOMPARE(KvAccessibilityAudit::problems(&window).size(), 1);
}

// The library's way to a clear button that a screen reader can name.
void tst_KvAccessibility::clearButtonNamed()
{
    QWidget window;
    auto *edit = new QLineEdit(&window);
    edit->setAccessibleName(QStringLiteral("Search"));
    // An action of the field's own, named by its text, keeps its name.
    QAction *own = edit->addAction(someIcon(), QLineEdit::LeadingPosition);
    own->setText(QStringLiteral("Filter"));
    KvUtility::enableClearButton(edit, QStringLiteral("Clear search"));
    edit->setText(QStringLiteral("abc"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(edit->isClearButtonEnabled());
    QCOMPARE(KvAccessibilityAudit::unnamedControls(&window), QStringList());
    QStringList names;
    for (QToolButton *button : edit->findChildren<QToolButton *>())
        names << KvAccessibilityAudit::accessibleName(button);
    names.sort();
    QCOMPARE(names, QStringList({"Clear search", "Filter"}));

    KvUtility::enableClearButton(nullptr, QStringLiteral("Clear")); // logged, nothing else
}

void tst_KvAccessibility::libraryWidgetsNamed_data()
{
    QTest::addColumn<Build>("build");

    QTest::newRow("frameless dialog with buttons") << Build([] {
        auto *dialog = new KvFramelessDialog;
        dialog->setTitle("Export");
        dialog->addButton("Export", 1, true);
        dialog->addButton("Cancel", 0);
        return dialog;
    });
    QTest::newRow("tab dialog") << Build([] {
        auto *dialog = new KvTabFramelessDialog;
        dialog->setTitle("Preferences");
        dialog->addTab(new QWidget, "General");
        dialog->addTab(new QWidget, "Folders");
        return dialog;
    });
    QTest::newRow("information") << Build([] {
        auto *dialog = new FMessageDialog;
        dialog->setTitle("Korvane");
        dialog->setText("The project was saved.");
        dialog->addButton("OK", FMessageDialog::Ok);
        return dialog;
    });
    QTest::newRow("question with check box") << Build([] {
        auto *dialog = new FMessageDialog;
        dialog->setKind(FMessageDialog::Question);
        dialog->setText("Use the backup?");
        dialog->setCheckBoxText("Do not ask again");
        dialog->addButton("Yes", FMessageDialog::Yes);
        dialog->addButton("No", FMessageDialog::No);
        return dialog;
    });
    QTest::newRow("cancelable progress") << Build([] {
        auto *dialog = new KvProgressDialog;
        dialog->setTitle("Korvane");
        dialog->setProgressTitle("Detecting, please wait.");
        dialog->setCancelable(true);
        return dialog;
    });
    QTest::newRow("guide mask") << Build([] {
        auto *window = new QWidget;
        window->resize(600, 400);
        auto *target = new QPushButton("Export", window);
        target->move(20, 20);
        window->show();
        FMaskManager::instance()->showGuideMask(window, "export", target, "Export your video here.");
        return window;
    });
}

void tst_KvAccessibility::libraryWidgetsNamed()
{
    QFETCH(Build, build);
    std::unique_ptr<QWidget> window(build());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const QStringList problems = KvAccessibilityAudit::problems(window.get());
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

QTEST_MAIN(tst_KvAccessibility)
#include "tst_kvaccessibility.moc"
