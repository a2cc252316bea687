#include "FMessageDialog.h"
#include "KvFramelessDialog.h"
#include "KvProgressDialog.h"
#include "KvSkin.h"
#include "KvTabFramelessDialog.h"
#include "KvTestLog.h"
#include "KvToolTipHelper.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// Mean lightness (0 dark .. 1 light) of a grabbed widget, and the share of
// its pixels as light as a default-style background.
QPair<double, double> lightness(const QImage &image)
{
    double sum = 0;
    int light = 0;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x) {
            const double value = QColor(rgb.pixel(x, y)).lightnessF();
            sum += value;
            light += value > 0.85 ? 1 : 0;
        }
    }
    const double pixels = rgb.width() * rgb.height();
    return {sum / pixels, light / pixels};
}

// The colour most opaque pixels of a rendering have.
QColor dominantColor(const QPixmap &pixmap)
{
    QHash<QRgb, int> counts;
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) == 255)
                ++counts[pixel & 0xffffff];
        }
    }
    QRgb best = 0;
    int bestCount = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > bestCount) {
            best = it.key();
            bestCount = it.value();
        }
    }
    return bestCount ? QColor(best) : QColor();
}

} // namespace

class tst_KvSkin : public QObject
{
    Q_OBJECT

private slots:
    void init() { KvSkin::instance()->setPalette(KvSkinPalette::dark()); }

    void resolve_data();
    void resolve();
    void iconTokenWritesTintedFile();
    void styleSheetResolvesEveryToken();
    void styleSheetNamesTheEditorsObjects_data();
    void styleSheetNamesTheEditorsObjects();
    void iconsRenderInPaletteColour_data();
    void iconsRenderInPaletteColour();
    void paletteSwapRestylesAndRetints();
    void standardWidgetsAreDark_data();
    void standardWidgetsAreDark();
    void toolTipsFollowThePalette();
    void dialogsWearTheSkin_data();
    void dialogsWearTheSkin();
};

void tst_KvSkin::resolve_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("error");

    QTest::newRow("opaque") << "a { color: @accent; }" << "a { color: #ff5a5f; }" << "";
    QTest::newRow("translucent") << "a { background: @shade; }" << "a { background: rgba(0, 0, 0, 153); }" << "";
    QTest::newRow("adjacent") << "@text;@accent" << "#d5d8df;#ff5a5f" << "";
    // The longest name wins: "@controlBorder" is not "@control" + "Border".
    QTest::newRow("longer name") << "@controlBorder @controlBg" << "#323742 #262a33" << "";
    QTest::newRow("unknown kept") << "a { color: @nope; }" << "a { color: @nope; }" << "@nope";
    QTest::newRow("no tokens") << "QWidget { margin: 0; }" << "QWidget { margin: 0; }" << "";
    QTest::newRow("icon of unknown colour") << "url(@icon(close, nope))" << "url(@icon(close, nope))" << "nope";
    QTest::newRow("icon of unknown name") << "url(@icon(nothing, icon))" << "url(@icon(nothing, icon))" << "nothing";
}

void tst_KvSkin::resolve()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QFETCH(QString, error);
    KvTestLog log;
    QCOMPARE(KvSkin::instance()->resolve(input), expected);
    if (error.isEmpty())
        QVERIFY2(log.errors().isEmpty(), qPrintable(log.errors().join('\n')));
    else
        QVERIFY2(log.hasError(error), qPrintable(log.errors().join('\n')));
}

void tst_KvSkin::iconTokenWritesTintedFile()
{
    const QString resolved = KvSkin::instance()->resolve(QStringLiteral("image: url(@icon(check, accent));"));
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral(R"(url\((.+)\))")).match(resolved);
    QVERIFY(match.hasMatch());
    QFile file(match.captured(1));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QByteArray svg = file.readAll();
    QVERIFY(svg.contains("#ff5a5f"));
    QVERIFY(!svg.contains("currentColor"));
    // The same icon in the same colour is written once.
    QCOMPARE(KvSkin::instance()->resolve(QStringLiteral("image: url(@icon(check, accent));")), resolved);
}

void tst_KvSkin::styleSheetResolvesEveryToken()
{
    KvTestLog log;
    const QString sheet = KvSkin::instance()->styleSheet();
    QVERIFY(sheet.size() > 1000);
    QVERIFY2(!sheet.contains(QLatin1Char('@')), qPrintable(sheet.mid(sheet.indexOf(QLatin1Char('@')) - 40, 80)));
    QVERIFY2(log.errors().isEmpty(), qPrintable(log.errors().join('\n')));
    // Every tinted image the sheet points at is there.
    auto urls = QRegularExpression(QStringLiteral(R"(url\(([^)]+)\))")).globalMatch(sheet);
    int count = 0;
    while (urls.hasNext()) {
        const QString path = urls.next().captured(1);
        QVERIFY2(QFile::exists(path), qPrintable(path));
        ++count;
    }
    QVERIFY(count > 5);
}

void tst_KvSkin::styleSheetNamesTheEditorsObjects_data()
{
    QTest::addColumn<QString>("selector");
    for (const char *name :
         {"#FDialog_CentralWdg[BorderVisible=\"true\"]", "#FDialog_CentralWdg[BorderRadius=\"true\"]",
          "#KorvaneMainTitleBar", "#KorvaneTitleBarLogo", "#KorvaneTitleBar_pTitleText",
          "#TopLevelTitleBarProjectNameLab", "#Korvane_KorvaneTitleBar_MenuBar", "#Korvane_CreativeBtn[shinning=\"1\"]",
          "#Korvane_CreativeBtn[shinning=\"0\"]", "#KorvaneTitleBar_SaveProject", "#KorvaneTitleBar_Support",
          "#KorvaneTitleBar_CloudDisk", "#KorvaneTitleBar_m_pMoreEffect",
          "#KorvaneTitleBar_m_pMesseage[hasNewMessage=\"true\"]", "#KorvaneTitleBar_m_pMesseageInfo",
          "#KorvaneTitleBar_Btn", "#Korvane_LoginAccount", "#Tip_on_MainForm_Center", "#KvTitleBar_MinBtn",
          "#KvTitleBar_MaxBtn[windowMaximized=\"true\"]", "#KvTitleBar_CloseBtn", "QListView", "QTreeView", "QTableView",
          "QSlider::handle", "QScrollBar::handle", "QSplitter::handle", "QLineEdit", "QComboBox", "QAbstractSpinBox",
          "QCheckBox::indicator", "QTabBar::tab", "QMenuBar", "QMenu::item", "QToolTip", "QPushButton", "QToolButton",
          "QHeaderView::section", "QProgressBar"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void tst_KvSkin::styleSheetNamesTheEditorsObjects()
{
    QFETCH(QString, selector);
    static const QString sheet = KvSkin::instance()->styleSheet();
    QVERIFY(sheet.contains(selector));
}

void tst_KvSkin::iconsRenderInPaletteColour_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"logo",     "cloud",  "creative", "support",  "account", "save",     "message",
                             "message-new", "more-effects", "skin", "minimize", "maximize", "restore", "close",
                             "video",    "audio",  "image",    "play",     "pause",   "stop",     "previous",
                             "next",     "mute",   "volume",   "add",      "delete",  "undo",     "redo",
                             "scissors", "successful", "failed"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void tst_KvSkin::iconsRenderInPaletteColour()
{
    QFETCH(QString, name);
    KvSkin *skin = KvSkin::instance();
    QVERIFY(KvSkin::hasIcon(name));
    const QIcon icon = skin->icon(name);
    QVERIFY(!icon.isNull());
    const QPixmap normal = icon.pixmap(48, 48);
    QCOMPARE(normal.size(), QSize(48, 48));
    QColor colour = dominantColor(normal);
    QVERIFY2(colour.isValid(), "nothing drawn");
    // The contrast mark of a filled icon may outnumber the fill; either is a palette colour.
    const QSet<QRgb> expected{skin->color(QStringLiteral("icon")).rgb() & 0xffffff,
                              skin->color(QStringLiteral("iconContrast")).rgb() & 0xffffff};
    QVERIFY2(expected.contains(colour.rgb() & 0xffffff), qPrintable(colour.name()));
    const QColor disabled = dominantColor(icon.pixmap(48, 48, QIcon::Disabled));
    QVERIFY(disabled != colour);
}

void tst_KvSkin::paletteSwapRestylesAndRetints()
{
    KvSkin *skin = KvSkin::instance();
    skin->applyTo(qApp);
    const QIcon icon = skin->icon(QStringLiteral("stop"));
    QCOMPARE(dominantColor(icon.pixmap(32, 32)), skin->color(QStringLiteral("icon")));

    KvSkinPalette light = KvSkinPalette::dark();
    light.setColor(QStringLiteral("accent"), QColor(0x12, 0x34, 0x56));
    light.setColor(QStringLiteral("icon"), QColor(0x20, 0x40, 0x60));
    QSignalSpy changed(skin, &KvSkin::sigPaletteChanged);
    skin->setPalette(light);
    QCOMPARE(changed.count(), 1);
    QVERIFY(qApp->styleSheet().contains(QStringLiteral("selection-background-color: #123456;")));
    QCOMPARE(QApplication::palette().color(QPalette::Highlight), QColor(0x12, 0x34, 0x56));
    // An icon made before the swap follows it.
    QCOMPARE(dominantColor(icon.pixmap(32, 32)), QColor(0x20, 0x40, 0x60));
    qApp->setStyleSheet(QString());
}

void tst_KvSkin::standardWidgetsAreDark_data()
{
    QTest::addColumn<QString>("kind");
    for (const char *kind : {"QListView", "QTreeView", "QTableView", "QLineEdit", "QPushButton", "QComboBox",
                             "QSpinBox", "QTextEdit", "QTabWidget", "QCheckBox", "QSlider", "QWidget", "QGroupBox",
                             "QProgressBar", "QMenuBar", "QScrollArea"})
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

void tst_KvSkin::standardWidgetsAreDark()
{
    QFETCH(QString, kind);
    KvSkin::instance()->applyTo(qApp);
    QWidget *widget = nullptr;
    if (kind == "QListView") {
        auto *view = new QListView;
        auto *model = new QStringListModel({"one", "two", "three"}, view);
        view->setModel(model);
        widget = view;
    } else if (kind == "QTreeView") {
        widget = new QTreeView;
    } else if (kind == "QTableView") {
        auto *view = new QTableView;
        auto *model = new QStandardItemModel(3, 3, view);
        view->setModel(model);
        widget = view;
    } else if (kind == "QLineEdit") {
        widget = new QLineEdit(QStringLiteral("text"));
    } else if (kind == "QPushButton") {
        widget = new QPushButton(QStringLiteral("Button"));
    } else if (kind == "QComboBox") {
        auto *combo = new QComboBox;
        combo->addItems({"one", "two"});
        widget = combo;
    } else if (kind == "QSpinBox") {
        widget = new QSpinBox;
    } else if (kind == "QTextEdit") {
        widget = new QTextEdit(QStringLiteral("text"));
    } else if (kind == "QTabWidget") {
        auto *tabs = new QTabWidget;
        tabs->addTab(new QWidget, QStringLiteral("One"));
        tabs->addTab(new QWidget, QStringLiteral("Two"));
        widget = tabs;
    } else if (kind == "QCheckBox") {
        widget = new QCheckBox(QStringLiteral("Check"));
    } else if (kind == "QSlider") {
        widget = new QSlider(Qt::Horizontal);
    } else if (kind == "QGroupBox") {
        widget = new QGroupBox(QStringLiteral("Group"));
    } else if (kind == "QProgressBar") {
        auto *bar = new QProgressBar;
        bar->setValue(40);
        widget = bar;
    } else if (kind == "QMenuBar") {
        auto *bar = new QMenuBar;
        bar->addMenu(QStringLiteral("File"));
        widget = bar;
    } else if (kind == "QScrollArea") {
        widget = new QScrollArea;
    } else {
        widget = new QWidget;
    }
    QScopedPointer<QWidget> owner(widget);
    widget->resize(200, 100);
    widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget));
    // Text and an accent-coloured bar are fine; a light background is not.
    const auto [mean, lightShare] = lightness(widget->grab().toImage());
    QVERIFY2(mean < 0.45 && lightShare < 0.05, qPrintable(QStringLiteral("mean %1, light %2").arg(mean).arg(lightShare)));
    qApp->setStyleSheet(QString());
}

void tst_KvSkin::toolTipsFollowThePalette()
{
    KvToolTipHelper::GetInstance();
    QCOMPARE(QToolTip::palette().color(QPalette::ToolTipBase), KvSkin::instance()->color(QStringLiteral("tipBg")));
    KvSkinPalette light = KvSkinPalette::dark();
    light.setColor(QStringLiteral("tipBg"), QColor(0xf4, 0xf4, 0xf6));
    light.setColor(QStringLiteral("textBright"), QColor(0x20, 0x20, 0x24));
    KvSkin::instance()->setPalette(light);
    QCOMPARE(QToolTip::palette().color(QPalette::Inactive, QPalette::ToolTipBase), QColor(0xf4, 0xf4, 0xf6));
    QCOMPARE(QToolTip::palette().color(QPalette::ToolTipText), QColor(0x20, 0x20, 0x24));
    KvToolTipHelper::release();
}

// The library's dialogs are dark, with the accent on their primary button;
// a message keeps that look over a window whose own rules would restyle
// buttons.
void tst_KvSkin::dialogsWearTheSkin_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("styledParent");
    QTest::newRow("frameless dialog") << "frameless" << false;
    QTest::newRow("tab dialog") << "tabs" << false;
    QTest::newRow("progress") << "progress" << false;
    QTest::newRow("message") << "message" << false;
    QTest::newRow("message over a styled window") << "message" << true;
}

void tst_KvSkin::dialogsWearTheSkin()
{
    QFETCH(QString, kind);
    QFETCH(bool, styledParent);
    KvSkin::instance()->applyTo(qApp);
    QWidget parent;
    parent.setStyleSheet(QStringLiteral("QPushButton { background: #808080; } QLabel { color: #000000; }"));
    QScopedPointer<KvFramelessDialog> dialog;
    QPushButton *primary = nullptr;
    if (kind == "message") {
        auto *message = new FMessageDialog(styledParent ? &parent : nullptr);
        message->setKind(FMessageDialog::Question);
        message->setText(QStringLiteral("Save the project before closing?"));
        primary = message->addButton(QStringLiteral("Save"), FMessageDialog::Yes);
        message->addButton(QStringLiteral("Discard"), FMessageDialog::No);
        dialog.reset(message);
    } else if (kind == "tabs") {
        auto *tabs = new KvTabFramelessDialog;
        tabs->addTab(new QWidget, QStringLiteral("General"));
        tabs->addTab(new QWidget, QStringLiteral("Folders"));
        dialog.reset(tabs);
        primary = dialog->addButton(QStringLiteral("OK"), 1, true);
    } else if (kind == "progress") {
        auto *progress = new KvProgressDialog;
        progress->setProgressTitle(QStringLiteral("Detecting, please wait."));
        progress->setProgress(30);
        dialog.reset(progress);
    } else {
        dialog.reset(new KvFramelessDialog);
        primary = dialog->addButton(QStringLiteral("Export"), 1, true);
        dialog->addButton(QStringLiteral("Cancel"), 0);
    }
    dialog->setTitle(QStringLiteral("Korvane"));
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.data()));
    const auto [mean, lightShare] = lightness(dialog->grab().toImage());
    QVERIFY2(mean < 0.45 && lightShare < 0.05, qPrintable(QStringLiteral("mean %1, light %2").arg(mean).arg(lightShare)));
    if (primary)
        QCOMPARE(dominantColor(primary->grab()), KvSkin::instance()->color(QStringLiteral("accent")));
    auto *title = dialog->findChild<QLabel *>(QStringLiteral("KvFramelessDialog_Title"));
    QCOMPARE(title->palette().color(QPalette::WindowText), KvSkin::instance()->color(QStringLiteral("textStrong")));
    dialog.reset();
    qApp->setStyleSheet(QString());
}

QTEST_MAIN(tst_KvSkin)
#include "tst_kvskin.moc"
