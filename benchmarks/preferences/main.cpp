// The editing window of a new project on screen, then, reporting as one JSON line:
//   dialog_first_paint_ms  construction of the preferences dialog to the end of
//                          its first paint, every panel loaded from the store
//   language_ms            a language switch (German, then back to English) to
//                          the end of the editing window's repaint with the
//                          menus retranslated; the slower of the two
//   theme_ms               a theme switch (light, then back to dark) to the end
//                          of the editing window's repaint; the slower of the two
//
//   korvane_preferences_bench
#include "FAppearance.h"
#include "FGeneralSettings.h"
#include "FProjectDocProxy.h"
#include "FSettingDialog.h"
#include "FSettingDialogPrivate.h"
#include "FMessageDialog.h"
#include "IKvAppInfo.h"
#include "IKvProjectManager.h"
#include "KorvaneMainForm.h"
#include "KorvaneScene.h"
#include "KvAppInfoId.h"
#include "KvConfig.h"
#include "KvLocale.h"
#include "KvProjectAspectRatioType.h"
#include "KvSkin.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

// Calls `done` once the watched widget has finished its next paint: a zero
// timer posted from the paint event runs once that paint and its flush are done.
class PaintProbe : public QObject
{
public:
    explicit PaintProbe(QWidget *watched) { watched->installEventFilter(this); }
    void expect(std::function<void()> done) { m_done = std::move(done); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_done) {
            QTimer::singleShot(0, this, m_done);
            m_done = nullptr;
        }
        return false;
    }

private:
    std::function<void()> m_done;
};

void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Milliseconds from `change` to the end of the next paint of `watched` after
// `ready` holds.
double timeToRepaint(QWidget *watched, const std::function<void()> &change, const std::function<bool()> &ready)
{
    QElapsedTimer clock;
    PaintProbe probe(watched);
    qint64 end = -1;
    clock.start();
    change();
    while (end < 0) {
        if (ready())
            probe.expect([&] { end = clock.nsecsElapsed(); });
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return end / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Korvane"));
    KvSkin::instance()->applyTo(&app);
    QTemporaryDir dir;
    IKvAppInfo::getInstance()->setValue(KvAppInfoId::RenderDir, dir.filePath("render"));
    IKvAppInfo::getInstance()->setValue(KvAppInfoId::MediaProxyDir, dir.filePath("proxy"));
    FMessageDialog::setAnswerer([](FMessageDialog &) { return int(FMessageDialog::Ok); });
    KvConfig::Instance()->SetCreativeHintFirstTimeShowed(true);
    FProjectDocProxy::instance()->init();
    FProjectDocProxy::instance()->newProject(KvProjectAspectRatio_16_9);
    FAppearance::applyStored();
    QTimer::singleShot(30000, &app, [] {
        std::fprintf(stderr, "timed out\n");
        std::exit(1);
    });

    auto scene = std::make_unique<KorvaneScene>();
    scene->createMainForm();
    KorvaneMainForm *form = scene->mainForm();
    form->resize(1280, 720);
    form->show();
    wait(500);

    // The dialog as the menu opens it, up to its first paint.
    QElapsedTimer clock;
    clock.start();
    auto *dialog = new FSettingDialog(form);
    const qint64 built = clock.nsecsElapsed();
    FSettingDialogPrivate *shown = dialog->dialog();
    PaintProbe dialogProbe(shown);
    qint64 firstPaint = -1;
    dialogProbe.expect([&] { firstPaint = clock.nsecsElapsed(); });
    shown->show();
    while (firstPaint < 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    shown->hide();
    delete dialog;
    wait(200);

    QMenu *fileMenu = form->findChild<QMenu *>(QStringLiteral("KorvaneMenuBar_File"));
    if (!fileMenu) {
        std::fprintf(stderr, "no File menu\n");
        return 1;
    }
    QWidget *window = form->window();
    double language = 0;
    for (const auto &step : {std::make_pair(int(KvLanguageGerman), QStringLiteral("Datei")),
                             std::make_pair(int(KvLanguageEnglish), QStringLiteral("File"))}) {
        language = std::max(language, timeToRepaint(
                                          window, [&] { FAppearance::applyLanguage(step.first); },
                                          [&] { return fileMenu->title() == step.second; }));
        wait(200);
    }
    double theme = 0;
    for (int next : {int(ThemeLight), int(ThemeDark)}) {
        theme = std::max(theme, timeToRepaint(window, [&] { FAppearance::applyTheme(next); }, [] { return true; }));
        wait(200);
    }

    std::printf("{\"dialog_built_ms\": %.1f, \"dialog_first_paint_ms\": %.1f, \"language_ms\": %.1f, \"theme_ms\": %.1f}\n", built / 1e6,
                firstPaint / 1e6, language, theme);
    std::fflush(stdout);
    scene->stop();
    scene.reset();
    IKvProjectManager::getInstance()->closeProject();
    return 0;
}
