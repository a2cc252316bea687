#include "FMaskManager.h"
#include "FMaskWidget.h"
#include "KvMenu.h"
#include "KvTestLog.h"
#include "KvTipWidget.h"
#include "KvToast.h"
#include "KvToastWidget.h"
#include "KvToolButtonFactory.h"

#include <QtTest>
#include <QtWidgets>

class tst_KvFloating : public QObject
{
    Q_OBJECT

private slots:
    void toastKinds_data();
    void toastKinds();
    void toastGivesWayAndGoes();
    void toastWithoutWindow();
    void tipArrowPoints_data();
    void tipArrowPoints();
    void tipTextAndMargins();
    void tipShowModes_data();
    void tipShowModes();
    void accessibleNames_data();
    void accessibleNames();
    void toolButtonFactory();
    void guideMask();
    void maskGoesWithItsWindow();
    void menuItems();
};

void tst_KvFloating::toastKinds_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("iconPath");
    QTest::addColumn<QString>("skinIcon");

    QTest::newRow("success") << "success" << KvToast::kSuccessIcon << "successful";
    QTest::newRow("failure") << "failure" << KvToast::kFailureIcon << "failed";
    QTest::newRow("other icon") << "show" << ":/skin/icons/save.svg" << "";
    QTest::newRow("no icon") << "show" << "" << "";
}

void tst_KvFloating::toastKinds()
{
    QFETCH(QString, kind);
    QFETCH(QString, iconPath);
    QFETCH(QString, skinIcon);

    QWidget window;
    window.resize(800, 600);
    auto *area = new QWidget(&window);
    area->setGeometry(400, 300, 400, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    KvToastWidget *toast = kind == "success" ? KvToast::showSuccess(area, QStringLiteral("Saved!"))
                           : kind == "failure" ? KvToast::showFailure(area, QStringLiteral("Saved!"))
                                               : KvToast::show(area, QStringLiteral("Saved!"), iconPath);
    QVERIFY(toast);
    QCOMPARE(toast->text(), QStringLiteral("Saved!"));
    QCOMPARE(toast->iconPath(), iconPath);
    QCOMPARE(toast->skinIconName(), skinIcon);
    QCOMPARE(toast->accessibleName(), QStringLiteral("Saved!"));
    QCOMPARE(toast->parentWidget(), &window);
    QVERIFY(toast->isVisible());
    // Centred over the area it was shown over, not over the whole window.
    QVERIFY(qAbs(toast->geometry().center().x() - area->geometry().center().x()) <= 1);
    QVERIFY(qAbs(toast->geometry().center().y() - area->geometry().center().y()) <= 1);
    QLabel *icon = toast->findChildren<QLabel *>().value(0);
    QVERIFY(icon);
    QCOMPARE(icon->isVisibleTo(toast), !iconPath.isEmpty());
}

void tst_KvFloating::toastGivesWayAndGoes()
{
    QWidget window;
    window.resize(400, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QPointer<KvToastWidget> first = KvToast::showSuccess(&window, QStringLiteral("one"));
    QPointer<KvToastWidget> second = KvToast::showFailure(&window, QStringLiteral("two"));
    QTRY_VERIFY(first.isNull());
    QVERIFY(second);
    QVERIFY(second->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(second.isNull(), KvToastWidget::kShowMs + 2000);
    QVERIFY(window.findChildren<KvToastWidget *>().isEmpty());
}

void tst_KvFloating::toastWithoutWindow()
{
    // Nothing to float over: the toast is a small window of its own.
    QVERIFY(!QApplication::activeWindow());
    QPointer<KvToastWidget> toast = KvToast::showFailure(nullptr, QStringLiteral("Export failed"));
    QVERIFY(toast);
    QVERIFY(toast->isWindow());
    QVERIFY(toast->isVisible());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY((toast->geometry().center() - screen.center()).manhattanLength() <= 2);
    toast->finish();
    QTRY_VERIFY(toast.isNull());
}

void tst_KvFloating::tipArrowPoints_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("side");
    QTest::addColumn<double>("along");

    QTest::newRow("top centre") << 35 << "top" << 0.5;
    QTest::newRow("top start") << 31 << "top" << 0.0;
    QTest::newRow("top end") << 39 << "top" << 1.0;
    QTest::newRow("bottom centre") << 45 << "bottom" << 0.5;
    QTest::newRow("left centre") << 15 << "left" << 0.5;
    QTest::newRow("right end") << 29 << "right" << 1.0;
    QTest::newRow("none") << 0 << "none" << 0.5;
}

void tst_KvFloating::tipArrowPoints()
{
    QFETCH(int, position);
    QFETCH(QString, side);
    QFETCH(double, along);

    QWidget parent;
    parent.resize(600, 400);
    KvTipWidget tip(&parent, position);
    tip.setText(QStringLiteral("The new selected Graphics card will take effect after restart."));
    const QPoint arrow = tip.arrowTip();
    const QRect box = tip.rect();
    if (side == "top")
        QCOMPARE(arrow.y(), 0);
    else if (side == "bottom")
        QCOMPARE(arrow.y(), box.bottom());
    else if (side == "left")
        QCOMPARE(arrow.x(), 0);
    else if (side == "right")
        QCOMPARE(arrow.x(), box.right());
    // Along its side, the arrow sits at the start, middle or end, clear of the corners.
    const bool horizontal = side == "top" || side == "bottom" || side == "none";
    const int length = horizontal ? box.width() : box.height();
    const int offset = horizontal ? arrow.x() : arrow.y();
    const int clearance = 6 + KvTipWidget::kArrowSize;
    if (along == 0.0)
        QCOMPARE(offset, clearance);
    else if (along == 1.0)
        QVERIFY(qAbs(offset - (length - clearance)) <= 1);
    else
        QVERIFY(qAbs(offset - length / 2) <= 1);

    // Pointing at a target puts the arrow's tip on it.
    tip.pointAt(QPoint(300, 200));
    QCOMPARE(tip.mapToParent(tip.arrowTip()), QPoint(300, 200));
}

void tst_KvFloating::tipTextAndMargins()
{
    QWidget parent;
    KvTestLog log;
    KvTipWidget tip(&parent, KvTipWidget::BottomCenter);
    QCOMPARE(tip.textMargins(), QMargins(16, 8, 16, 8));
    tip.setPlaceholderText(QStringLiteral("Nothing yet"));
    auto *label = tip.findChild<QLabel *>(QStringLiteral("KvTipWidget_Text"));
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("Nothing yet"));
    tip.setText(QStringLiteral("Something"));
    QCOMPARE(label->text(), QStringLiteral("Something"));
    QCOMPARE(tip.accessibleName(), QStringLiteral("Something"));
    const QSize before = tip.size();
    tip.setTextMargins(30, 20);
    QCOMPARE(tip.size(), before + QSize(28, 24));
    // The text sits inside the margins, above the arrow.
    QCOMPARE(label->geometry().top(), 20);
    QCOMPARE(tip.height() - label->geometry().bottom() - 1, 20 + KvTipWidget::kArrowSize);
    // A code that names no side is drawn without an arrow.
    tip.setArrowPosition(57);
    QCOMPARE(tip.arrowPosition(), int(KvTipWidget::NoArrow));
    QVERIFY(log.hasError("57"));
}

void tst_KvFloating::tipShowModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("centred");
    QTest::addColumn<bool>("hides");

    QTest::newRow("in place") << 0 << false << false;
    QTest::newRow("in place briefly") << 1 << false << true;
    QTest::newRow("centred") << 2 << true << false;
    QTest::newRow("centred briefly") << 3 << true << true;
}

void tst_KvFloating::tipShowModes()
{
    QFETCH(int, mode);
    QFETCH(bool, centred);
    QFETCH(bool, hides);

    QWidget parent;
    parent.resize(640, 480);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    KvTipWidget tip(&parent, KvTipWidget::TopCenter);
    tip.setText(QStringLiteral("Takes effect after restart."));
    tip.move(10, 20);
    QSignalSpy hidden(&tip, &KvTipWidget::sigHidden);
    tip.OnShow(mode);
    QVERIFY(tip.isVisible());
    if (centred)
        QVERIFY((tip.geometry().center() - parent.rect().center()).manhattanLength() <= 2);
    else
        QCOMPARE(tip.pos(), QPoint(10, 20));
    if (hides) {
        QTRY_VERIFY_WITH_TIMEOUT(!tip.isVisible(), KvTipWidget::kAutoHideMs + 2000);
        QCOMPARE(hidden.count(), 1);
    } else {
        QTest::qWait(50);
        QVERIFY(tip.isVisible());
    }
}

void tst_KvFloating::accessibleNames_data()
{
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QString>("name");

    QTest::newRow("plain") << "Save" << "Save";
    QTest::newRow("shortcut in brackets") << "Save (Ctrl+S)" << "Save";
    QTest::newRow("single key") << "Next (F5)" << "Next";
    QTest::newRow("square brackets") << "Undo [Ctrl+Z]" << "Undo";
    QTest::newRow("after a tab") << "Play\tSpace" << "Play";
    QTest::newRow("words in brackets stay") << "Volume (mute)" << "Volume (mute)";
    QTest::newRow("brackets in the middle stay") << "Split (at playhead) clip" << "Split (at playhead) clip";
    QTest::newRow("surrounding space") << "  Delete  (Del) " << "Delete";
}

void tst_KvFloating::accessibleNames()
{
    QFETCH(QString, toolTip);
    QFETCH(QString, name);
    QCOMPARE(KvToolButtonFactory::accessibleNameFor(toolTip), name);
}

void tst_KvFloating::toolButtonFactory()
{
    QWidget parent;
    QToolButton *plain =
        KvToolButtonFactory::create(&parent, QStringLiteral("KorvaneTitleBar_Support"), QStringLiteral("Support (F1)"));
    QCOMPARE(plain->parentWidget(), &parent);
    QCOMPARE(plain->objectName(), QStringLiteral("KorvaneTitleBar_Support"));
    QCOMPARE(plain->toolTip(), QStringLiteral("Support (F1)"));
    QCOMPARE(plain->accessibleName(), QStringLiteral("Support"));
    QCOMPARE(plain->size(), QSize(24, 24));
    QCOMPARE(plain->minimumSize(), plain->maximumSize());

    QToolButton *withIcon = KvToolButtonFactory::create(&parent, QStringLiteral("KorvaneTitleBar_SaveProject"),
                                                        QStringLiteral("Save"), QStringLiteral("save"), QSize(32, 30));
    QCOMPARE(withIcon->size(), QSize(32, 30));
    QVERIFY(!withIcon->icon().isNull());
    QVERIFY(withIcon->iconSize().height() < 30);

    KvTestLog log;
    QToolButton *nameless = KvToolButtonFactory::create(&parent, QStringLiteral("Nameless"), QString());
    QVERIFY(nameless->accessibleName().isEmpty());
    QVERIFY(log.hasError("Nameless"));
}

void tst_KvFloating::guideMask()
{
    QWidget window;
    window.resize(800, 500);
    auto *target = new QPushButton(QStringLiteral("Import"), &window);
    target->setGeometry(100, 80, 120, 30);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    FMaskManager *masks = FMaskManager::instance();
    QSignalSpy closeClicked(masks, &FMaskManager::sigMaskCloseBtnClicked);
    QSignalSpy closed(masks, &FMaskManager::sigMaskClosed);
    masks->showGuideMask(&window, QStringLiteral("import"), target, QStringLiteral("Click here to import media."));
    QVERIFY(FMaskManager::IsMaskVisible());
    QCOMPARE(masks->stepName(), QStringLiteral("import"));
    FMaskWidget *mask = masks->maskWidget();
    QVERIFY(mask);
    QCOMPARE(mask->geometry(), window.rect());
    QCOMPARE(mask->guideText(), QStringLiteral("Click here to import media."));
    QVERIFY(mask->highlightRect().contains(target->geometry()));
    // The lit control takes clicks; the rest of the window is covered.
    QCOMPARE(window.childAt(target->geometry().center()), target);
    QCOMPARE(window.childAt(QPoint(600, 450)), mask);
    // The guide text stands clear of the lit control.
    auto *guide = mask->findChild<QWidget *>(QStringLiteral("FMaskManager_Guide"));
    QVERIFY(guide && guide->isVisible());
    QVERIFY(!guide->geometry().intersects(mask->highlightRect()));
    QCOMPARE(mask->closeButton()->accessibleName(), QStringLiteral("Close guide"));

    // The window grows: the mask follows.
    window.resize(900, 600);
    QCOMPARE(mask->geometry(), window.rect());

    mask->closeButton()->click();
    QCOMPARE(closeClicked.count(), 1);
    QCOMPARE(closeClicked.first().first().toString(), QStringLiteral("import"));
    QCOMPARE(closed.count(), 1);
    QVERIFY(!FMaskManager::IsMaskVisible());
    QVERIFY(masks->maskWidget() == nullptr);
}

void tst_KvFloating::maskGoesWithItsWindow()
{
    FMaskManager *masks = FMaskManager::instance();
    QSignalSpy visible(masks, &FMaskManager::sigMaskVisibleChanged);
    QSignalSpy closed(masks, &FMaskManager::sigMaskClosed);
    {
        QWidget window;
        window.resize(300, 200);
        masks->showMask(&window, QStringLiteral("a"));
        // A second mask replaces the first without a closed signal in between.
        masks->showMask(&window, QStringLiteral("b"));
        QCOMPARE(closed.count(), 0);
        QCOMPARE(masks->stepName(), QStringLiteral("b"));
    }
    QCOMPARE(closed.count(), 1);
    QVERIFY(!FMaskManager::IsMaskVisible());
    QCOMPARE(visible.count(), 2);
    QCOMPARE(visible.last().first().toBool(), false);
}

void tst_KvFloating::menuItems()
{
    KvMenu menu(QStringLiteral("File"));
    QAction shared(QStringLiteral("Save"));
    menu.addMenuItem(&shared, 9);
    QAction *open = menu.addMenuItem(QStringLiteral("Open"), 3);
    KvMenu *recent = menu.addSubMenu(QStringLiteral("Recent"));
    QAction *first = recent->addMenuItem(QStringLiteral("first.kvp"), 40);
    QCOMPARE(menu.accessibleName(), QStringLiteral("File"));
    QCOMPARE(KvMenu::actionType(&shared), 9);
    QCOMPARE(shared.property("actionType").toInt(), 9);
    QCOMPARE(menu.menuItem(3), open);
    QCOMPARE(menu.menuItem(40), first);
    QCOMPARE(menu.menuItem(41), nullptr);

    QSignalSpy own(&menu, &KvMenu::sigMenuItemTriggered);
    QSignalSpy sub(recent, &KvMenu::sigMenuItemTriggered);
    open->trigger();
    first->trigger();
    QCOMPARE(own.count(), 1);
    QCOMPARE(own.first().first().toInt(), 3);
    QCOMPARE(sub.count(), 1);
    QCOMPARE(sub.first().first().toInt(), 40);
}

QTEST_MAIN(tst_KvFloating)
#include "tst_kvfloating.moc"
