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

#include "BenchPaintProbe.h"

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

// Milliseconds from `change` to the end of the next paint of `watched` after
// `ready` holds.
double timeToRepaint(QWidget *watched, const std::function<void()> &change, const std::function<bool()> &ready)
{
    QElapsedTimer clock;
    BenchPaintProbe probe(watched);
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
    IKvProjectManager::getInstance(); // the document service builds on it
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
    benchWait(500);

    // The dialog as the menu opens it, up to its first paint.
    QElapsedTimer clock;
    clock.start();
    auto *dialog = new FSettingDialog(form);
    const qint64 built = clock.nsecsElapsed();
    FSettingDialogPrivate *shown = dialog->dialog();
    BenchPaintProbe dialogProbe(shown);
    qint64 firstPaint = -1;
    dialogProbe.expect([&] { firstPaint = clock.nsecsElapsed(); });
    shown->show();
    while (firstPaint < 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    shown->hide();
    delete dialog;
    benchWait(200);

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
        benchWait(200);
    }
    double theme = 0;
    for (int next : {int(ThemeLight), int(ThemeDark)}) {
        theme = std::max(theme, timeToRepaint(window, [&] { FAppearance::applyTheme(next); }, [] { return true; }));
        benchWait(200);
    }

    std::printf("{\"dialog_built_ms\": %.1f, \"dialog_first_paint_ms\": %.1f, \"language_ms\": %.1f, \"theme_ms\": %.1f}\n", built / 1e6,
                firstPaint / 1e6, language, theme);
    std::fflush(stdout);
    scene->stop();
    scene.reset();
    IKvProjectManager::getInstance()->closeProject();
    return 0;
}
