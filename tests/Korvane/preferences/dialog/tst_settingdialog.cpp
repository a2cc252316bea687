#include "../../../platform/kvwidgets/KvAccessibilityAudit.h"
#include "FAppearance.h"
#include "FGeneralSettings.h"
#include "FMessageDialog.h"
#include "FPerformanceSettings.h"
#include "FPreferenceSettingTrackEvent.h"
#include "FSettingDialog.h"
#include "FSettingDialogPrivate.h"
#include "FSettingFolderPanel.h"
#include "FSettingGeneralPanel.h"
#include "FSystemColorScheme.h"
#include "KvAppSettings.h"
#include "KvConfig.h"
#include "KvEventTrackingProxy.h"
#include "KvLocale.h"
#include "KvMessage.h"
#include "KvOpenFileLineEdit.h"
#include "KvSkin.h"
#include "KvTestLog.h"
#include "KvUIScene.h"

#include <QtTest>
#include <QtWidgets>

#include <functional>

namespace {

enum class Close { Ok, CancelButton, TitleBarClose, Escape };
enum class Pick { Language, Theme };

FGeneralSettings &general()
{
    return KvAppSettings::GetInstance()->GetSettings().GetGeneralSetting();
}

// The editing window stand-in: the view the dialog is opened from, with a
// scene that notes every message the panels announce.
class HostView : public QWidget, public KvUIView
{
public:
    HostView()
        : KvUIView(this)
    {
    }
    bool dispatchMessage(KvMessage *message) override
    {
        codes << message->code();
        message->setHandled(true);
        return true;
    }
    QList<int> codes;
};

// The commands sent to the helper processes, as the panel logs them.
QStringList helperCommands(const KvTestLog &log)
{
    QStringList commands;
    for (const QString &line : log.lines()) {
        const int at = line.indexOf(QLatin1String("to the helpers: "));
        if (at >= 0)
            commands << line.mid(at + 16);
    }
    return commands;
}

QString skinCommand(int theme)
{
    return QStringLiteral("CMD_NATIVEENGINE_METHORD_SKINTYPE_CHANGE %1").arg(FGeneralSettings::ThemeTypeToSkinKind(theme));
}

QString languageCommand(int language)
{
    return QStringLiteral("CMD_CHANGE_KORVANE_LANG %1").arg(language);
}

// Tracking records appended since `offset`, with the given event name.
QList<QJsonObject> trackedSince(qint64 offset, const QString &name)
{
    QFile file(getEventTrackingProxy()->eventFile());
    QList<QJsonObject> events;
    if (!file.open(QIODevice::ReadOnly))
        return events;
    file.seek(offset);
    while (!file.atEnd()) {
        const QJsonObject object = QJsonDocument::fromJson(file.readLine()).object();
        if (object.value(QLatin1String("event")).toString() == name)
            events << object.value(QLatin1String("fields")).toObject();
    }
    return events;
}

// Commands recorded for the tracker since `offset`.
QList<QJsonObject> trackerCommandsSince(qint64 offset, const QString &command)
{
    QFile file(getEventTrackingProxy()->eventFile());
    QList<QJsonObject> commands;
    if (!file.open(QIODevice::ReadOnly))
        return commands;
    file.seek(offset);
    while (!file.atEnd()) {
        const QJsonObject object = QJsonDocument::fromJson(file.readLine()).object();
        if (object.value(QLatin1String("command")).toString() == command)
            commands << object;
    }
    return commands;
}

qint64 trackingSize()
{
    return QFileInfo(getEventTrackingProxy()->eventFile()).size();
}

} // namespace

Q_DECLARE_METATYPE(Close)
Q_DECLARE_METATYPE(QList<Pick>)

class tst_SettingDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void liveChangesUndoneOnCancel_data();
    void liveChangesUndoneOnCancel();
    void trackingEncodings_data();
    void trackingEncodings();
    void encodings_data();
    void encodings();
    void dataCollectSwitch_data();
    void dataCollectSwitch();
    void setCurrentTab_data();
    void setCurrentTab();
    void resetRestoresEveryAnswer_data();
    void resetRestoresEveryAnswer();
    void languageRetranslatesOpenDialog();
    void languageList();
    void themePalettes_data();
    void themePalettes();

private:
    // Runs the dialog with `user` standing in for the person in front of it.
    int run(FSettingDialog &dialog, const std::function<void(FSettingDialogPrivate &)> &user);
    static FSettingGeneralPanel *generalPanel(FSettingDialogPrivate &dialog)
    {
        return static_cast<FSettingGeneralPanel *>(dialog.panel(FSettingDialogPrivate::GeneralTab));
    }

    HostView *m_host = nullptr;
    KvUIScene *m_scene = nullptr;
};

void tst_SettingDialog::init()
{
    KvAppSettings::GetInstance()->GetSettings().GetGeneralSetting().Reset();
    KvAppSettings::GetInstance()->GetSettings().GetPerformanceSettings().Reset();
    general().SetLanguage(KvLanguageEnglish);
    general().SetUITheme(ThemeDark);
    KvLocale::instance()->setLanguageType(KvLanguageEnglish);
    m_scene = new KvUIScene;
    m_host = new HostView;
    m_scene->addView(m_host);
    FMessageDialog::setAnswerer([](FMessageDialog &) { return int(FMessageDialog::Ok); });
}

void tst_SettingDialog::cleanup()
{
    KvFramelessDialog::setAnswerer({});
    FMessageDialog::setAnswerer({});
    delete m_scene;
    m_scene = nullptr;
    m_host = nullptr;
    KvLocale::instance()->setLanguageType(KvLanguageEnglish);
}

int tst_SettingDialog::run(FSettingDialog &dialog, const std::function<void(FSettingDialogPrivate &)> &user)
{
    KvFramelessDialog::setAnswerer([&user](KvFramelessDialog &shown) {
        auto &settings = static_cast<FSettingDialogPrivate &>(shown);
        settings.show();
        user(settings);
        return settings.result();
    });
    return dialog.DoModal();
}

void tst_SettingDialog::liveChangesUndoneOnCancel_data()
{
    QTest::addColumn<QList<int>>("languages");
    QTest::addColumn<QList<int>>("themes");
    QTest::addColumn<Close>("close");
    QTest::addColumn<QStringList>("commands");

    const QList<int> none;
    QTest::newRow("language, CANCEL") << QList<int>{KvLanguageGerman} << none << Close::CancelButton
                                      << QStringList{languageCommand(KvLanguageGerman), languageCommand(KvLanguageEnglish)};
    QTest::newRow("two languages, title bar close")
        << QList<int>{KvLanguageFrench, KvLanguageGerman} << none << Close::TitleBarClose
        << QStringList{languageCommand(KvLanguageFrench), languageCommand(KvLanguageGerman),
                       languageCommand(KvLanguageEnglish)};
    QTest::newRow("theme, Escape") << none << QList<int>{ThemeLight} << Close::Escape
                                   << QStringList{skinCommand(ThemeLight), skinCommand(ThemeDark)};
    QTest::newRow("theme and back, nothing on CANCEL")
        << none << QList<int>{ThemeLight, ThemeDark} << Close::CancelButton
        << QStringList{skinCommand(ThemeLight), skinCommand(ThemeDark)};
    QTest::newRow("both, theme restored first")
        << QList<int>{KvLanguageGerman} << QList<int>{ThemeSystemDefault} << Close::TitleBarClose
        << QStringList{languageCommand(KvLanguageGerman), skinCommand(ThemeSystemDefault), skinCommand(ThemeDark),
                       languageCommand(KvLanguageEnglish)};
    QTest::newRow("OK keeps both") << QList<int>{KvLanguageFrench} << QList<int>{ThemeLight} << Close::Ok
                                   << QStringList{languageCommand(KvLanguageFrench), skinCommand(ThemeLight)};
}

// Language and theme reach the store, the helpers and the interface when
// picked; every way of leaving but OK puts back what the dialog found.
void tst_SettingDialog::liveChangesUndoneOnCancel()
{
    QFETCH(QList<int>, languages);
    QFETCH(QList<int>, themes);
    QFETCH(Close, close);
    QFETCH(QStringList, commands);

    KvTestLog log;
    FSettingDialog dialog(m_host);
    const int result = run(dialog, [&](FSettingDialogPrivate &shown) {
        FSettingGeneralPanel *panel = generalPanel(shown);
        for (int language : languages) {
            const int index = panel->languageCombo()->findData(language);
            QVERIFY2(index >= 0, "the language has a catalogue and is offered");
            panel->languageCombo()->setCurrentIndex(index);
            QCOMPARE(general().GetLanguage(), language);
            QCOMPARE(KvLocale::instance()->languageType(), language);
        }
        for (int theme : themes) {
            panel->themeCombo()->setCurrentIndex(panel->themeCombo()->findData(theme));
            QCOMPARE(general().GetUITheme(), theme);
        }
        if (!themes.isEmpty() && themes.last() == ThemeLight)
            QCOMPARE(KvSkin::instance()->palette().name(), QStringLiteral("light"));
        switch (close) {
        case Close::Ok:
            shown.button(FSettingDialogPrivate::Accepted)->click();
            break;
        case Close::CancelButton:
            shown.button(FSettingDialogPrivate::Cancelled)->click();
            break;
        case Close::TitleBarClose:
            shown.closeButton()->click();
            break;
        case Close::Escape:
            QTest::keyClick(&shown, Qt::Key_Escape);
            break;
        }
    });

    const bool ok = close == Close::Ok;
    QCOMPARE(result, ok ? 1 : 0);
    QCOMPARE(helperCommands(log), commands);
    QCOMPARE(general().GetLanguage(), ok && !languages.isEmpty() ? languages.last() : int(KvLanguageEnglish));
    QCOMPARE(general().GetUITheme(), ok && !themes.isEmpty() ? themes.last() : int(ThemeDark));
    QCOMPARE(KvLocale::instance()->languageType(), general().GetLanguage());
    QCOMPARE(KvSkin::instance()->palette().name(),
             general().GetUITheme() == ThemeLight ? QStringLiteral("light") : QStringLiteral("dark"));
    QVERIFY2(log.errors().isEmpty(), qPrintable(log.errors().join('\n')));
    general().SetUITheme(ThemeDark);
    KvSkin::instance()->setPalette(KvSkinPalette::dark());
}

void tst_SettingDialog::trackingEncodings_data()
{
    QTest::addColumn<int>("theme");
    QTest::addColumn<int>("updateDays");
    QTest::addColumn<QSize>("proxySize");
    QTest::addColumn<QString>("themeText");
    QTest::addColumn<QString>("updateText");
    QTest::addColumn<int>("storedUpdate");
    QTest::addColumn<QString>("proxyText");

    QTest::newRow("defaults") << 1 << 1 << QSize(1920, 1080) << "dark" << "every_day" << 1 << "1920*1080";
    QTest::newRow("system, never") << 0 << 0 << QSize(1280, 720) << "default" << "never" << 0 << "1280*720";
    QTest::newRow("light, weekly") << 2 << 7 << QSize(3840, 2160) << "light" << "every_week" << 7 << "3840*2160";
    // 30 days has no item: the box shows the first one, and OK stores that.
    QTest::newRow("monthly becomes daily") << 1 << 30 << QSize(1920, 1080) << "dark" << "every_day" << 1 << "1920*1080";
}

void tst_SettingDialog::trackingEncodings()
{
    QFETCH(int, theme);
    QFETCH(int, updateDays);
    QFETCH(QSize, proxySize);
    QFETCH(QString, themeText);
    QFETCH(QString, updateText);
    QFETCH(int, storedUpdate);
    QFETCH(QString, proxyText);

    general().SetUITheme(theme);
    general().SetCheckUpdate(updateDays);
    KvAppSettings::GetInstance()->GetSettings().GetPerformanceSettings().SetAutomaticallyCreateProxyResolution(proxySize);
    KvTestLog log;
    const qint64 offset = trackingSize();
    FSettingDialog dialog(m_host);
    QCOMPARE(run(dialog, [](FSettingDialogPrivate &shown) { shown.button(FSettingDialogPrivate::Accepted)->click(); }), 1);

    // OK without changes: every page's step in order, saved, nothing sent.
    QStringList steps;
    for (const QString &line : log.lines()) {
        for (const char *step : {"DoOk ", "Done Finished", "FSETTINGS Save Finished"}) {
            const int at = line.indexOf(QLatin1String(step));
            if (at >= 0)
                steps << line.mid(at);
        }
    }
    QCOMPARE(steps, (QStringList{"DoOk 0", "DoOk 1", "DoOk 2", "DoOk 3", "DoOk 4", "Done Finished",
                                 "FSETTINGS Save Finished"}));
    QCOMPARE(m_host->codes, QList<int>());
    QVERIFY(helperCommands(log).isEmpty());
    QVERIFY2(log.errors().isEmpty(), qPrintable(log.errors().join('\n')));

    QCOMPARE(general().GetCheckUpdate(), storedUpdate);
    const QList<QJsonObject> events = trackedSince(offset, QLatin1String(FPreferenceSettingTrackEvent::kName));
    QCOMPARE(events.size(), 1);
    const QJsonObject fields = events.first();
    QCOMPARE(fields.size(), 11);
    QCOMPARE(fields.value("theme").toString(), themeText);
    QCOMPARE(fields.value("update_check").toString(), updateText);
    QCOMPARE(fields.value("proxy_resolution").toString(), proxyText);
    QVERIFY(fields.value("background_render_delay").isDouble());
    QVERIFY(fields.value("snapshot_format").isString());
}

void tst_SettingDialog::encodings_data()
{
    QTest::addColumn<int>("theme");
    QTest::addColumn<int>("updateDays");
    QTest::addColumn<QSize>("proxySize");
    QTest::addColumn<QString>("themeText");
    QTest::addColumn<QString>("updateText");
    QTest::addColumn<QString>("proxyText");

    QTest::newRow("numbers outside the tables") << 3 << 2 << QSize(640, 360) << "unknow" << "unknow" << "640*360";
    QTest::newRow("negative") << -1 << -1 << QSize(1, 1) << "unknow" << "unknow" << "1*1";
    QTest::newRow("invalid size") << 0 << 30 << QSize() << "default" << "every_month" << "";
    QTest::newRow("negative size") << 2 << 7 << QSize(-1, 720) << "light" << "every_week" << "";
}

// Values the store refuses or a later version may add still go out readable.
void tst_SettingDialog::encodings()
{
    QFETCH(int, theme);
    QFETCH(int, updateDays);
    QFETCH(QSize, proxySize);
    QFETCH(QString, themeText);
    QFETCH(QString, updateText);
    QFETCH(QString, proxyText);

    QCOMPARE(FPreferenceSettingTrackEvent::themeText(theme), themeText);
    QCOMPARE(FPreferenceSettingTrackEvent::updateCheckText(updateDays), updateText);
    QCOMPARE(FPreferenceSettingTrackEvent::proxyResolutionText(proxySize), proxyText);
}

void tst_SettingDialog::dataCollectSwitch_data()
{
    QTest::addColumn<bool>("stored");
    QTest::addColumn<bool>("ticked");

    QTest::newRow("switched off") << true << false;
    QTest::newRow("switched on") << false << true;
    QTest::newRow("left on") << true << true;
    QTest::newRow("left off") << false << false;
}

// The tracker hears of the improvement programme only when it changed.
void tst_SettingDialog::dataCollectSwitch()
{
    QFETCH(bool, stored);
    QFETCH(bool, ticked);

    general().setDataCollectEnable(stored);
    const qint64 offset = trackingSize();
    FSettingDialog dialog(m_host);
    run(dialog, [ticked](FSettingDialogPrivate &shown) {
        generalPanel(shown)->dataCollectBox()->setChecked(ticked);
        shown.button(FSettingDialogPrivate::Accepted)->click();
    });

    QCOMPARE(general().isDataCollectEnable(), ticked);
    const bool changed = stored != ticked;
    const QList<QJsonObject> events = trackedSince(offset, QStringLiteral("data_send_close"));
    QCOMPARE(events.size(), changed ? 1 : 0);
    if (changed)
        QCOMPARE(events.first().value("data_collect").toBool(), ticked);
    const QList<QJsonObject> commands = trackerCommandsSince(offset, QStringLiteral("TESSARACORPCMD_TRACKER_DATA_COLLECT"));
    QCOMPARE(commands.size(), changed ? 1 : 0);
    if (changed)
        QCOMPARE(commands.first().value("contents").toVariant().toStringList(), QStringList{ticked ? "1" : "0"});
}

void tst_SettingDialog::setCurrentTab_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("shown");

    QTest::newRow("General") << 0 << 0;
    QTest::newRow("Folders") << 1 << 1;
    QTest::newRow("Performance") << 4 << 4;
    QTest::newRow("5 is ignored") << 5 << 0;
    QTest::newRow("negative is ignored") << -1 << 0;
}

void tst_SettingDialog::setCurrentTab()
{
    QFETCH(int, index);
    QFETCH(int, shown);

    m_host->show();
    FSettingDialog dialog(m_host);
    dialog.SetCurrentTab(index);
    FSettingDialogPrivate *d = dialog.dialog();
    QCOMPARE(d->currentTab(), shown);
    run(dialog, [&](FSettingDialogPrivate &open) {
        QCOMPARE(open.currentTab(), shown);
        QCOMPARE(open.size(), QSize(int(KvFramelessDialog::StandardWidth), FSettingDialogPrivate::kHeight));
        QWidget *downloads = open.folderPanel()->field(FSettingFolderPanel::DownloadRow)->lineEdit();
        QCOMPARE(open.focusWidget() == downloads, index == 1);
        open.button(FSettingDialogPrivate::Cancelled)->click();
    });
}

namespace {

struct Answer
{
    const char *name;
    std::function<void(bool)> set;
    std::function<bool()> get;
    bool afterReset;
};

const QVector<Answer> &answers()
{
    static const QVector<Answer> table = [] {
        QVector<Answer> rows;
        FGeneralSettings *g = &general();
        KvConfig *c = KvConfig::Instance();
#define KV_GENERAL(setter, getter, value)                                                                          \
    rows.append({#setter, [g](bool v) { g->setter(v); }, [g] { return g->getter(); }, value})
#define KV_CONFIG(setter, getter, value)                                                                           \
    rows.append({#setter, [c](bool v) { c->setter(v); }, [c] { return c->getter(); }, value})
        KV_GENERAL(SetAlwaysAskMatchDirty, GetAlwaysAskMatchDirty, false);
        KV_GENERAL(SetMediaMatchProjShow, GetMediaMatchProjShow, true);
        KV_GENERAL(SetAlwaysAskTextExtraLong, GetAlwaysAskTextExtraLong, true);
        KV_GENERAL(SetSTTDeleteTaskNoTip, GetSTTDeleteTaskNoTip, false);
        KV_GENERAL(SetTTSDeleteTaskNoTip, GetTTSDeleteTaskNoTip, false);
        KV_GENERAL(setAlwaysConfirmDownlaodResolution, getAlwaysConfirmDownlaodResolution, true);
        KV_GENERAL(setShowArchiveProjectTip, getShowArchiveProjectTip, true);
        KV_GENERAL(setVCGDownloadVideoNoTip, getVCGDownloadVideoNoTip, false);
        KV_GENERAL(setVCGDownloadPhotoNoTip, getVCGDownloadPhotoNoTip, false);
        KV_CONFIG(setMediaDeleteConfirm, isMediaDeleteConfirm, true);
        KV_CONFIG(SetProjectTemplateGuidanceNoNeedShowThisRun, IsProjectTemplateGuidanceNoNeedShowThisRun, false);
        KV_CONFIG(SetProjectTemplateGuidanceNoNeedShow, IsProjectTemplateGuidanceNoNeedShow, false);
        KV_CONFIG(SetProjectTemplateBackupCustomShow, IsProjectTemplateBackupCustomShow, false);
        KV_CONFIG(SetProjectTemplateShareCustomShow, IsProjectTemplateShareCustomShow, false);
        KV_CONFIG(SetProjectTemplateFirstApplyToTimeline, IsProjectTemplateFirstApplyToTimeline, false);
        KV_CONFIG(setCustomProjectTemplateShowNext, isCustomProjectTemplateShowNext, false);
        KV_CONFIG(SetProjectTemplateInsertReplaceNoNeedShow, IsProjectTemplateInsertReplaceNoNeedShow, false);
        KV_CONFIG(SetMediaCustomTipNoNeedShow, IsMediaCustomTipNoNeedShow, false);
        KV_CONFIG(setMediaFolderNewLogo_NoNeedShow, isMediaFolderNewLogo_NoNeedShow, false);
        KV_CONFIG(setLossLessRemoveConfirm, isLossLessRemoveConfirm, false);
#undef KV_GENERAL
#undef KV_CONFIG
        return rows;
    }();
    return table;
}

} // namespace

void tst_SettingDialog::resetRestoresEveryAnswer_data()
{
    QTest::addColumn<int>("row");
    for (int row = 0; row < answers().size(); ++row)
        QTest::newRow(answers().at(row).name) << row;
}

// "Reset" works at once and survives CANCEL: it is not one of the undone changes.
void tst_SettingDialog::resetRestoresEveryAnswer()
{
    QFETCH(int, row);
    QCOMPARE(answers().size(), 20);
    for (const Answer &answer : answers())
        answer.set(!answer.afterReset);

    FSettingDialog dialog(m_host);
    run(dialog, [](FSettingDialogPrivate &shown) {
        generalPanel(shown)->resetButton()->click();
        shown.button(FSettingDialogPrivate::Cancelled)->click();
    });
    QCOMPARE(answers().at(row).get(), answers().at(row).afterReset);
}

// Picking a language in the open dialog turns the dialog itself over, and
// the English sizes of the General page give way.
void tst_SettingDialog::languageRetranslatesOpenDialog()
{
    FSettingDialog dialog(m_host);
    run(dialog, [](FSettingDialogPrivate &shown) {
        FSettingGeneralPanel *panel = generalPanel(shown);
        QCOMPARE(shown.title(), QStringLiteral("Preferences"));
        const QStringList unnamed = KvAccessibilityAudit::unnamedControls(panel);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join('\n')));
        QCOMPARE(panel->resetButton()->width(), 71);
        QCOMPARE(panel->dontShowMessageBox()->height(), 20);
        panel->languageCombo()->setCurrentIndex(panel->languageCombo()->findData(KvLanguageGerman));
        QTRY_COMPARE(shown.title(), QStringLiteral("Einstellungen"));
        QCOMPARE(shown.tabWidget()->tabText(0), QStringLiteral("Allgemein"));
        QCOMPARE(shown.button(FSettingDialogPrivate::Cancelled)->text(), QStringLiteral("ABBRECHEN"));
        QCOMPARE(panel->themeCombo()->currentText(), QStringLiteral("Dunkler Modus"));
        QCOMPARE(panel->dontShowMessageBox()->height(), 30);
        QTest::keyClick(panel->themeCombo(), Qt::Key_Down);
        QCOMPARE(general().GetUITheme(), int(ThemeLight));
        shown.button(FSettingDialogPrivate::Cancelled)->click();
        QTRY_COMPARE(shown.title(), QStringLiteral("Preferences"));
    });
    QCOMPARE(general().GetLanguage(), int(KvLanguageEnglish));
}

// The languages offered are those with a catalogue, in id order, each under
// its own name; one whose catalogue is missing falls back to English texts.
void tst_SettingDialog::languageList()
{
    FSettingGeneralPanel panel;
    QStringList names;
    QList<int> ids;
    for (int i = 0; i < panel.languageCombo()->count(); ++i) {
        names << panel.languageCombo()->itemText(i);
        ids << panel.languageCombo()->itemData(i).toInt();
    }
    QCOMPARE(ids, (QList<int>{KvLanguageEnglish, KvLanguageGerman, KvLanguageFrench}));
    QCOMPARE(names, (QStringList{"English", "Deutsch", QString::fromUtf8("Français")}));

    KvTestLog log;
    general().SetLanguage(KvLanguageJapanese);
    panel.Load();
    QCOMPARE(panel.languageCombo()->currentIndex(), 0);
    FAppearance::applyLanguage(KvLanguageJapanese);
    QCOMPARE(KvLocale::instance()->languageCode(), QStringLiteral("ja"));
    QCOMPARE(QCoreApplication::translate("FSettingDialogPrivate", "Preferences"), QStringLiteral("Preferences"));
    FAppearance::applyLanguage(99);
    QCOMPARE(KvLocale::instance()->languageType(), int(KvLanguageEnglish));
    QVERIFY(log.hasError("interface language 99 is unknown"));
}

void tst_SettingDialog::themePalettes_data()
{
    QTest::addColumn<int>("theme");
    QTest::addColumn<int>("desktop");
    QTest::addColumn<QString>("palette");

    QTest::newRow("dark") << int(ThemeDark) << int(FSystemColorScheme::Light) << "dark";
    QTest::newRow("light") << int(ThemeLight) << int(FSystemColorScheme::Dark) << "light";
    QTest::newRow("system, light desktop") << int(ThemeSystemDefault) << int(FSystemColorScheme::Light) << "light";
    QTest::newRow("system, dark desktop") << int(ThemeSystemDefault) << int(FSystemColorScheme::Dark) << "dark";
    QTest::newRow("system, desktop unknown") << int(ThemeSystemDefault) << int(FSystemColorScheme::Unknown) << "dark";
    QTest::newRow("unknown theme") << 9 << int(FSystemColorScheme::Light) << "dark";
}

void tst_SettingDialog::themePalettes()
{
    QFETCH(int, theme);
    QFETCH(int, desktop);
    QFETCH(QString, palette);

    const KvSkinPalette chosen = FAppearance::paletteFor(theme, desktop);
    QCOMPARE(chosen.name(), palette);
    // Every colour the style sheet names exists in both skins.
    QCOMPARE(chosen.tokens(), KvSkinPalette::dark().tokens());
    QCOMPARE(FSystemColorScheme::fromGtkTheme(QStringLiteral("Adwaita:dark")), FSystemColorScheme::Dark);
    QCOMPARE(FSystemColorScheme::fromGtkTheme(QStringLiteral("Arc-Dark")), FSystemColorScheme::Dark);
    QCOMPARE(FSystemColorScheme::fromGtkTheme(QStringLiteral("Adwaita")), FSystemColorScheme::Light);
    QCOMPARE(FSystemColorScheme::fromGtkTheme(QString()), FSystemColorScheme::Unknown);
    QCOMPARE(FSystemColorScheme::fromPortalValue(2), FSystemColorScheme::Light);
    QCOMPARE(FSystemColorScheme::fromPortalValue(0), FSystemColorScheme::Unknown);
}

QTEST_MAIN(tst_SettingDialog)
#include "tst_settingdialog.moc"
