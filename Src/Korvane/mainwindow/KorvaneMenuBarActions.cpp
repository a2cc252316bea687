// What the File, Tools, Export, Help and Open Recent entries do. Every
// operation goes through the title bar presenter.
#include "KorvaneMenuBar.h"

#include "FRecentProjectDialog.h"
#include "IKvBaseLog.h"
#include "KorvaneTitleBarPresenter.h"
#include "KvActionId.h"
#include "KvEditingMessageId.h"
#include "KvMainFormMessageId.h"
#include "KvMenu.h"

#include <QAction>

namespace {

// Where an import entry says the media come from.
constexpr int kSourceUser = 0;
constexpr int kImportFiles = 0;
constexpr int kImportFolder = 1;
// The auto-highlight modes: import then highlight, highlight the selection.
constexpr int kHighlightImport = 2;
constexpr int kHighlightSelected = 3;
// Why the update check runs: asked from the menu.
constexpr int kCheckUpgradeFromMenu = 2;

} // namespace

void KorvaneMenuBar::slotFileMenuTriggered(QAction *action)
{
    if (!action || !m_presenter)
        return;
    KorvaneTitleBarPresenter *p = m_presenter;
    const int id = KvMenu::actionType(action);
    switch (id) {
    case KvActionId::NewProject16x9:
    case KvActionId::NewProject9x16:
    case KvActionId::NewProject1x1:
    case KvActionId::NewProject4x5:
    case KvActionId::NewProject4x3:
    case KvActionId::NewProject21x9:
    case KvActionId::NewProjectCustom:
        p->newProject(action->data().toInt());
        break;
    case KvActionId::OpenProject:
        p->openProject();
        break;
    case KvActionId::SaveProject:
        p->saveProject();
        break;
    case KvActionId::SaveProjectAs:
        p->saveAsProject();
        break;
    case KvActionId::ArchiveProject:
        p->archiveProject();
        break;
    case KvActionId::BuildCustomTemplate:
        p->buildCustomProjectTemplate();
        break;
    case KvActionId::ProjectSettings:
        p->sendToScene(KvMainFormMsg::ProjectSettings);
        break;
    case KvActionId::ImportMediaFiles:
        p->importMedia(kImportFiles, kSourceUser);
        break;
    case KvActionId::ImportMediaFolder:
        p->importMedia(kImportFolder, kSourceUser);
        break;
    case KvActionId::ImportScreenRecordings:
        p->importMedia(kImportFiles, 2);
        break;
    case KvActionId::ImportWebcamRecordings:
        p->importMedia(kImportFiles, 4);
        break;
    case KvActionId::ImportWithAutoHighlight:
        p->importWithAutoHighlight(kHighlightImport);
        break;
    case KvActionId::ImportFromPhotoLibrary:
        p->importMedia(kImportFiles, 6);
        break;
    case KvActionId::ImportFromMusicLibrary:
        p->importMedia(kImportFiles, 7);
        break;
    case KvActionId::ImportFromCloudDrive:
        p->importMedia(kImportFiles, 8);
        break;
    case KvActionId::RecordWebcam:
        p->sendToScene(KvMainFormMsg::WebcamRecord);
        break;
    case KvActionId::RecordScreen:
        p->sendToScene(KvMainFormMsg::ScreenRecord);
        break;
    case KvActionId::RecordVoiceOver:
        p->sendToScene(KvMainFormMsg::VoiceOverRecord);
        break;
    case KvActionId::CleanRenderCache:
        p->sendToScene(KvMainFormMsg::CleanRenderCache);
        break;
    case KvActionId::Preferences:
        p->showPreferences(0);
        break;
    case KvActionId::KeyboardShortcuts:
        p->showShortcutsDialog(this);
        break;
    case KvActionId::Exit:
        p->exitApp();
        break;
    case KvActionId::BackToStartPage:
        p->backHomepage();
        break;
    default:
        // 116 runs itself.
        break;
    }
}

void KorvaneMenuBar::slotToolsMenuTriggered(QAction *action)
{
    if (!action || !m_presenter)
        return;
    KorvaneTitleBarPresenter *p = m_presenter;
    switch (KvMenu::actionType(action)) {
    case KvActionId::CreateProxy:
        p->sendToScene(KvEditingMessageId::MediaCreateProxy);
        break;
    case KvActionId::SceneDetection:
        p->sendToScene(KvEditingMessageId::MediaSceneDetection);
        break;
    case KvActionId::AutoHighlight:
        p->importWithAutoHighlight(kHighlightSelected);
        break;
    case KvActionId::AutoReframe:
        p->sendToScene(KvEditingMessageId::MediaAutoReframe);
        break;
    case KvActionId::SilenceDetection:
        p->sendToScene(KvEditingMessageId::TimelineSilenceDetection);
        break;
    case KvActionId::SpeechToText:
        p->sendToScene(KvEditingMessageId::TimelineSpeechToText);
        break;
    case KvActionId::BeatDetection:
        p->sendToScene(KvEditingMessageId::MediaBeatDetection);
        break;
    case KvActionId::ModifyBeatInfo:
        p->sendToScene(KvEditingMessageId::MediaModifyBeatInfo);
        break;
    case KvActionId::FreezeFrame:
        p->freezeFrame();
        break;
    default:
        // The rest run themselves.
        break;
    }
}

void KorvaneMenuBar::slotExportMenuTriggered(QAction *action)
{
    if (action && m_presenter)
        m_presenter->exportTimeline(KvMenu::actionType(action));
}

void KorvaneMenuBar::slotHelpMenuTriggered(QAction *action)
{
    if (!action || !m_presenter)
        return;
    KorvaneTitleBarPresenter *p = m_presenter;
    const int id = KvMenu::actionType(action);
    KV_LOG_INFO("actionType is %d", id);
    switch (id) {
    case KvActionId::HelpOnline:
        p->openHelpPage(QStringLiteral("HelpOnlinePage"));
        break;
    case KvActionId::ProductFaq:
        p->openHelpPage(QStringLiteral("ProductFAQPage"));
        break;
    case KvActionId::Support:
        p->openHelpPage(QStringLiteral("SupportPage"));
        break;
    case KvActionId::ReportProblem:
    case KvActionId::SendFeedback:
        p->sendToScene(KvMainFormMsg::FeedbackDialog);
        break;
    case KvActionId::Walkthrough:
        KV_LOG_INFO("actionType is walk through");
        p->startWalkThrough();
        break;
    case KvActionId::QuickStartGuide:
        p->startWalkThrough();
        break;
    case KvActionId::ActivationFaq:
        p->openHelpPage(QStringLiteral("TcIdFAQPage"));
        break;
    case KvActionId::LogIn:
        p->sendToScene(KvMainFormMsg::Login);
        break;
    case KvActionId::ManageAccount:
        p->openAccountPage();
        break;
    case KvActionId::LogOut:
        p->logout();
        break;
    case KvActionId::NetworkProxy:
        p->showNetworkProxyDialog(window());
        break;
    case KvActionId::NewFeatures:
    case KvActionId::WhatsNew:
        p->openHelpPage(QStringLiteral("NewFeaturePage"));
        break;
    case KvActionId::LogFolder:
    case KvActionId::OpenLogFolder:
        p->openLogFolder();
        break;
    case KvActionId::YouTubeChannel:
    case KvActionId::VideoTutorials:
        p->openHelpPage(QStringLiteral("YouTubePage"));
        break;
    case KvActionId::Facebook:
        p->openHelpPage(QStringLiteral("FacebookPage"));
        break;
    case KvActionId::Twitter:
        p->openHelpPage(QStringLiteral("TwitterPage"));
        break;
    case KvActionId::CheckForUpdates:
        p->checkUpgrade(kCheckUpgradeFromMenu);
        break;
    case KvActionId::ProductPage:
        p->openHelpPage(QStringLiteral("ProductPage"));
        break;
    case KvActionId::UserGuide:
        p->openHelpPage(QStringLiteral("UserGuide"));
        break;
    case KvActionId::HelpCenter:
        p->openHelpPage(QStringLiteral("HelpCenter"));
        break;
    case KvActionId::ReleaseNotes:
        p->openHelpPage(QStringLiteral("ReleaseNotes"));
        break;
    case KvActionId::Instagram:
        p->openHelpPage(QStringLiteral("KorvaneInstagram"));
        break;
    case KvActionId::About:
        p->showAboutDialog();
        break;
    default:
        break;
    }
}

void KorvaneMenuBar::slotRecentPrjMenuTriggered(QAction *action)
{
    if (!action || !m_presenter)
        return;
    if (KvMenu::actionType(action) == kMoreRecentId) {
        FRecentProjectDialog dialog(window());
        dialog.DoModal();
        return;
    }
    m_presenter->openRecentProject(action->data().toString());
}

void KorvaneMenuBar::viewMenuTriggered(QAction *action)
{
    if (action && m_presenter && KvMenu::actionType(action) == KorvaneTitleBarPresenter::kViewVerticalScreen)
        m_presenter->toggleVerticalScreen();
}
