// Opens the keyboard shortcuts dialog with every command of the table and
// types into its search field, reporting as one JSON line:
//   commands          the commands listed
//   first_paint_ms    construction start to the end of the list's first paint
//   search_max_ms     the slowest keystroke: key press to the end of the
//                     list's repaint
//   search_median_ms  the median of the same
//   all_rows_ms       construction start to every row having its widget
//                     (rows out of view get theirs after the first paint)
//
//   korvane_shortcuts_bench [--text TEXT] [--shot]
//
// Each character of TEXT is typed, then erased again with Backspace, so
// that narrowing, widening, the empty result and the return to the full list
// are all measured. A main window is on screen before the clock starts.
// --shot shows the dialog and waits to be photographed.
#include "FShortCutSearchLineEdit.h"
#include "FShortcutSettingDialog.h"
#include "IKvShortcutEditManager.h"
#include "KvSkin.h"

#include "BenchPaintProbe.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QListWidget>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Korvane"));
    QCommandLineParser parser;
    const QCommandLineOption textOption("text", "Text typed into the search field.", "TEXT", "ctrl+shift");
    const QCommandLineOption shotOption("shot", "Show the dialog and wait.");
    parser.addOptions({textOption, shotOption});
    parser.addHelpOption();
    parser.process(app);
    KvSkin::instance()->applyTo(&app);
    IKvShortcutEditManager::GetInstance();

    QWidget mainWindow;
    mainWindow.resize(1280, 720);
    mainWindow.show();
    benchWait(500);

    if (parser.isSet(shotOption)) {
        static FShortcutSettingDialog dialog(&mainWindow);
        dialog.show();
        return app.exec();
    }

    QElapsedTimer clock;
    clock.start();
    auto *dialog = new FShortcutSettingDialog(&mainWindow);
    BenchPaintProbe probe(dialog->listWidget()->viewport());
    qint64 firstPaint = -1;
    probe.expect([&] { firstPaint = clock.nsecsElapsed(); });
    dialog->show();
    QTimer::singleShot(20000, &app, [] {
        std::fprintf(stderr, "timed out\n");
        std::exit(1);
    });
    while (firstPaint < 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    // The rows out of view get their widgets in the background; typing
    // starts once they all have.
    while (dialog->itemWidgetCount() < dialog->listedCommands().size())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const qint64 filled = clock.nsecsElapsed();
    benchWait(100);

    // A keystroke changes the field and the list (or its empty view); the
    // window paints every changed widget in one pass, so the end of the
    // field's repaint is the end of the list's too.
    QWidget *search = dialog->searchLineEdit();
    search->setFocus();
    const QString text = parser.value(textOption);
    QVector<double> keystrokes;
    auto type = [&](int key, const QString &character) {
        BenchPaintProbe searchProbe(search);
        qint64 end = -1;
        searchProbe.expect([&] { end = clock.nsecsElapsed(); });
        const qint64 start = clock.nsecsElapsed();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, character);
        QCoreApplication::sendEvent(search, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, character);
        QCoreApplication::sendEvent(search, &release);
        while (end < 0)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        keystrokes << (end - start) / 1e6;
        benchWait(20);
    };
    for (const QChar character : text)
        type(character.unicode() < 128 ? int(character.toUpper().unicode()) : int(Qt::Key_unknown), QString(character));
    for (int i = 0; i < text.size(); ++i)
        type(Qt::Key_Backspace, QString());

    std::vector<double> sorted(keystrokes.begin(), keystrokes.end());
    std::sort(sorted.begin(), sorted.end());
    const double median = sorted.empty() ? 0 : sorted[sorted.size() / 2];
    const double worst = sorted.empty() ? 0 : sorted.back();
    std::printf("{\"commands\": %d, \"first_paint_ms\": %.1f, \"search_max_ms\": %.2f, \"search_median_ms\": %.2f, "
                "\"keystrokes\": %d, \"all_rows_ms\": %.1f}\n",
                int(dialog->listedCommands().size()), firstPaint / 1e6, worst, median, int(keystrokes.size()),
                filled / 1e6);
    std::fflush(stdout);
    delete dialog;
    return 0;
}
