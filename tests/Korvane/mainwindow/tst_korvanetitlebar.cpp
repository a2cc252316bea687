#include "KvAppSettings.h"
#include "FLoginAccountBtn.h"
#include "FProjectDocProxy.h"
#include "IKvAppInfo.h"
#include "IKvProjectManager.h"
#include "IKvShortcutEditManager.h"
#include "KorvaneMenuBar.h"
#include "KorvaneTitleBar.h"
#include "KorvaneTitleBarPresenter.h"
#include "KorvaneTitleToolButtonWdg.h"
#include "KvAppInfoId.h"
#include "KvProjectAspectRatioType.h"
#include "KvCommunicatorCommands.h"
#include "KvSplitter.h"
#include "KvTestLog.h"
#include "KvToastWidget.h"
#include "KvTopLevelWindowTitleBar.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// How the project label's text was made, told from the text itself.
enum class Shown { NameAndDuration, ElidedNameAndDuration, Duration, LeftElidedDuration, Nothing };

const QString kDuration = QStringLiteral("00:12:34:05");
const QChar kEllipsis(0x2026);

Shown classify(const QString &text, const QString &name)
{
    if (text.isEmpty())
        return Shown::Nothing;
    if (text == kDuration)
        return Shown::Duration;
    if (text.endsWith(QStringLiteral(" : ") + kDuration))
        return text.startsWith(name + QStringLiteral(" : ")) ? Shown::NameAndDuration : Shown::ElidedNameAndDuration;
    if (text.startsWith(kEllipsis) && kDuration.endsWith(text.mid(1)))
        return Shown::LeftElidedDuration;
    return Shown::Nothing;
}

void sendMouse(QWidget *receiver, QEvent::Type type, const QPoint &globalPos, Qt::MouseButton button,
               Qt::MouseButtons buttons)
{
    QMouseEvent event(type, receiver->mapFromGlobal(globalPos), globalPos, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(receiver, &event);
}

} // namespace

Q_DECLARE_METATYPE(Shown)

class TestKorvaneTitleBar : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void elision_data();
    void elision();
    void labelFollowsWidth();
    void construction();
    void creativeBlink_data();
    void creativeBlink();
    void caddyCommand_data();
    void caddyCommand();
    void accountResponse_data();
    void accountResponse();
    void saveToastOnlyWhenSaved_data();
    void saveToastOnlyWhenSaved();

    void windowEdges_data();
    void windowEdges();
    void maximizeRestore();
    void dragMovesWithoutWindowManager();
    void edgeResizesWithoutWindowManager();
    void splitterPlaceWidget();

private:
    QTemporaryDir m_dir;
    QString m_savePath;
};

void TestKorvaneTitleBar::initTestCase()
{
    QVERIFY(m_dir.isValid());
    IKvAppInfo::getInstance()->setValue(KvAppInfoId::RenderDir, m_dir.filePath("render"));
    FPerformanceSettings &performance = KvAppSettings::GetInstance()->GetSettings().GetPerformanceSettings();
    performance.SetPreviewRenderFilesFolder(m_dir.filePath("render"));
    FProjectDocProxy *docs = FProjectDocProxy::instance();
    docs->init();
    docs->setCloseDecisionProvider([](const QString &) { return FProjectDocProxy::CloseDecision::Discard; });
    docs->setPathProvider([this](FProjectDocProxy::PathRequest, const QString &, const QString &) { return m_savePath; });
}

void TestKorvaneTitleBar::cleanup()
{
    IKvProjectManager::getInstance()->closeProject();
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        delete window;
}

void TestKorvaneTitleBar::elision_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("extra");   // pixels added to a reference width
    QTest::addColumn<QString>("reference");
    QTest::addColumn<Shown>("shown");

    // The references are the widths the rule compares with: all parts, the
    // duration alone, the smallest elided text.
    QTest::newRow("room for all") << "Holiday" << 400 << "all" << Shown::NameAndDuration;
    QTest::newRow("long name elided") << QString(60, QLatin1Char('x')) << 30 << "all" << Shown::ElidedNameAndDuration;
    QTest::newRow("exactly all parts: no name") << "Holiday" << 0 << "all" << Shown::Duration;
    QTest::newRow("one pixel short of all parts") << "Holiday" << -1 << "all" << Shown::Duration;
    QTest::newRow("exactly the duration") << "Holiday" << 0 << "duration" << Shown::Duration;
    QTest::newRow("one pixel under the duration") << "Holiday" << -1 << "duration" << Shown::LeftElidedDuration;
    QTest::newRow("just above the minimum") << "Holiday" << 1 << "minimum" << Shown::LeftElidedDuration;
    QTest::newRow("exactly the minimum") << "Holiday" << 0 << "minimum" << Shown::Nothing;
    QTest::newRow("no room") << "Holiday" << 0 << "zero" << Shown::Nothing;
    QTest::newRow("negative room") << "Holiday" << -50 << "zero" << Shown::Nothing;
    QTest::newRow("empty name reads Untitled") << "" << 400 << "all" << Shown::NameAndDuration;
}

void TestKorvaneTitleBar::elision()
{
    QFETCH(QString, name);
    QFETCH(int, extra);
    QFETCH(QString, reference);
    QFETCH(Shown, shown);

    const QFontMetrics metrics(QApplication::font());
    const int duration = metrics.horizontalAdvance(kDuration);
    const int minimum = metrics.horizontalAdvance(metrics.elidedText(QStringLiteral("elide"), Qt::ElideRight, 16));
    const int separator = metrics.horizontalAdvance(QStringLiteral(" : "));
    int base = 0;
    if (reference == QLatin1String("all"))
        base = minimum + separator + duration;
    else if (reference == QLatin1String("duration"))
        base = duration;
    else if (reference == QLatin1String("minimum"))
        base = minimum;
    const int available = base + extra;

    const QString text = KorvaneTitleBar::projectText(metrics, name, kDuration, available);
    QCOMPARE(classify(text, name.isEmpty() ? QStringLiteral("Untitled") : name), shown);
    if (available > 0)
        QVERIFY2(metrics.horizontalAdvance(text) <= qMax(available, 0), qPrintable(text));
}

void TestKorvaneTitleBar::labelFollowsWidth()
{
    // The label re-elides when the window narrows: never a name without the
    // duration while the duration fits.
    QWidget window;
    window.resize(1600, 40);
    auto *presenter = new KorvaneTitleBarPresenter(&window);
    auto *bar = new KorvaneTitleBar(presenter, nullptr, &window);
    bar->setProjectName(QStringLiteral("A rather long project name for a title bar"));
    bar->setDuration(kDuration);
    window.show();
    for (int width : {1600, 1200, 1000, 900, 800, 700}) {
        bar->resize(width, KorvaneTitleBar::kHeight);
        QCoreApplication::processEvents();
        const QString text = bar->projectNameLabel()->text();
        const bool durationShown =
            text.endsWith(kDuration) || (text.startsWith(kEllipsis) && kDuration.endsWith(text.mid(1)));
        QVERIFY2(text.isEmpty() || durationShown, qPrintable(text));
        QCOMPARE(text, KorvaneTitleBar::projectText(bar->projectNameLabel()->fontMetrics(), bar->projectName(),
                                                    kDuration, bar->availableNameWidth()));
    }
}

void TestKorvaneTitleBar::construction()
{
    QWidget window;
    window.resize(1600, 40);
    auto *presenter = new KorvaneTitleBarPresenter(&window);
    auto *bar = new KorvaneTitleBar(presenter, nullptr, &window);
    bar->resize(1600, KorvaneTitleBar::kHeight);
    window.show();
    QCoreApplication::processEvents();

    QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(bar->height(), 32);
    QCOMPARE(bar->windowTitleBar()->objectName(), QStringLiteral("KorvaneMainTitleBar"));
    QCOMPARE(bar->windowTitleBar()->buttons(), 52);
    QCOMPARE(bar->projectNameLabel()->objectName(), QStringLiteral("TopLevelTitleBarProjectNameLab"));
    QCOMPARE(bar->menuBar()->objectName(), QStringLiteral("Korvane_KorvaneTitleBar_MenuBar"));
    QCOMPARE(bar->findChild<QLabel *>("KorvaneTitleBarLogo")->size(), QSize(24, 24));

    // The row in its order, left to right, with its tool tips.
    const QList<QPair<QString, QString>> row = {
        {"KorvaneTitleBar_CloudDisk", "Cloud Management"},
        {"Korvane_CreativeBtn", "Get Creative"},
        {"KorvaneTitleBar_Support", "Support Center"},
        {"Korvane_LoginAccount", QString()},
        {"KorvaneTitleBar_SaveProject", QString()},
        {"KorvaneTitleBar_m_pMesseage", "Message Center"},
        {"KorvaneTitleBar_m_pMoreEffect", "Download more effects from Korvane Effects Store."},
        {"KorvaneTitleBar_Btn", "Change Skin"},
    };
    int lastX = -1;
    for (const auto &entry : row) {
        auto *button = bar->findChild<QToolButton *>(entry.first);
        QVERIFY2(button, qPrintable(entry.first));
        QVERIFY2(button->isVisible(), qPrintable(entry.first));
        const int x = button->mapTo(bar, QPoint()).x();
        QVERIFY2(x > lastX, qPrintable(entry.first));
        lastX = x;
        if (!entry.second.isNull())
            QCOMPARE(button->toolTip(), entry.second);
        if (entry.first != QLatin1String("Korvane_LoginAccount"))
            QCOMPARE(button->size(), QSize(24, 24));
    }
    auto *save = bar->toolButtons()->saveButton();
    QVERIFY(!save->isEnabled());
    QCOMPARE(save->toolTip(), QStringLiteral("Save Project (Ctrl+S)"));
    QCOMPARE(save->accessibleName(), QStringLiteral("Save Project"));
    // The tool tip follows the user's binding of the save command, and says
    // nothing of a shortcut while it has none.
    IKvShortcutEditManager *shortcuts = IKvShortcutEditManager::GetInstance();
    shortcuts->ApplyShortcuts({{2, QKeySequence(QStringLiteral("Ctrl+F5"))}});
    QCOMPARE(save->toolTip(), QStringLiteral("Save Project (Ctrl+F5)"));
    shortcuts->ApplyShortcuts({{2, QKeySequence()}});
    QCOMPARE(save->toolTip(), QStringLiteral("Save Project"));
    QCOMPARE(save->accessibleName(), QStringLiteral("Save Project"));
    shortcuts->ApplyShortcuts({{2, QKeySequence(QStringLiteral("Ctrl+S"))}});
    QCOMPARE(bar->toolButtons()->messageButton()->property("hasNewMessage").toBool(), false);
    QCOMPARE(bar->toolButtons()->messageInfoButton()->property("hasNewMessage").toBool(), true);
    QVERIFY(!bar->toolButtons()->messageInfoButton()->isVisible());
    bar->slotReceiveCaddyMsg(3, QStringLiteral("three unread"));
    QVERIFY(bar->toolButtons()->messageInfoButton()->isVisible());
    QVERIFY(!bar->toolButtons()->messageButton()->isVisible());

    // Every button a user can press has a name a screen reader can say.
    const QList<QAbstractButton *> buttons = window.findChildren<QAbstractButton *>();
    for (QAbstractButton *button : buttons)
        QVERIFY2(!button->accessibleName().isEmpty(), qPrintable(button->objectName()));

    presenter->sigProjectChanged(true);
    QVERIFY(save->isEnabled());
    presenter->sigProjectChanged(false);
    QVERIFY(!save->isEnabled());
}

void TestKorvaneTitleBar::creativeBlink_data()
{
    QTest::addColumn<QList<bool>>("steps");
    QTest::addColumn<QList<int>>("shinning");

    QTest::newRow("blinks") << QList<bool>{true, true, true} << QList<int>{1, 0, 1};
    QTest::newRow("stops lit") << QList<bool>{true, false} << QList<int>{1, 0};
    QTest::newRow("stops dark") << QList<bool>{true, true, false} << QList<int>{1, 0, 0};
    QTest::newRow("stop when still") << QList<bool>{false} << QList<int>{0};
}

void TestKorvaneTitleBar::creativeBlink()
{
    QFETCH(QList<bool>, steps);
    QFETCH(QList<int>, shinning);
    KorvaneTitleToolButtonWdg row;
    for (int i = 0; i < steps.size(); ++i) {
        row.updateCreativeBtn(steps.at(i));
        QCOMPARE(row.creativeButton()->property("shinning").toInt(), shinning.at(i));
    }
}

void TestKorvaneTitleBar::caddyCommand_data()
{
    QTest::addColumn<bool>("click");
    QTest::addColumn<bool>("engine");
    QTest::addColumn<bool>("dontShow");
    QTest::addColumn<QString>("command");

    const QString click = KvCommand::NativeengineMethordClickCaddy;
    const QString insert = KvCommand::NativeengineMethordInsertCaddy;
    const QString plain = KvCommand::NativeengineMethordCaddy;
    QTest::newRow("click wins") << true << false << true << click;
    QTest::newRow("click with engine") << true << true << false << click;
    QTest::newRow("engine inserts") << false << true << true << insert;
    QTest::newRow("no engine, messages shown") << false << false << false << plain;
    QTest::newRow("no engine, messages suppressed") << false << false << true << QString();
}

void TestKorvaneTitleBar::caddyCommand()
{
    QFETCH(bool, click);
    QFETCH(bool, engine);
    QFETCH(bool, dontShow);
    QFETCH(QString, command);
    QCOMPARE(KorvaneTitleBarPresenter::caddyCommandFor(click, engine, dontShow), command);
}

void TestKorvaneTitleBar::accountResponse_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("signalled");
    QTest::addColumn<bool>("loggedInAfter");

    QTest::newRow("ordinary answer") << 2 << 0 << true << true;
    QTest::newRow("code 10 is not passed on") << 2 << 10 << false << true;
    QTest::newRow("type 10 signs out") << 10 << 0 << true << false;
    QTest::newRow("type and code 10") << 10 << 10 << false << false;
}

void TestKorvaneTitleBar::accountResponse()
{
    QFETCH(int, type);
    QFETCH(int, code);
    QFETCH(bool, signalled);
    QFETCH(bool, loggedInAfter);

    KvTestLog log;
    KorvaneTitleBarPresenter presenter;
    presenter.setLoggedIn(true);
    QSignalSpy spy(&presenter, &KorvaneTitleBarPresenter::sigTCIDStatusChanged);
    presenter.onTCIDResponse({type, code, 0, QStringLiteral("text")});
    QCOMPARE(spy.count(), signalled ? 1 : 0);
    QCOMPARE(presenter.isLoggedIn(), loggedInAfter);
    QCOMPARE(log.count(QStringLiteral("tcidresponsecode, code_type: %1, code: %2").arg(type).arg(code)), 1);
}

void TestKorvaneTitleBar::saveToastOnlyWhenSaved_data()
{
    QTest::addColumn<bool>("withProject");
    QTest::addColumn<bool>("choosePath");
    QTest::addColumn<bool>("saved");

    QTest::newRow("saved") << true << true << true;
    QTest::newRow("save cancelled") << true << false << false;
    QTest::newRow("no project") << false << true << false;
}

void TestKorvaneTitleBar::saveToastOnlyWhenSaved()
{
    QFETCH(bool, withProject);
    QFETCH(bool, choosePath);
    QFETCH(bool, saved);

    if (withProject)
        QVERIFY(FProjectDocProxy::instance()->newProject(KvProjectAspectRatio_16_9));
    m_savePath = choosePath ? m_dir.filePath(QStringLiteral("%1.kvproj").arg(QTest::currentDataTag()).remove(' '))
                            : QString();
    QWidget window;
    window.resize(1400, 600);
    auto *presenter = new KorvaneTitleBarPresenter(&window);
    auto *bar = new KorvaneTitleBar(presenter, nullptr, &window);
    window.show();
    QApplication::setActiveWindow(&window);
    bar->slotProjectChanged(true);
    QSignalSpy changed(presenter, &KorvaneTitleBarPresenter::sigProjectChanged);

    QTest::mouseClick(bar->toolButtons()->saveButton(), Qt::LeftButton);

    const QList<KvToastWidget *> toasts = window.findChildren<KvToastWidget *>();
    QCOMPARE(toasts.size(), saved ? 1 : 0);
    if (saved) {
        QCOMPARE(toasts.first()->text(), QStringLiteral("Saved!"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().first().toBool(), false);
        QVERIFY(QFileInfo::exists(m_savePath));
    } else {
        QCOMPARE(changed.count(), 0);
    }
    QCOMPARE(bar->toolButtons()->saveButton()->isEnabled(), !saved);
}

void TestKorvaneTitleBar::windowEdges_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<bool>("maximized");
    QTest::addColumn<int>("edges");

    const int border = KvTopLevelWindowTitleBar::kResizeBorder;
    QTest::newRow("top left corner") << QPoint(0, 0) << false << int(Qt::LeftEdge | Qt::TopEdge);
    QTest::newRow("bottom right corner") << QPoint(499, 399) << false << int(Qt::RightEdge | Qt::BottomEdge);
    QTest::newRow("right edge") << QPoint(499, 200) << false << int(Qt::RightEdge);
    QTest::newRow("last border pixel") << QPoint(border - 1, 200) << false << int(Qt::LeftEdge);
    QTest::newRow("first inner pixel") << QPoint(border, 200) << false << 0;
    QTest::newRow("middle") << QPoint(250, 200) << false << 0;
    QTest::newRow("outside") << QPoint(600, 200) << false << 0;
    QTest::newRow("maximized has no edges") << QPoint(0, 0) << true << 0;
}

void TestKorvaneTitleBar::windowEdges()
{
    QFETCH(QPoint, pos);
    QFETCH(bool, maximized);
    QFETCH(int, edges);

    QWidget window(nullptr, Qt::FramelessWindowHint);
    auto *strip = new QWidget(&window);
    auto *bar = new KvTopLevelWindowTitleBar(&window, strip);
    window.setGeometry(100, 100, 500, 400);
    window.show();
    if (maximized)
        bar->setMaximized(true);
    QCOMPARE(int(bar->edgesAt(pos)), edges);
}

void TestKorvaneTitleBar::maximizeRestore()
{
    QWidget window(nullptr, Qt::FramelessWindowHint);
    auto *strip = new QWidget(&window);
    strip->setGeometry(0, 0, 500, 32);
    auto *bar = new KvTopLevelWindowTitleBar(&window, strip);
    const QRect normal(100, 100, 500, 400);
    window.setGeometry(normal);
    window.show();
    QSignalSpy changed(bar, &KvTopLevelWindowTitleBar::sigMaximizedChanged);

    // A double-click on the strip maximizes, the button restores.
    const QPoint inStrip = strip->mapToGlobal(QPoint(100, 16));
    sendMouse(strip, QEvent::MouseButtonDblClick, inStrip, Qt::LeftButton, Qt::LeftButton);
    QVERIFY(bar->isMaximized());
    QCOMPARE(window.geometry(), window.screen()->availableGeometry());
    QCOMPARE(bar->maximizeButton()->property("windowMaximized").toBool(), true);
    QCOMPARE(bar->maximizeButton()->accessibleName(), QStringLiteral("Restore"));

    bar->maximizeButton()->click();
    QVERIFY(!bar->isMaximized());
    QCOMPARE(window.geometry(), normal);
    QCOMPARE(bar->maximizeButton()->property("windowMaximized").toBool(), false);
    QCOMPARE(changed.count(), 2);
    // The buttons sit at the right end of the strip.
    QCOMPARE(bar->geometry().right(), strip->width() - 1);
}

void TestKorvaneTitleBar::dragMovesWithoutWindowManager()
{
    // The offscreen platform, like a bare X server, takes no system move.
    QWidget window(nullptr, Qt::FramelessWindowHint);
    auto *strip = new QWidget(&window);
    strip->setGeometry(0, 0, 500, 32);
    new KvTopLevelWindowTitleBar(&window, strip);
    window.setGeometry(100, 100, 500, 400);
    window.show();

    const QPoint start = strip->mapToGlobal(QPoint(100, 16));
    sendMouse(strip, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    sendMouse(strip, QEvent::MouseMove, start + QPoint(40, 25), Qt::NoButton, Qt::LeftButton);
    sendMouse(strip, QEvent::MouseMove, start + QPoint(60, 30), Qt::NoButton, Qt::LeftButton);
    sendMouse(strip, QEvent::MouseButtonRelease, start + QPoint(60, 30), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(window.pos(), QPoint(160, 130));
    QCOMPARE(window.size(), QSize(500, 400));

    // A move after the release does nothing.
    sendMouse(strip, QEvent::MouseMove, start + QPoint(200, 200), Qt::NoButton, Qt::NoButton);
    QCOMPARE(window.pos(), QPoint(160, 130));
}

void TestKorvaneTitleBar::edgeResizesWithoutWindowManager()
{
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setMinimumSize(300, 200);
    auto *strip = new QWidget(&window);
    strip->setGeometry(0, 0, 500, 32);
    auto *content = new QWidget(&window);
    content->setGeometry(0, 32, 500, 368);
    new KvTopLevelWindowTitleBar(&window, strip);
    window.setGeometry(100, 100, 500, 400);
    window.show();

    // Pressed on the child at the bottom right corner: the window grows.
    const QPoint corner = window.mapToGlobal(QPoint(498, 398));
    sendMouse(content, QEvent::MouseButtonPress, corner, Qt::LeftButton, Qt::LeftButton);
    sendMouse(content, QEvent::MouseMove, corner + QPoint(50, 20), Qt::NoButton, Qt::LeftButton);
    sendMouse(content, QEvent::MouseButtonRelease, corner + QPoint(50, 20), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(window.geometry(), QRect(100, 100, 550, 420));

    // From the left edge, not below the minimum width; the right side stays.
    const QPoint left = window.mapToGlobal(QPoint(1, 200));
    sendMouse(content, QEvent::MouseButtonPress, left, Qt::LeftButton, Qt::LeftButton);
    sendMouse(content, QEvent::MouseMove, left + QPoint(400, 0), Qt::NoButton, Qt::LeftButton);
    sendMouse(content, QEvent::MouseButtonRelease, left + QPoint(400, 0), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(window.width(), 300);
    QCOMPARE(window.geometry().right(), 100 + 550 - 1);
}

void TestKorvaneTitleBar::splitterPlaceWidget()
{
    KvSplitter first(Qt::Horizontal);
    KvSplitter second(Qt::Vertical);
    auto *a = new QWidget;
    auto *b = new QWidget;
    auto *c = new QWidget;
    first.addWidget(a);
    first.addWidget(b);
    second.addWidget(c);

    first.placeWidget(a);   // already here: keeps its place
    QCOMPARE(first.indexOf(a), 0);
    QCOMPARE(first.count(), 2);
    first.placeWidget(c);   // from the other splitter: to the end
    QCOMPARE(first.indexOf(c), 2);
    QCOMPARE(second.count(), 0);
    first.placeWidget(nullptr);
    QCOMPARE(first.count(), 3);
}

QTEST_MAIN(TestKorvaneTitleBar)
#include "tst_korvanetitlebar.moc"
