#include "KorvaneTitleBarPresenter.h"

#include "FCBSUpdater.h"
#include "FGeneralSettings.h"
#include "FMaskManager.h"
#include "FMessageDialog.h"
#include "FNativeEngineInfoHelper.h"
#include "FProjectDocProxy.h"
#include "FTimelineModulePresenter.h"
#include "FTimelineModuleWidget.h"
#include "IKvTimeline.h"
#include "IKvAccountService.h"
#include "IKvBaseLog.h"
#include "IKvProjectRecentManager.h"
#include "KvAppSettings.h"
#include "KvCloudDisk.h"
#include "KvCommunicatorCommands.h"
#include "KvCommunicatorServer.h"
#include "KvConfig.h"
#include "KvCustomProductInfo.h"
#include "KvDesktopService.h"
#include "KvMainFormMessageId.h"
#include "KvMainWindowTracking.h"
#include "KvMessage.h"
#include "KvNetwork.h"
#include "KvToast.h"
#include "KvUIView.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QUrl>
#include <QWidget>

namespace {

std::function<bool()> &networkCheck()
{
    static std::function<bool()> check;
    return check;
}

QString orvalaPath()
{
    return QDir::fromNativeSeparators(QStringLiteral("%1/Orvala.exe").arg(QCoreApplication::applicationDirPath()));
}

const FGeneralSettings &generalSettings()
{
    return KvAppSettings::GetInstance()->GetSettings().GetGeneralSetting();
}

} // namespace

KorvaneTitleBarPresenter::KorvaneTitleBarPresenter(QObject *parent)
    : KvPresenter(parent)
{
    qRegisterMetaType<KvTCIDResponseCode>();
    m_shineTimer.setInterval(kShineIntervalMs);
    connect(&m_shineTimer, &QTimer::timeout, this, [this] { emit sigUpdateCreativeBtn(true); });
    if (IKvAccountService *account = IKvAccountService::getInstance()) {
        m_loggedIn = account->isLoggedIn();
        account->addObserver(this);
    }
}

KorvaneTitleBarPresenter::~KorvaneTitleBarPresenter()
{
    IKvAccountService::getInstance()->removeObserver(this);
}

void KorvaneTitleBarPresenter::setTimelinePresenter(FTimelineModulePresenter *presenter)
{
    m_timelinePresenter = presenter;
    IKvTimeline *timeline = presenter ? presenter->timeline() : nullptr;
    if (!timeline)
        return;
    auto announce = [this, timeline] { emit sigTimelineDurationChanged(timeline->durationText()); };
    connect(timeline, &IKvTimeline::sigClipsChanged, this, announce);
    connect(timeline, &IKvTimeline::sigProjectChanged, this, announce);
    announce();
}

void KorvaneTitleBarPresenter::setCreativeBtnShine(bool shine)
{
    if (shine) {
        if (!m_shineTimer.isActive())
            m_shineTimer.start();
        return;
    }
    m_shineTimer.stop();
    emit sigUpdateCreativeBtn(false);
}

QWidget *KorvaneTitleBarPresenter::hostWidget() const
{
    KvUIView *owner = view();
    return owner && owner->widget() ? owner->widget()->window() : nullptr;
}

void KorvaneTitleBarPresenter::onSupportClicked()
{
    KvMainWindowTracking::send(KvMainWindowTracking::QuickIconClick, QStringLiteral("support"), QString(""));
    KvMessage message(KvMainFormMsg::OnlineSupport);
    sendMessageToScene(&message);
}

void KorvaneTitleBarPresenter::onSaveClicked()
{
    KvMainWindowTracking::send(KvMainWindowTracking::QuickIconClick, QStringLiteral("save project"), QString(""));
    saveProject();
}

void KorvaneTitleBarPresenter::onMoreEffectsClicked()
{
    KvMainWindowTracking::send(KvMainWindowTracking::QuickIconClick, QStringLiteral("more effect"), QString(""));
    const QString address = KvConfig::Instance()->GetCBSUrl(QStringLiteral("EffectsStore"));
    if (address.isEmpty()) {
        KV_LOG_INFO("no effects store page is configured");
        return;
    }
    if (!KvDesktopService::openURL(QUrl(address)))
        KV_LOG_ERROR("the effects store page %s could not be opened", KV_CSTR(address));
}

void KorvaneTitleBarPresenter::onCreativeClicked()
{
    KvMainWindowTracking::send(KvMainWindowTracking::QuickIconClick, QStringLiteral("tutorials"), QString(""));
    openOrvala();
}

void KorvaneTitleBarPresenter::onCloudClicked()
{
    KvMainWindowTracking::send(KvMainWindowTracking::QuickIconClick, QStringLiteral("cloud_icon"), QString(""));
    if (KvCloudDisk *cloud = getCloudDisk())
        cloud->openView(hostWidget());
}

void KorvaneTitleBarPresenter::onAccountClicked()
{
    if (m_loggedIn) {
        KvMainWindowTracking::send(KvMainWindowTracking::QuickIconClick, QStringLiteral("account"), QString(""));
        KvMainWindowTracking::send(KvMainWindowTracking::PopupClick, QStringLiteral("my_account"));
    } else {
        KvMainWindowTracking::send(KvMainWindowTracking::QuickIconClick, QStringLiteral("login"), QString(""));
    }
    KvMessage message(KvMainFormMsg::Login);
    sendMessageToScene(&message);
}

bool KorvaneTitleBarPresenter::saveProject()
{
    if (FProjectDocProxy::instance()->saveProject() != FProjectDocProxy::SaveType_Saved)
        return false;
    emit sigProjectChanged(false);
    QWidget *over = QApplication::activeWindow() ? QApplication::activeWindow() : hostWidget();
    KvToast::show(over, tr("Saved!"), QStringLiteral(":/Resource/icon24_successful.png"));
    return true;
}

bool KorvaneTitleBarPresenter::saveAsProject()
{
    FProjectDocProxy *docs = FProjectDocProxy::instance();
    if (docs->saveAsProject() != FProjectDocProxy::SaveType_Saved)
        return false;
    emit sigProjectChanged(isProjectModified());
    return true;
}

QStringList KorvaneTitleBarPresenter::recentProjects() const
{
    QStringList paths;
    const QList<KvProjectRecentInfo> recent = IKvProjectRecentManager::getInstance()->recentList();
    for (const KvProjectRecentInfo &info : recent) {
        if (paths.size() == kRecentProjectLimit)
            break;
        paths.append(info.getPath());
    }
    return paths;
}

void KorvaneTitleBarPresenter::openRecentProject(const QString &path)
{
    KV_LOG_INFO("openProject");
    if (!FProjectDocProxy::instance()->openProject(path))
        KV_LOG_INFO("recent project %s was not opened", KV_CSTR(path));
}

bool KorvaneTitleBarPresenter::networkUsable() const
{
    const std::function<bool()> &check = networkCheck();
    return check ? check() : KvNetwork::IsNetworkDeviceValid();
}

void KorvaneTitleBarPresenter::setNetworkCheckForTest(std::function<bool()> check)
{
    networkCheck() = std::move(check);
}

void KorvaneTitleBarPresenter::showOfflineMessage()
{
    FMessageDialog::information(hostWidget(), KvCustomProductInfo::FGetProductName(),
                                tr("Your computer seems to be offline,causing a connection error.Please check your "
                                   "connection and try again."),
                                QStringLiteral("KorvaneTitleBar_OfflineMessage"));
}

void KorvaneTitleBarPresenter::openOrvala()
{
    if (!networkUsable()) {
        showOfflineMessage();
        return;
    }
    KvConfig *config = KvConfig::Instance();
    const bool newPage = config->GetAppValue(QStringLiteral("Orvala"), QStringLiteral("NewPageUrl")).toBool();
    if (newPage && !config->IsCollectionLabelShowed() && !config->IsCreativeHintShowed()) {
        // A one-time hint that the collection moved to the new page.
        FMaskManager *mask = FMaskManager::instance();
        mask->showMask(hostWidget(), QStringLiteral("orvala_collection"));
        mask->closeMask();
        config->SetCollectionLabelShowed(true);
    }
    if (!m_updater) {
        m_updater = createCBSUpdater(this);
        if (m_updater)
            connect(m_updater, &FCBSUpdater::sigTargetUrlFinished, this, &KorvaneTitleBarPresenter::onOrvalaUrl);
    }
    if (!m_updater) {
        emit sigOpenOrvala(QStringLiteral("about:blank"));
        return;
    }
    m_updater->requestTargetUrl(kOrvalaUrlRequest, QStringLiteral("Orvala"));
}

void KorvaneTitleBarPresenter::onOrvalaUrl(int requestType, bool succeeded, const QString &url)
{
    if (requestType != kOrvalaUrlRequest)
        return;
    const QString address = succeeded && !url.isEmpty() ? url : QStringLiteral("about:blank");
    KvCommunicatorServer *server = KvCommunicatorServer::GetInstance();
    if (server->IsProcessStarted(orvalaPath()))
        server->SendMsgToProcess(KvCommand::OrvalaReopen, {address}, orvalaPath());
    emit sigOpenOrvala(address);
}

QString KorvaneTitleBarPresenter::caddyCommandFor(bool click, bool engineExists, bool dontShowMessage)
{
    if (click)
        return KvCommand::NativeengineMethordClickCaddy;
    if (engineExists)
        return KvCommand::NativeengineMethordInsertCaddy;
    if (dontShowMessage)
        return QString();
    return KvCommand::NativeengineMethordCaddy;
}

void KorvaneTitleBarPresenter::requestCaddy(bool click, int type, const QString &text)
{
    if (!networkUsable()) {
        showOfflineMessage();
        return;
    }
    const QString command = caddyCommandFor(click, FNativeEngineInfoHelper::IsNativeEngineExists(),
                                            generalSettings().GetDontShowMessage());
    if (command.isEmpty())
        return;
    // The engine is a sibling process; its commands travel on the communicator.
    const int sent = KvCommunicatorServer::GetInstance()->SendMsgToProcess(command, {QString::number(type), text},
                                                                           FNativeEngineInfoHelper::processPath());
    KV_LOG_TRACE("%s sent to the native engine: %d", KV_CSTR(command), sent);
}

void KorvaneTitleBarPresenter::onTCIDResponse(const KvTCIDResponseCode &response)
{
    KV_LOG_INFO("tcidresponsecode, code_type: %d, code: %d", response.type, response.code);
    if (response.code != 10)
        emit sigTCIDStatusChanged(response);
    if (response.type == 10)
        m_loggedIn = false;
}

void KorvaneTitleBarPresenter::onTCIDEvent(const KvTCIDEvent &event)
{
    if (event.kind == KvTCIDEvent::kLogin || event.kind == KvTCIDEvent::kAccountChecked)
        m_loggedIn = event.code == KvTCIDEvent::kSuccess ? true : m_loggedIn;
    else if (event.kind == KvTCIDEvent::kLogout)
        m_loggedIn = false;
    onTCIDResponse({event.kind, event.code, event.subCode, event.text});
}
