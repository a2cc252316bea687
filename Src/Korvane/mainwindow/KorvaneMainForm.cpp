#include "KorvaneMainForm.h"

#include "FGeneralSettings.h"
#include "FMainFormScriptDriver.h"
#include "FMainPlayerPresenter.h"
#include "FMaskManager.h"
#include "FQuickStartMgr.h"
#include "FSettingDialog.h"
#include "FThirdPartyCloud.h"
#include "FTimelineModulePresenter.h"
#include "FTimelineModuleWidget.h"
#include "FUserDetailCollectHelper.h"
#include "FMessageDialog.h"
#include "FProjectDocProxy.h"
#include "IKvBaseLog.h"
#include "IKvProject.h"
#include "IKvProjectManager.h"
#include "IKvShortcutEditManager.h"
#include "IKvTimeline.h"
#include "KorvaneMainFormPresenter.h"
#include "KorvaneTitleBar.h"
#include "KorvaneTitleBarPresenter.h"
#include "KvActionId.h"
#include "KvActionManager.h"
#include "KvAppSettings.h"
#include "KvCloseRequest.h"
#include "KvCommunicatorServer.h"
#include "KvConfig.h"
#include "KvCustomProductInfo.h"
#include "KvDataMessage.h"
#include "KvEditingViewType.h"
#include "KvElapsedTimer.h"
#include "KvEditingMessageId.h"
#include "KvMainFormMessageId.h"
#include "KvMainWindowTracking.h"
#include "KvMediaImportMessage.h"
#include "KvMessage.h"
#include "KvSpeechServiceDialog.h"
#include "KvSplitScreenFloatingWidget.h"
#include "KvSplitter.h"
#include "KvTextFloatingAdjustWidget.h"
#include "KvToast.h"
#include "KvTopLevelWindowTitleBar.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStackedWidget>
#include <QStyle>

namespace {

const QSize kDefaultSize(1280, 720);

const FGeneralSettings &generalSettings()
{
    return KvAppSettings::GetInstance()->GetSettings().GetGeneralSetting();
}

// The first display's steps run once per process, whichever form shows first.
bool g_firstDisplayDone = false;

} // namespace

KorvaneMainForm::KorvaneMainForm(KorvaneMainFormPresenter *presenter, KvUIScene *scene, QWidget *parent)
    : QFrame(parent, Qt::Window | Qt::FramelessWindowHint)
    , KvUIView(this)
    , m_presenter(presenter)
{
    KvElapsedTimer timer("KorvaneMainForm::KorvaneMainForm");
    // Whatever this form changes on the shared actions is undone when it goes.
    KvActionManager *actions = KvActionManager::instance();
    actions->save();
    actions->setTargetScene(scene);
    FProjectDocProxy::instance()->setParentWidget(this);
    m_quickStartMgr = new FQuickStartMgr(this);
    setScene(scene);
    setPresenter(presenter);
    setWindowTitle(KvCustomProductInfo::FGetProductName());

    buildLayout();
    applyScreenOrientation(KvConfig::Instance()->isVerticalScreen());
    makeConnections();
    presenter->initServices();
    addShortcutActions();
    attachShortcuts(this);
    if (IKvTimeline *timeline = IKvProjectManager::getInstance()->timeline()) {
        timeline->addObserver(this);
        m_observedTimeline = timeline;
    }

    setObjectName(QStringLiteral("FDialog_CentralWdg"));
    // Small screens (a 768-line laptop with a task bar) get a lower minimum.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const bool smallScreen = screen && screen->availableGeometry().height() < 700;
    setMinimumSize(1024, smallScreen ? 480 : 600);
    KvMainWindowTracking::send(KvMainWindowTracking::InterfaceExposure, QStringLiteral("main"));
}

KorvaneMainForm::~KorvaneMainForm()
{
    KV_LOG_TRACE("begin");
    KvActionManager *actions = KvActionManager::instance();
    actions->restore();
    actions->setTargetScene(nullptr);
    attachShortcuts(nullptr);
    m_speechDialog.reset();
    FProjectDocProxy *docs = FProjectDocProxy::instance();
    if (docs->parentWidget() == this)
        docs->setParentWidget(nullptr);
    if (m_observedTimeline)
        m_observedTimeline->removeObserver(this);
    // The modules go before the presenters they were built with.
    const QList<int> types = viewTypes();
    for (int type : types) {
        if (KvUIView *child = view(type)) {
            unregisterView(child);
            delete child->widget();
        }
    }
    m_userDetailCollector.reset();
    KV_LOG_TRACE("end");
}

void KorvaneMainForm::makeConnections()
{
    connect(m_presenter, &KorvaneMainFormPresenter::sigShowPropertyPanel, this,
            &KorvaneMainForm::slotShowPropertyPanel);
    connect(m_presenter, &KorvaneMainFormPresenter::sigShowLoginDialog, this, &KorvaneMainForm::sigShowLoginDialog);
    connect(m_presenter, &KorvaneMainFormPresenter::sigShowPreferencesDialog, this,
            &KorvaneMainForm::slotShowPreferencesDialog);
    connect(m_presenter, &KorvaneMainFormPresenter::sigShowFloatingEditWidget, this,
            &KorvaneMainForm::slotShowFloatingEditWidget);
    connect(KvCommunicatorServer::GetInstance(), &KvCommunicatorServer::sigReceveMsgFrom, this,
            &KorvaneMainForm::slotReceveMsgFrom);
    connect(m_titleBarPresenter, &KorvaneTitleBarPresenter::sigBackHomepage, this,
            &KorvaneMainForm::slotBackHomepage);
    connect(m_titleBarPresenter, &KorvaneTitleBarPresenter::sigCheckUpgrade, this, &KorvaneMainForm::sigCheckUpgrade);
    connect(m_titleBarPresenter, &KorvaneTitleBarPresenter::sigLogout, this, &KorvaneMainForm::sigLogout);
    connect(m_titleBarPresenter, &KorvaneTitleBarPresenter::sigExit, this, &QWidget::close);
    connect(m_titleBarPresenter, &KorvaneTitleBarPresenter::sigInitCaddyMsgFinished, this,
            &KorvaneMainForm::slotInitCaddyMsgFinished);
    connect(m_titleBarPresenter, &KorvaneTitleBarPresenter::sigOpenOrvala, this, [this](const QString &url) {
        if (m_hintTimer.isActive())
            stopHintBlinking();
        emit sigOpenOrvala(url);
    });
    connect(FProjectDocProxy::instance(), &FProjectDocProxy::sigShowOpenfxDownloadDlg, this,
            [this](const QStringList &effects) {
                KvDataMessage message(KvMainFormMsg::OpenFxDownload, effects);
                sendMessageToScene(&message);
            });
    FThirdPartyCloud *cloud = FThirdPartyCloud::instance();
    cloud->setDownloadFolder(KvAppSettings::GetInstance()->GetSettings().GetFolderSettings().GetThirdPartyCloudFileFolder());
    connect(cloud, &FThirdPartyCloud::sigDownloadFinished, this, [this](const QString &path) {
        if (!QFileInfo::exists(path))
            return;
        // Importing while playing would disturb the playback: it waits for
        // the next media import that finds the player stopped.
        if (m_presenter->isPlayerPlaying())
            m_pendingMediaList << path;
        else
            m_presenter->importMedia({path}, KvMediaImportMessage::SourceCloudDownload);
    });
    connect(cloud, &FThirdPartyCloud::sigDownloadFailed, this, [this](const QUrl &url, const QString &reason) {
        KvToast::showFailure(this, tr("%1 was not downloaded. %2").arg(url.toDisplayString(), reason));
    });
    connect(FProjectDocProxy::instance(), &FProjectDocProxy::sigCurrentProjectChanged, this,
            &KorvaneMainForm::refreshProjectTitle);
    connect(FProjectDocProxy::instance(), &FProjectDocProxy::sigProjectModifiedChanged, this,
            &KorvaneMainForm::refreshProjectTitle);
    connect(m_presenter, &KorvaneMainFormPresenter::sigHideTextController, this, [this] {
        if (m_textFloatingWidget)
            m_textFloatingWidget->hide();
    });
    connect(m_playerPresenter, &FMainPlayerPresenter::sigEditingModeChanged, this,
            &KorvaneMainForm::slotMediaPlayerEditingModeChanged);
    FMaskManager *mask = FMaskManager::instance();
    connect(mask, &FMaskManager::sigMaskClosed, this, [this] {
        if (!isEnabled())
            return;
        KvMainWindowTracking::send(KvMainWindowTracking::Walkthrough, QStringLiteral("korvane_walkthrough"));
        m_quickStartMgr->continueGuide();
    });
    connect(mask, &FMaskManager::sigMaskChanged, this, [](const QString &) {
        const QString step = FMaskManager::instance()->stepName();
        if (!step.isEmpty())
            KvMainWindowTracking::send(KvMainWindowTracking::GuidePopup, step);
    });
    connect(mask, &FMaskManager::sigMaskCloseBtnClicked, this, [](const QString &) {
        const QString step = FMaskManager::instance()->stepName();
        if (!step.isEmpty())
            KvMainWindowTracking::send(KvMainWindowTracking::GuideClose, step);
    });
    m_hintTimer.setInterval(kHintIntervalMs);
    connect(&m_hintTimer, &QTimer::timeout, this, &KorvaneMainForm::onHintTimeout);
}

KvMainFormGeometry KorvaneMainForm::geometryFor(const QSize &formSize, bool maximized)
{
    const int margin = maximized ? 0 : 2;
    const int width = formSize.width() - (maximized ? 0 : 4);
    KvMainFormGeometry geometry;
    geometry.titleBar = QRect(margin, margin, width, KorvaneTitleBar::kHeight);
    const int titleBottom = margin + KorvaneTitleBar::kHeight;
    geometry.line = QRect(margin, titleBottom, width, 1);
    geometry.outerSplitter =
        QRect(margin, titleBottom + 1, width, formSize.height() - (maximized ? 33 : 37));
    geometry.cornerRadius = maximized ? 0 : 8;
    return geometry;
}

void KorvaneMainForm::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    const bool maximized = m_titleBar->isMaximized();
    const KvMainFormGeometry geometry = geometryFor(size(), maximized);
    m_titleBar->setGeometry(geometry.titleBar);
    m_line->setGeometry(geometry.line);
    m_outerSplitter->setGeometry(geometry.outerSplitter);
    setProperty("BorderVisible", !maximized);
    setProperty("BorderRadius", !maximized);
    setProperty("cornerRadius", geometry.cornerRadius);
    style()->unpolish(this);
    style()->polish(this);
    // Sizes set before the first show are not the user's.
    if (!isVisible() || isMinimized())
        return;
    KvConfig *config = KvConfig::Instance();
    config->setMainFormMaximizedConfig(maximized);
    if (!maximized)
        config->setMainFormSizeConfig(width(), height());
}

void KorvaneMainForm::showWithStoredGeometry()
{
    KvConfig *config = KvConfig::Instance();
    int width = 0;
    int height = 0;
    QSize size = kDefaultSize;
    if (config->getMainFormSizeConfig(width, height) && width > 0 && height > 0)
        size = QSize(width, height);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        size = size.boundedTo(available.size()).expandedTo(minimumSize());
        resize(size);
        move(available.center() - QPoint(size.width() / 2, size.height() / 2));
    } else {
        resize(size.expandedTo(minimumSize()));
    }
    const bool maximized = config->getMainFormMaximizedConfig();
    showNormal();
    if (maximized)
        m_titleBar->windowTitleBar()->setMaximized(true);
    raise();
    activateWindow();
}

void KorvaneMainForm::showEvent(QShowEvent *event)
{
    QFrame::showEvent(event);
    if (!m_userDetailCollector)
        m_userDetailCollector = std::make_unique<FUserDetailCollectHelper>();
    if (!m_firstShow)
        return;
    m_firstShow = false;
    if (g_firstDisplayDone)
        return;
    g_firstDisplayDone = true;
    KV_LOG_INFO("Main form first display!");
    QTimer::singleShot(0, this, [this] {
        if (!KvConfig::Instance()->IsFirstStart())
            emit sigCheckUpgrade(1);
        m_quickStartMgr->start();
    });
    KvConfig *config = KvConfig::Instance();
    if (!config->IsCreativeHintFirstTimeShowed()) {
        config->SetCreativeHintFirstTimeShowed(true);
        m_hintTimer.start();
    }
    QMetaObject::invokeMethod(this, &KorvaneMainForm::slotShowUpgradeCycleChangeNotice, Qt::QueuedConnection);
    FMainFormScriptDriver::startIfRequested(this);
}

void KorvaneMainForm::onHintTimeout()
{
    if (!m_hintElapsed.isValid()) {
        m_hintElapsed.start();
        m_titleBarPresenter->setCreativeBtnShine(true);
    }
    if (m_hintElapsed.elapsed() >= kHintDurationMs)
        stopHintBlinking();
}

void KorvaneMainForm::stopHintBlinking()
{
    m_hintTimer.stop();
    m_titleBarPresenter->setCreativeBtnShine(false);
}

void KorvaneMainForm::slotShowUpgradeCycleChangeNotice()
{
    KvConfig *config = KvConfig::Instance();
    if (!QCoreApplication::applicationVersion().startsWith(QLatin1String("11.8.1"), Qt::CaseInsensitive)
        || config->getUpgradeCycleChangeHadShow())
        return;
    config->setUpgradeCycleChangeHadShow(true);
    KvAppSettings::GetInstance()->GetSettings().GetGeneralSetting().SetCheckUpdate(false);
    // Not a child of the form: the form may go (back to the start page, a
    // forwarded open) while the notice waits for its answer. It does not wait
    // in a loop of its own: the first display can come while start-up is still
    // turning events, and a modal loop there would hold start-up (and a
    // termination signal) until the user answers.
    FMessageDialog::notify(nullptr, tr("Auto-update Disabled"),
                                tr("Check for updates is closed for this version, if you need to upgrade, please go "
                                   "to File-Preferences to open check for updates."),
                                QStringLiteral("KorvaneMainForm_UpgradeCycleNotice"));
}

void KorvaneMainForm::showInformation(const QString &title, const QString &text, const char *objectName)
{
    FMessageDialog::information(this, title, text, QLatin1String(objectName));
}

void KorvaneMainForm::handleToolIndex(int toolIndex)
{
    KV_LOG_INFO("tool %d asked for; no tool is wired to the main form yet", toolIndex);
}

bool KorvaneMainForm::closeProject()
{
    return FProjectDocProxy::instance()->exit();
}

QString KorvaneMainForm::projectTitle() const
{
    // The name as the window list shows it: marked while it has unsaved changes.
    const IKvProject *project = IKvProjectManager::getInstance()->currentProject();
    const QString name = m_titleBar->projectName().isEmpty() ? tr("Untitled") : m_titleBar->projectName();
    return project && project->isModified() ? name + QLatin1Char('*') : name;
}

void KorvaneMainForm::refreshProjectTitle()
{
    m_titleBar->refresh();
}

void KorvaneMainForm::slotHasReward(bool isReward)
{
    KV_LOG_INFO("has reward: %d", int(isReward));
    m_hasReward = isReward;
}

void KorvaneMainForm::slotBackHomepage()
{
    if (!canQuit()) {
        KV_LOG_INFO("back to the start page cancelled: the project was kept");
        return;
    }
    emit sigBackHomepage();
}

bool KorvaneMainForm::canQuit()
{
    KvConfig *config = KvConfig::Instance();
    config->setMainPlayerVolume(-1);
    if (config->existOpenFXPopup()) {
        showInformation(KvCustomProductInfo::FGetProductName(),
                        tr("You can't quit Korvane directly right now, please close the popup window \"FX Editor\" "
                           "first."),
                        "KorvaneMainForm_FxPopupOpen");
        return false;
    }
    if (m_presenter->isColorMatching()) {
        KvMessage endMatch(KvEditingMessageId::EndColorMatch);
        sendMessageToScene(&endMatch);
    }
    m_presenter->stopMainPlayer();
    return FProjectDocProxy::instance()->exit();
}

void KorvaneMainForm::closeEvent(QCloseEvent *event)
{
    KV_LOG_INFO("KorvaneMainForm::closeEvent");
    const bool speechRefuses =
        m_speechCloseCheck ? !m_speechCloseCheck() : (m_speechDialog && !m_speechDialog->checkCanClose());
    if (speechRefuses) {
        event->ignore();
        return;
    }
    if (!canQuit()) {
        event->ignore();
        return;
    }
    const bool showProjectLibrary = generalSettings().GetShowProjectLibrary();
    KV_LOG_INFO("bCanShowProjectLibrary: %d", int(showProjectLibrary));
    if (!showProjectLibrary) {
        if (!FThirdPartyCloud::closeCloudDiskManageDialog()) {
            event->ignore();
            return;
        }
        kvAnswerCloseRequest(event, [this](bool &ignore) { emit sigMainFormClose(ignore); });
        if (!event->isAccepted())
            return;
    } else {
        emit sigBackHomepage();
        event->accept();
    }
    if (m_speechDialog)
        m_speechDialog->hide();
}

void KorvaneMainForm::restartRequest()
{
    if (!canQuit() || !FThirdPartyCloud::closeCloudDiskManageDialog())
        return;
    emit sigRestartApp();
}

void KorvaneMainForm::slotShowPropertyPanel(bool show)
{
    KvUIView *target = view(show ? KvEditingViewType::PropertyPanel : KvEditingViewType::MediaLibrary);
    if (show && m_presenter->selectionKeepsOwnPanel())
        return;
    if (target && m_moduleStack->currentWidget() != target->widget())
        m_moduleStack->setCurrentWidget(target->widget());
}

void KorvaneMainForm::slotShowPreferencesDialog(int tabIndex)
{
    KV_LOG_INFO("preferences asked for on tab %d", tabIndex);
    FSettingDialog dialog(this);
    if (tabIndex != 0)
        dialog.SetCurrentTab(tabIndex);
    if (dialog.DoModal())
        FThirdPartyCloud::setDownloadFileStorePath(
            KvAppSettings::GetInstance()->GetSettings().GetFolderSettings().GetThirdPartyCloudFileFolder());
}

void KorvaneMainForm::slotInitCaddyMsgFinished()
{
    KV_LOG_TRACE("caddy messages ready");
}

void KorvaneMainForm::attachShortcuts(KorvaneMainForm *form)
{
    // The shortcut editor places itself over this form, and the user's
    // bindings hold on the actions again (a form going before put back what
    // it found).
    if (!form && IKvShortcutEditManager::GetMainView() != this)
        return;
    IKvShortcutEditManager::SetMainView(form);
    IKvShortcutEditManager::SetTrackSender([](const QString &commands, const QString &modules) {
        KvMainWindowTracking::send(KvMainWindowTracking::KeyBoardShortcut, commands, modules);
    });
}

void KorvaneMainForm::addShortcutActions()
{
    // Not in any menu, yet their shortcuts work anywhere in the form.
    KvActionManager *actions = KvActionManager::instance();
    for (int id : {KvActionId::PlayPause, KvActionId::Stop, KvActionId::FullScreen, KvActionId::AddMarker})
        addAction(actions->get(id));
}
