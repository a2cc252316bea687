#include "../../platform/kvwidgets/KvAccessibilityAudit.h"
#include "FMessageDialog.h"
#include "IKvMediaLibrary.h"
#include "FThirdPartyCloud.h"
#include "IKvTimeline.h"
#include "KvAudioRecordView.h"
#include "KvProjectPlayer.h"
#include "FProjectDocProxy.h"
#include "IKvAppInfo.h"
#include "IKvProject.h"
#include "IKvProjectManager.h"
#include "KorvaneMainForm.h"
#include "KorvaneMainFormPresenter.h"
#include "KorvaneScene.h"
#include "KorvaneTitleBar.h"
#include "KorvaneTitleBarPresenter.h"
#include "KvAppInfoId.h"
#include "KvAppSettings.h"
#include "KvCommunicatorCommands.h"
#include "KvCommunicatorMsg.h"
#include "KvConfig.h"
#include "KvDataMessage.h"
#include "KvEditingViewType.h"
#include "KvFramelessDialog.h"
#include "KvTabFramelessDialog.h"
#include "KvMainFormMessageId.h"
#include "KvProjectAspectRatioType.h"
#include "KvSkin.h"
#include "KvSplitter.h"
#include "KvTestLog.h"
#include "KvTipWidget.h"
#include "KvToastWidget.h"
#include "KvTopLevelWindowTitleBar.h"

#include <QtTest>
#include <QtWidgets>

namespace {

FGeneralSettings &general()
{
    return KvAppSettings::GetInstance()->GetSettings().GetGeneralSetting();
}

QString commandText(const QString &command, const QStringList &contents)
{
    return KvCommunicatorMsg::toText({KvCommunicatorMsg(command, contents)});
}

// What the form shows, seen from outside: which widget sits where.
QString layoutOf(KorvaneMainForm *form)
{
    auto name = [form](QWidget *widget) -> QString {
        if (widget == form->upperSplitter())
            return QStringLiteral("upper");
        if (widget == form->moduleStack())
            return QStringLiteral("stack");
        if (widget == form->view(KvEditingViewType::Player)->widget())
            return QStringLiteral("player");
        if (widget == form->view(KvEditingViewType::Timeline)->widget())
            return QStringLiteral("timeline");
        return QStringLiteral("?");
    };
    QStringList parts;
    for (KvSplitter *splitter : {form->outerSplitter(), form->upperSplitter()}) {
        QStringList names;
        for (int i = 0; i < splitter->count(); ++i)
            names << name(splitter->widget(i));
        parts << QStringLiteral("%1[%2]")
                     .arg(splitter->orientation() == Qt::Horizontal ? QLatin1Char('H') : QLatin1Char('V'))
                     .arg(names.join(QLatin1Char(',')));
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace

class TestKorvaneMainForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void geometry_data();
    void geometry();
    void resizeLaysOut_data();
    void resizeLaysOut();
    void orientation_data();
    void orientation();
    void formDispatch_data();
    void formDispatch();
    void presenterDispatch_data();
    void presenterDispatch();
    void helperCommands_data();
    void helperCommands();
    void closeRequest_data();
    void closeRequest();
    void voiceOver_data();
    void voiceOver();
    void hintBlinkStopsAtClick();
    void cloudDownloads_data();
    void cloudDownloads();
    void grabShowsNoLightArea();

private:
    KorvaneMainForm *form() const { return m_scene->mainForm(); }

    QTemporaryDir m_dir;
    std::unique_ptr<KorvaneScene> m_scene;
    QStringList m_dialogs;
    FProjectDocProxy::CloseDecision m_decision = FProjectDocProxy::CloseDecision::Discard;
};

void TestKorvaneMainForm::initTestCase()
{
    QVERIFY(m_dir.isValid());
    IKvAppInfo *info = IKvAppInfo::getInstance();
    info->setValue(KvAppInfoId::RenderDir, m_dir.filePath("render"));
    info->setValue(KvAppInfoId::MediaProxyDir, m_dir.filePath("proxy"));
    FPerformanceSettings &performance = KvAppSettings::GetInstance()->GetSettings().GetPerformanceSettings();
    performance.SetPreviewRenderFilesFolder(m_dir.filePath("render"));
    performance.SetProxyFileFolder(m_dir.filePath("proxy"));
    FProjectDocProxy::instance()->init();
    FProjectDocProxy::instance()->setCloseDecisionProvider([this](const QString &) { return m_decision; });
    FMessageDialog::setAnswerer([this](FMessageDialog &dialog) {
        m_dialogs << dialog.objectName() + QLatin1Char('|') + dialog.text();
        return int(FMessageDialog::Ok);
    });
    // No first-display hint unless a test asks for it.
    KvConfig::Instance()->SetCreativeHintFirstTimeShowed(true);
}

void TestKorvaneMainForm::init()
{
    m_dialogs.clear();
    m_decision = FProjectDocProxy::CloseDecision::Discard;
    KvConfig::Instance()->setVerticalScreen(false);
    KvConfig::Instance()->setOpenFXPopupExist(false);
    QVERIFY(FProjectDocProxy::instance()->newProject(KvProjectAspectRatio_16_9));
    m_scene = std::make_unique<KorvaneScene>();
    m_scene->createMainForm();
}

void TestKorvaneMainForm::cleanup()
{
    m_scene->stop();
    m_scene.reset();
    IKvProjectManager::getInstance()->closeProject();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestKorvaneMainForm::cleanupTestCase()
{
    FMessageDialog::setAnswerer({});
    IKvProjectManager::releaseInstance();
}

void TestKorvaneMainForm::geometry_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("maximized");
    QTest::addColumn<QRect>("titleBar");
    QTest::addColumn<QRect>("line");
    QTest::addColumn<QRect>("splitter");
    QTest::addColumn<int>("radius");

    QTest::newRow("normal 1280x720") << QSize(1280, 720) << false << QRect(2, 2, 1276, 32) << QRect(2, 34, 1276, 1)
                                     << QRect(2, 35, 1276, 683) << 8;
    QTest::newRow("maximized 1280x720") << QSize(1280, 720) << true << QRect(0, 0, 1280, 32) << QRect(0, 32, 1280, 1)
                                        << QRect(0, 33, 1280, 687) << 0;
    QTest::newRow("normal minimum") << QSize(1024, 600) << false << QRect(2, 2, 1020, 32) << QRect(2, 34, 1020, 1)
                                    << QRect(2, 35, 1020, 563) << 8;
    QTest::newRow("maximized 1920x1080") << QSize(1920, 1080) << true << QRect(0, 0, 1920, 32)
                                         << QRect(0, 32, 1920, 1) << QRect(0, 33, 1920, 1047) << 0;
}

void TestKorvaneMainForm::geometry()
{
    QFETCH(QSize, size);
    QFETCH(bool, maximized);
    QFETCH(QRect, titleBar);
    QFETCH(QRect, line);
    QFETCH(QRect, splitter);
    QFETCH(int, radius);

    const KvMainFormGeometry geometry = KorvaneMainForm::geometryFor(size, maximized);
    QCOMPARE(geometry.titleBar, titleBar);
    QCOMPARE(geometry.line, line);
    QCOMPARE(geometry.outerSplitter, splitter);
    QCOMPARE(geometry.cornerRadius, radius);
    // The three fill the form from top to bottom with no gap.
    QCOMPARE(geometry.outerSplitter.y() + geometry.outerSplitter.height() + (maximized ? 0 : 2), size.height());
}

void TestKorvaneMainForm::resizeLaysOut_data()
{
    QTest::addColumn<bool>("maximized");
    QTest::newRow("normal") << false;
    QTest::newRow("maximized") << true;
}

void TestKorvaneMainForm::resizeLaysOut()
{
    QFETCH(bool, maximized);
    KorvaneMainForm *f = form();
    f->show();
    // Only sizes after the first show are the user's.
    f->resize(1280, 720);
    if (maximized)
        f->titleBar()->windowTitleBar()->setMaximized(true);
    QCoreApplication::processEvents();

    const KvMainFormGeometry expected = KorvaneMainForm::geometryFor(f->size(), maximized);
    QCOMPARE(f->titleBar()->geometry(), expected.titleBar);
    QCOMPARE(f->lineWidget()->geometry(), expected.line);
    QCOMPARE(f->outerSplitter()->geometry(), expected.outerSplitter);
    QCOMPARE(f->property("BorderVisible").toBool(), !maximized);
    QCOMPARE(f->property("BorderRadius").toBool(), !maximized);
    QCOMPARE(KvConfig::Instance()->getMainFormMaximizedConfig(), maximized);
    if (!maximized) {
        int width = 0;
        int height = 0;
        QVERIFY(KvConfig::Instance()->getMainFormSizeConfig(width, height));
        QCOMPARE(QSize(width, height), QSize(1280, 720));
    }
    f->titleBar()->windowTitleBar()->setMaximized(false);
}

void TestKorvaneMainForm::orientation_data()
{
    QTest::addColumn<bool>("storedVertical");
    QTest::addColumn<int>("toggles");
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QList<int>>("minimums");   // upper splitter: min width, min height

    const QString normal = QStringLiteral("V[upper,timeline] H[stack,player]");
    const QString vertical = QStringLiteral("H[upper,player] V[stack,timeline]");
    QTest::newRow("normal") << false << 0 << normal << QList<int>{0, 200};
    QTest::newRow("stored vertical") << true << 0 << vertical << QList<int>{658, 0};
    QTest::newRow("7015 once") << false << 1 << vertical << QList<int>{658, 0};
    QTest::newRow("7015 twice") << false << 2 << normal << QList<int>{0, 200};
    QTest::newRow("vertical, 7015 twice") << true << 2 << vertical << QList<int>{658, 0};
}

void TestKorvaneMainForm::orientation()
{
    QFETCH(bool, storedVertical);
    QFETCH(int, toggles);
    QFETCH(QString, layout);
    QFETCH(QList<int>, minimums);

    if (storedVertical) {
        // The stored orientation is read when the form is built.
        m_scene->stop();
        m_scene.reset();
        KvConfig::Instance()->setVerticalScreen(true);
        m_scene = std::make_unique<KorvaneScene>();
        m_scene->createMainForm();
    }
    for (int i = 0; i < toggles; ++i) {
        KvMessage toggle(KvMainFormMsg::ToggleVerticalScreen);
        QVERIFY(m_scene->sendMessage(&toggle));
    }
    KorvaneMainForm *f = form();
    QCOMPARE(layoutOf(f), layout);
    QCOMPARE(f->upperSplitter()->minimumWidth(), minimums.at(0));
    QCOMPARE(f->upperSplitter()->minimumHeight(), minimums.at(1));
    QCOMPARE(KvConfig::Instance()->isVerticalScreen(), layout.startsWith(QLatin1Char('H')));
    QVERIFY(!f->outerSplitter()->isHidden());
    QVERIFY(f->view(KvEditingViewType::Player)->widget()->minimumWidth() >= 361);
}

void TestKorvaneMainForm::formDispatch_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QVariant>("payload");
    QTest::addColumn<bool>("withMedia");
    QTest::addColumn<bool>("handled");
    QTest::addColumn<QString>("expected");

    QTest::newRow("504 without media") << 504 << QVariant(QVariantList{1, 2}) << false << true
                                       << "dialog:You have no resource in project";
    QTest::newRow("504 with media") << 504 << QVariant(QVariantList{1, 2}) << true << true << "export:1,2";
    QTest::newRow("508 minimizes") << 508 << QVariant(0) << false << true << "minimized";
    QTest::newRow("509 centre tip") << 509 << QVariant(QStringLiteral("Hello")) << false << true << "tip:Hello";
    QTest::newRow("510 restart") << 510 << QVariant() << false << true << "restart";
    QTest::newRow("1017 failure toast") << 1017 << QVariant(QStringLiteral("It failed")) << false << true
                                        << "toast:It failed";
    QTest::newRow("1102 login") << 1102 << QVariant() << false << true << "login";
    QTest::newRow("1008 remembered") << 1008 << QVariant() << false << true << "answer:1";
    QTest::newRow("7015 orientation") << 7015 << QVariant() << false << true << "vertical";
    QTest::newRow("presenter range") << 2500 << QVariant() << false << true << "";
    QTest::newRow("unknown code") << 4242 << QVariant() << false << false << "";
}

void TestKorvaneMainForm::formDispatch()
{
    QFETCH(int, code);
    QFETCH(QVariant, payload);
    QFETCH(bool, withMedia);
    QFETCH(bool, handled);
    QFETCH(QString, expected);

    KorvaneMainForm *f = form();
    f->resize(1280, 720);
    f->show();
    if (withMedia) {
        const QString media = m_dir.filePath("clip.png");
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::red);
        image.save(media);
        QVERIFY(IKvProjectManager::getInstance()->currentProject()->addMedia(media) >= 0);
    }
    if (code == 1008)
        KvConfig::Instance()->SetAudioEffectOverwriteTipDontShow(true);
    QStringList seen;
    connect(f, &KorvaneMainForm::sigExportTimeline, this,
            [&seen](int a, int b) { seen << QStringLiteral("export:%1,%2").arg(a).arg(b); });
    connect(f, &KorvaneMainForm::sigRestartApp, this, [&seen] { seen << QStringLiteral("restart"); });
    connect(f, &KorvaneMainForm::sigLogin, this, [&seen] { seen << QStringLiteral("login"); });

    KvDataMessage message(code, payload);
    QCOMPARE(m_scene->sendMessage(&message), handled);
    QTest::qWait(20);

    for (const QString &dialog : qAsConst(m_dialogs))
        seen << QStringLiteral("dialog:") + dialog.section(QLatin1Char('|'), 1);
    if (f->isMinimized())
        seen << QStringLiteral("minimized");
    if (auto *tip = f->findChild<KvTipWidget *>(QStringLiteral("Tip_on_MainForm_Center")))
        seen << QStringLiteral("tip:") + tip->text();
    if (auto *toast = f->findChild<KvToastWidget *>())
        seen << QStringLiteral("toast:") + toast->text();
    if (message.answer().isValid())
        seen << QStringLiteral("answer:") + message.answer().toString();
    if (f->isVerticalScreenLayout())
        seen << QStringLiteral("vertical");

    if (expected.isEmpty()) {
        QVERIFY2(seen.isEmpty(), qPrintable(seen.join(';')));
    } else {
        QCOMPARE(seen.size(), 1);
        QVERIFY2(seen.first().startsWith(expected), qPrintable(seen.first()));
    }
    KvConfig::Instance()->SetAudioEffectOverwriteTipDontShow(false);
}

void TestKorvaneMainForm::presenterDispatch_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QVariant>("payload");
    QTest::addColumn<bool>("handled");
    QTest::addColumn<QString>("emitted");

    QTest::newRow("1001 floating edit") << 1001 << QVariant(QPoint(5, 6)) << true << "float:5,6";
    QTest::newRow("1100 login dialog") << 1100 << QVariant() << true << "login";
    QTest::newRow("1103 preferences tab") << 1103 << QVariant(3) << true << "prefs:3";
    QTest::newRow("1000 range start") << 1000 << QVariant() << true << "";
    QTest::newRow("3000 range end") << 3000 << QVariant() << true << "";
    QTest::newRow("3001 past the range") << 3001 << QVariant() << false << "";
    QTest::newRow("9005 property panel") << 9005 << QVariant() << false << "panel:1";
    QTest::newRow("9006 media library") << 9006 << QVariant() << false << "panel:0;hideText";
    QTest::newRow("501 project reset") << 501 << QVariant() << true << "panel:0;hideText";
    QTest::newRow("10006 backup switch") << 10006 << QVariant() << true << "";
    QTest::newRow("10007 backup interval") << 10007 << QVariant() << true << "";
    QTest::newRow("10008 backup folder") << 10008 << QVariant() << true << "";
    QTest::newRow("5023 false") << 5023 << QVariant(false) << false << "";
    QTest::newRow("999 unknown") << 999 << QVariant() << false << "";
}

void TestKorvaneMainForm::presenterDispatch()
{
    QFETCH(int, code);
    QFETCH(QVariant, payload);
    QFETCH(bool, handled);
    QFETCH(QString, emitted);

    auto *presenter = qobject_cast<KorvaneMainFormPresenter *>(form()->presenter());
    QVERIFY(presenter);
    QStringList seen;
    connect(presenter, &KorvaneMainFormPresenter::sigShowFloatingEditWidget, this,
            [&seen](QPoint pos) { seen << QStringLiteral("float:%1,%2").arg(pos.x()).arg(pos.y()); });
    connect(presenter, &KorvaneMainFormPresenter::sigShowLoginDialog, this, [&seen] { seen << "login"; });
    connect(presenter, &KorvaneMainFormPresenter::sigShowPreferencesDialog, this,
            [&seen](int tab) { seen << QStringLiteral("prefs:%1").arg(tab); });
    connect(presenter, &KorvaneMainFormPresenter::sigShowPropertyPanel, this,
            [&seen](bool show) { seen << QStringLiteral("panel:%1").arg(int(show)); });
    connect(presenter, &KorvaneMainFormPresenter::sigHideTextController, this, [&seen] { seen << "hideText"; });

    KvSaveSettings &save = KvAppSettings::GetInstance()->GetSettings().GetSaveSettings();
    save.SetAutoBackupProjectTime(5);
    // The preferences open modally on the form; they are cancelled here.
    QStringList dialogs;
    KvFramelessDialog::setAnswerer([&dialogs](KvFramelessDialog &dialog) {
        auto *tabs = qobject_cast<KvTabFramelessDialog *>(&dialog);
        dialogs << QStringLiteral("%1:%2").arg(dialog.objectName()).arg(tabs ? tabs->currentTab() : -1);
        return int(KvFramelessDialog::Closed);
    });
    KvDataMessage message(code, payload);
    QCOMPARE(presenter->dispatchMessage(&message), handled);
    KvFramelessDialog::setAnswerer({});
    QCOMPARE(seen.join(QLatin1Char(';')), emitted);
    QCOMPARE(dialogs, code == 1103 ? QStringList{QStringLiteral("FSettingDialog:3")} : QStringList());
    if (code == 10007)
        QCOMPARE(IKvProjectManager::getInstance()->autoBackupConfig().intervalSeconds, 300);
    if (code == 501)
        QVERIFY(general().GetMediaMatchProjShow());
}

void TestKorvaneMainForm::helperCommands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("contents");
    QTest::addColumn<bool>("minimizedBefore");
    QTest::addColumn<QString>("expected");

    QTest::newRow("capture folder") << QString(KvCommand::RecorderCapturedirNotifiy) << QStringList{"/tmp/captures"}
                                    << false << "capture:/tmp/captures";
    QTest::newRow("capture folder without a folder") << QString(KvCommand::RecorderCapturedirNotifiy) << QStringList{}
                                                     << false << "capture:/tmp/before";
    QTest::newRow("recorded file missing") << QString(KvCommand::RecorderFilepathNotifiy)
                                           << QStringList{"/nonexistent/rec.png", R"({"frame_rate":30})", "{}"}
                                           << true << "shown;notImported";
    QTest::newRow("recorder exit") << QString(KvCommand::RecorderEixtNotifiy) << QStringList{} << true << "shown";
    QTest::newRow("reopen when minimized") << QString(KvCommand::ReopenApp) << QStringList{" "} << true << "shown";
    QTest::newRow("another command") << QStringLiteral("CMD_SOMETHING_ELSE") << QStringList{"x"} << true
                                     << "minimized";
}

void TestKorvaneMainForm::helperCommands()
{
    QFETCH(QString, command);
    QFETCH(QStringList, contents);
    QFETCH(bool, minimizedBefore);
    QFETCH(QString, expected);

    KvTestLog log;
    KorvaneMainForm *f = form();
    f->resize(1280, 720);
    f->show();
    if (minimizedBefore)
        f->showMinimized();
    KvAppSettings::GetInstance()->GetSettings().GetFolderSettings().SetCaptureFileFolder(QStringLiteral("/tmp/before"));

    f->slotReceveMsgFrom(commandText(command, contents));

    QStringList seen;
    if (expected.startsWith(QLatin1String("capture:")))
        seen << QStringLiteral("capture:")
                    + KvAppSettings::GetInstance()->GetSettings().GetFolderSettings().GetCaptureFileFolder();
    else
        seen << (f->isMinimized() ? QStringLiteral("minimized") : QStringLiteral("shown"));
    if (log.count(QStringLiteral("does not exist; nothing imported")) == 1)
        seen << QStringLiteral("notImported");
    QCOMPARE(seen.join(QLatin1Char(';')), expected);
}

void TestKorvaneMainForm::closeRequest_data()
{
    QTest::addColumn<bool>("fxPopup");
    QTest::addColumn<bool>("speechRefuses");
    QTest::addColumn<bool>("showLibrary");
    QTest::addColumn<bool>("receiverKeeps");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QString>("emitted");

    QTest::newRow("FX popup open") << true << false << false << false << false << "";
    QTest::newRow("speech dialog refuses") << false << true << false << false << false << "";
    QTest::newRow("project library on") << false << false << true << false << true << "home";
    QTest::newRow("library off, closed") << false << false << false << false << true << "close";
    QTest::newRow("library off, receiver keeps it") << false << false << false << true << false << "close";
}

void TestKorvaneMainForm::closeRequest()
{
    QFETCH(bool, fxPopup);
    QFETCH(bool, speechRefuses);
    QFETCH(bool, showLibrary);
    QFETCH(bool, receiverKeeps);
    QFETCH(bool, closed);
    QFETCH(QString, emitted);

    KvTestLog log;
    KorvaneMainForm *f = form();
    f->resize(1280, 720);
    f->show();
    KvConfig::Instance()->setOpenFXPopupExist(fxPopup);
    KvConfig::Instance()->setMainPlayerVolume(50);
    general().SetShowProjectLibrary(showLibrary);
    f->setSpeechCloseCheckForTest([speechRefuses] { return !speechRefuses; });
    QStringList seen;
    connect(f, &KorvaneMainForm::sigBackHomepage, this, [&seen] { seen << "home"; });
    connect(f, &KorvaneMainForm::sigMainFormClose, this, [&seen, receiverKeeps](bool &ignore) {
        seen << "close";
        ignore = receiverKeeps;
    });

    QCloseEvent event;
    QApplication::sendEvent(f, &event);

    QCOMPARE(event.isAccepted(), closed);
    QCOMPARE(seen.join(QLatin1Char(';')), emitted);
    QCOMPARE(m_dialogs.size(), fxPopup ? 1 : 0);
    if (fxPopup)
        QVERIFY(m_dialogs.first().contains(QStringLiteral("please close the popup window \"FX Editor\" first.")));
    // The can-quit check closes the project before anyone is asked; the
    // speech dialog's check comes before it.
    QCOMPARE(IKvProjectManager::getInstance()->currentProject() != nullptr, fxPopup || speechRefuses);
    QCOMPARE(KvConfig::Instance()->getMainPlayerVolume(), speechRefuses ? 50 : -1);
    QCOMPARE(log.count(QStringLiteral("bCanShowProjectLibrary")), (fxPopup || speechRefuses) ? 0 : 1);
    general().SetShowProjectLibrary(false);
    KvConfig::Instance()->setOpenFXPopupExist(false);
}

void TestKorvaneMainForm::voiceOver_data()
{
    QTest::addColumn<bool>("mutedBefore");
    QTest::addColumn<bool>("record");

    QTest::newRow("recorded, was muted") << true << true;
    QTest::newRow("recorded, was not muted") << false << true;
    QTest::newRow("closed without recording") << true << false;
}

void TestKorvaneMainForm::voiceOver()
{
    QFETCH(bool, mutedBefore);
    QFETCH(bool, record);

    KvTestLog log;
    IKvProjectManager *manager = IKvProjectManager::getInstance();
    KvProjectPlayer *player = manager->player();
    QVERIFY(player);
    player->setMute(mutedBefore);
    const int mediaBefore = manager->currentProject()->mediaCount();
    const int clipsBefore = manager->timeline()->clipCount();
    auto *presenter = qobject_cast<KorvaneMainFormPresenter *>(form()->presenter());
    bool connectorOffWhileRecording = false;
    KvFramelessDialog::setAnswerer([&](KvFramelessDialog &dialog) {
        auto *view = qobject_cast<KvAudioRecordView *>(&dialog);
        if (view && record) {
            view->setOutputFolder(m_dir.filePath("voice"));
            // Recording mutes the player and holds the playheads apart.
            emit view->sigMute(true);
            if (!view->startCapture())
                return 0;
            connectorOffWhileRecording = !presenter->isPlayheadConnectorEnabled();
            view->finishCapture(1500);
        }
        return 0;
    });

    KvMessage message(513);
    QVERIFY(m_scene->sendMessage(&message));
    KvFramelessDialog::setAnswerer({});

    QCOMPARE(log.count(QStringLiteral("Main player's mute property is %1").arg(int(mutedBefore))), 1);
    QCOMPARE(player->isMute(), mutedBefore);
    QVERIFY(presenter->isPlayheadConnectorEnabled());
    QCOMPARE(connectorOffWhileRecording, record);
    QCOMPARE(manager->currentProject()->mediaCount(), mediaBefore + (record ? 1 : 0));
    QCOMPARE(manager->timeline()->clipCount(), clipsBefore + (record ? 1 : 0));
    QVERIFY2(log.errors().isEmpty(), qPrintable(log.errors().join('\n')));
}

void TestKorvaneMainForm::hintBlinkStopsAtClick()
{
    KorvaneMainForm *f = form();
    KorvaneTitleBarPresenter *titlePresenter = f->titleBarPresenter();
    QSignalSpy shine(titlePresenter, &KorvaneTitleBarPresenter::sigUpdateCreativeBtn);
    QSignalSpy orvala(f, &KorvaneMainForm::sigOpenOrvala);
    // The first tick lights the button, an Orvala request stops it.
    titlePresenter->setCreativeBtnShine(true);
    QVERIFY(titlePresenter->isCreativeBtnShining());
    QVERIFY(shine.wait(1500));
    QCOMPARE(shine.last().first().toBool(), true);
    emit titlePresenter->sigOpenOrvala(QStringLiteral("about:blank"));
    QCOMPARE(orvala.count(), 1);
    QCOMPARE(orvala.first().first().toString(), QStringLiteral("about:blank"));
}

// A file the cloud importer brings in joins the library at once, or waits
// while the player plays; a file that is gone by then is ignored.
void TestKorvaneMainForm::cloudDownloads_data()
{
    QTest::addColumn<bool>("playing");
    QTest::addColumn<bool>("fileThere");
    QTest::addColumn<int>("imported");
    QTest::addColumn<int>("waiting");
    QTest::newRow("stopped") << false << true << 1 << 0;
    QTest::newRow("playing") << true << true << 0 << 1;
    QTest::newRow("file gone") << false << false << 0 << 0;
}
void TestKorvaneMainForm::cloudDownloads()
{
    QFETCH(bool, playing);
    QFETCH(bool, fileThere);
    QFETCH(int, imported);
    QFETCH(int, waiting);
    const QString path = m_dir.filePath("cloud/sea.png");
    QVERIFY(QDir().mkpath(m_dir.filePath("cloud")));
    QFile::remove(path);
    if (fileThere)
        QVERIFY(QImage(64, 36, QImage::Format_RGB32).save(path));
    IKvMediaLibrary *library = IKvProjectManager::getInstance()->mediaLibrary();
    if (playing) {
        // Something to play: a still on the timeline.
        const QString still = m_dir.filePath("cloud/still.png");
        QVERIFY(QImage(64, 36, QImage::Format_RGB32).save(still));
        library->importFiles({still});
        QVERIFY(IKvProjectManager::getInstance()->timeline()->addMediaAtPlayhead(library->count() - 1) >= 0);
        QVERIFY(IKvProjectManager::getInstance()->player()->play());
    }
    const int before = library->count();
    emit FThirdPartyCloud::instance()->sigDownloadFinished(path);
    QTRY_COMPARE(library->count(), before + imported);
    QCOMPARE(form()->pendingMediaList().size(), waiting);
    IKvProjectManager::getInstance()->player()->stop();
}

void TestKorvaneMainForm::grabShowsNoLightArea()
{
    KvSkin::instance()->applyTo(qApp);
    KorvaneMainForm *f = form();
    f->resize(1280, 720);
    f->show();
    QCoreApplication::processEvents();
    const QImage image = f->grab().toImage();
    QCOMPARE(image.size() / image.devicePixelRatio(), QSize(1280, 720));

    // The default light window colour may show in small spots (text), never
    // as a filled tile.
    const QColor light = QApplication::style()->standardPalette().color(QPalette::Window);
    constexpr int tile = 32;
    QStringList lightTiles;
    for (int ty = 0; ty + tile <= image.height(); ty += tile) {
        for (int tx = 0; tx + tile <= image.width(); tx += tile) {
            int count = 0;
            for (int y = ty; y < ty + tile; ++y) {
                for (int x = tx; x < tx + tile; ++x) {
                    const QColor c = image.pixelColor(x, y);
                    if (qAbs(c.red() - light.red()) + qAbs(c.green() - light.green()) + qAbs(c.blue() - light.blue())
                        < 24)
                        ++count;
                }
            }
            if (count > tile * tile / 2)
                lightTiles << QStringLiteral("(%1,%2)").arg(tx).arg(ty);
        }
    }
    QVERIFY2(lightTiles.isEmpty(), qPrintable(lightTiles.join(' ')));

    // Every control of the window, modules included, can be found by name
    // (screen readers, GUI tests), and no name repeats its shortcut.
    const QStringList problems = KvAccessibilityAudit::problems(f);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

QTEST_MAIN(TestKorvaneMainForm)
#include "tst_korvanemainform.moc"
