// The title bar presenter's operations for the menu bar: File, Tools,
// Export and Help entries end up here, as document-service calls or as
// messages to the editing scene.
#include "KorvaneTitleBarPresenter.h"

#include "FAboutDialog.h"
#include "FMaskManager.h"
#include "FMessageDialog.h"
#include "FNetworkProxySetting.h"
#include "FProjectDocProxy.h"
#include "FShortcutSettingDialog.h"
#include "FTimelineModulePresenter.h"
#include "FTimelineModuleWidget.h"
#include "IKvClip.h"
#include "IKvAccountService.h"
#include "IKvBaseLog.h"
#include "IKvProject.h"
#include "IKvProjectManager.h"
#include "IKvTimeline.h"
#include "KvActionId.h"
#include "KvConfig.h"
#include "KvCustomProductInfo.h"
#include "KvDataMessage.h"
#include "KvDesktopService.h"
#include "KvPaths.h"
#include "KvEditingMessageId.h"
#include "KvExportMode.h"
#include "KvMainFormMessageId.h"
#include "KvMediaLibraryPresenter.h"
#include "KvMessage.h"

#include <QDir>
#include <QUrl>
#include <QVariantMap>

namespace {

IKvProject *currentProject()
{
    return IKvProjectManager::getInstance()->currentProject();
}

// The export page each Export entry opens.
int exportIndexOf(int actionId, bool &remember)
{
    remember = false;
    switch (actionId) {
    case KvActionId::ExportVideo:
        return 0;
    case KvActionId::ExportWithLastSettings:
        remember = true;
        return KvConfig::Instance()->GetExportPageIndex();
    case KvActionId::ExportToDevice:
        return 1;
    case KvActionId::UploadToYouTube:
        return 2;
    case KvActionId::UploadToVimeo:
        return 4;
    case KvActionId::BurnToDvd:
        return 6;
    case KvActionId::ExportGif:
        return 5;
    default:
        return -1;
    }
}

} // namespace

QString KorvaneTitleBarPresenter::logFolderPath()
{
    return KvPaths::logDir();
}

bool KorvaneTitleBarPresenter::isProjectOpen() const
{
    return currentProject() != nullptr;
}

bool KorvaneTitleBarPresenter::isProjectModified() const
{
    const IKvProject *project = currentProject();
    return project && project->isModified();
}

bool KorvaneTitleBarPresenter::canBuildCustomProjectTemplate() const
{
    return m_timelinePresenter && m_timelinePresenter->canBuildCustomProjectTemplate();
}

int KorvaneTitleBarPresenter::firstSelectedClipType() const
{
    IKvTimeline *timeline = m_timelinePresenter ? m_timelinePresenter->timeline() : nullptr;
    if (!timeline || timeline->selectedClips().isEmpty())
        return -1;
    const IKvClip *clip = timeline->clip(timeline->selectedClips().first());
    return clip ? clip->type() : -1;
}

bool KorvaneTitleBarPresenter::newProject(int kind)
{
    return FProjectDocProxy::instance()->newProject(kind);
}

bool KorvaneTitleBarPresenter::openProject()
{
    return FProjectDocProxy::instance()->openProject();
}

bool KorvaneTitleBarPresenter::archiveProject()
{
    QString path; // empty: the document service asks where
    return FProjectDocProxy::instance()->archiveProject(path);
}

bool KorvaneTitleBarPresenter::buildCustomProjectTemplate()
{
    if (!m_timelinePresenter) {
        KV_LOG_INFO("no timeline to build a project template from");
        return false;
    }
    return m_timelinePresenter->buildCustomProjectTemplate();
}

bool KorvaneTitleBarPresenter::sendToScene(int code)
{
    KvMessage message(code);
    return sendMessageToScene(&message);
}

bool KorvaneTitleBarPresenter::sendDataToScene(int code, const QVariant &data)
{
    KvDataMessage message(code, data);
    return sendMessageToScene(&message);
}

void KorvaneTitleBarPresenter::importMedia(int mode, int source)
{
    const bool toCurrentFolder = m_mediaLibraryPresenter
        && m_mediaLibraryPresenter->currentCategoryType() == KvMediaLibraryPresenter::CategoryProjectMedia;
    const QVariantMap request{{QStringLiteral("mode"), mode},
                              {QStringLiteral("source"), source},
                              {QStringLiteral("toCurrentFolder"), toCurrentFolder}};
    sendDataToScene(KvEditingMessageId::MediaImportAsk, request);
}

void KorvaneTitleBarPresenter::importWithAutoHighlight(int mode)
{
    sendDataToScene(KvEditingMessageId::MediaAutoHighlight, mode);
}

void KorvaneTitleBarPresenter::showPreferences(int tab)
{
    sendDataToScene(KvMainFormMsg::ShowPreferences, tab);
}

void KorvaneTitleBarPresenter::showShortcutsDialog(QWidget *parent)
{
    FShortcutSettingDialog::showFor(parent);
}

void KorvaneTitleBarPresenter::freezeFrame()
{
    KvMessage canFreeze(KvEditingMessageId::TimelineCanFreeze);
    sendMessageToScene(&canFreeze);
    if (!canFreeze.answer().toBool())
        return;
    KvMessage ask(KvEditingMessageId::TimelineFreezeAsk);
    sendMessageToScene(&ask);
    const int answer = ask.answer().toInt();
    if (answer == 2)
        sendToScene(KvEditingMessageId::TimelineFreezeToNew);
    else if (answer == 1)
        sendToScene(KvEditingMessageId::TimelineFreezeInPlace);
}

void KorvaneTitleBarPresenter::exportTimeline(int actionId)
{
    bool remember = false;
    const int index = exportIndexOf(actionId, remember);
    if (index < 0)
        return;
    const QVariantList request{index, int(KvExportMode::Timeline), remember};
    sendDataToScene(KvMainFormMsg::ExportRequest, request);
}

bool KorvaneTitleBarPresenter::openAddress(const QUrl &url, const QString &what)
{
    if (KvDesktopService::openURL(url))
        return true;
    FMessageDialog::alert(hostWidget(), KvCustomProductInfo::FGetProductName(),
                          tr("%1 could not be opened. No program on this computer opened \"%2\".")
                              .arg(what, url.toDisplayString()),
                          QStringLiteral("KorvaneMenuBar_OpenFailed"));
    return false;
}

bool KorvaneTitleBarPresenter::openHelpPage(const QString &pageKey)
{
    const QString address = KvConfig::Instance()->GetCBSUrl(pageKey);
    if (address.isEmpty()) {
        KV_LOG_INFO("no address is configured for the page %s", KV_CSTR(pageKey));
        FMessageDialog::alert(hostWidget(), KvCustomProductInfo::FGetProductName(),
                              tr("This page is not available: no web address is set up for it."),
                              QStringLiteral("KorvaneMenuBar_NoAddress"));
        return false;
    }
    return openAddress(QUrl(address), tr("The web page"));
}

bool KorvaneTitleBarPresenter::openLogFolder()
{
    const QString folder = logFolderPath();
    if (!QDir().mkpath(folder))
        KV_LOG_ERROR("the log folder %s could not be made", KV_CSTR(folder));
    return openAddress(QUrl::fromLocalFile(folder), tr("The log folder"));
}

void KorvaneTitleBarPresenter::startWalkThrough()
{
    // Restarting the walk-through must not count as having seen the effects guide.
    KvConfig *config = KvConfig::Instance();
    const bool guideShowed = config->IsBorisFXGuideShowed();
    sendToScene(KvMainFormMsg::StartGuidedTour);
    config->SetBorisFXGuideShowed(guideShowed);
}

void KorvaneTitleBarPresenter::openAccountPage()
{
    const bool signedIn = IKvAccountService::getInstance()->isLoggedIn();
    openHelpPage(signedIn ? QStringLiteral("AccountPage") : QStringLiteral("AccountManagement"));
}

void KorvaneTitleBarPresenter::showNetworkProxyDialog(QWidget *parent)
{
    FNetworkProxySetting dialog(parent ? parent : hostWidget());
    dialog.setObjectName(QStringLiteral("KorvaneMenuBar_NetworkProxy"));
    dialog.exec();
}

void KorvaneTitleBarPresenter::showAboutDialog()
{
    FAboutDialog dialog(hostWidget());
    dialog.setObjectName(QStringLiteral("KorvaneMenuBar_About"));
    dialog.exec();
}

void KorvaneTitleBarPresenter::toggleVerticalScreen()
{
    sendToScene(KvMainFormMsg::ToggleVerticalScreen);
}

void KorvaneTitleBarPresenter::refreshToolMenu()
{
    const IKvProject *project = currentProject();
    IKvTimeline *timeline = m_timelinePresenter ? m_timelinePresenter->timeline() : nullptr;
    const bool clipsSelected = timeline && !timeline->selectedClips().isEmpty();
    emit sigUpdateToolMenu(project && (clipsSelected || project->mediaCount() > 0));
}

void KorvaneTitleBarPresenter::refreshExportMenu()
{
    emit sigExportEnableChanged(isProjectOpen());
}
