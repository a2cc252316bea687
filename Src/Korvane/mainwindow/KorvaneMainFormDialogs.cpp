// The editing dialogs the main form runs for the modules' messages.
#include "KorvaneMainForm.h"

#include "FAudioEffectOverrideDialog.h"
#include "FAudioMixerDialog.h"
#include "FGeneralSettings.h"
#include "FMaskManager.h"
#include "FProjectDocProxy.h"
#include "FQuickStartMgr.h"
#include "FTimelineModulePresenter.h"
#include "FTimelineModuleWidget.h"
#include "FProjectSettingsDialog.h"
#include "FSilenceDetectionDialog.h"
#include "FSplitUnGroupDialog.h"
#include "IKvBaseLog.h"
#include "IKvProject.h"
#include "IKvProjectManager.h"
#include "IKvTimeline.h"
#include "KorvaneMainFormPresenter.h"
#include "KvAppSettings.h"
#include "KvConfig.h"
#include "KvEditingMessageId.h"
#include "KvEditingViewType.h"
#include "KvEditingMessageId.h"
#include "KvMainFormMessageId.h"
#include "KvMainWindowTracking.h"
#include "KvMessage.h"
#include "KvProjectAspectRatioType.h"

#include <QTimer>

namespace {

IKvProject *currentProject()
{
    return IKvProjectManager::getInstance()->currentProject();
}

} // namespace

bool KorvaneMainForm::dispatchDialogMessage(KvMessage *message)
{
    switch (message->code()) {
    case KvMainFormMsg::ProjectSettings: {
        IKvProject *project = currentProject();
        if (!project) {
            KV_LOG_ERROR("project settings asked for without a project");
            return true;
        }
        KvMainWindowTracking::send(KvMainWindowTracking::ProjectSettings,
                                   m_presenter->isPlayerPlaying() ? QStringLiteral("1") : QStringLiteral("0"));
        KvMessage stop(KvEditingMessageId::PlayerStop);
        sendMessageToScene(&stop);
        FProjectSettingsDialog dialog(project, this);
        message->setAnswer(dialog.DoModal());
        return true;
    }
    case KvMainFormMsg::SilenceDetection: {
        KvMessage stop(KvEditingMessageId::PlayerStop);
        sendMessageToScene(&stop);
        IKvProject *project = currentProject();
        FSilenceDetectionDialog dialog(project ? project->mediaPaths() : QStringList(), this);
        message->setAnswer(dialog.DoModal());
        return true;
    }
    case KvMainFormMsg::AudioMixer: {
        IKvProject *project = currentProject();
        if (!project) {
            KV_LOG_ERROR("audio mixer asked for without a project");
            return true;
        }
        m_presenter->setPlayerMixerState(true);
        FAudioMixerDialog dialog(project, this);
        message->setAnswer(dialog.DoModal());
        m_presenter->setPlayerMixerState(false);
        return true;
    }
    case KvMainFormMsg::AudioEffectOverwrite: {
        if (KvConfig::Instance()->IsAudioEffectOverwriteTipDontShow()) {
            message->setAnswer(1);
            return true;
        }
        FAudioEffectOverrideDialog dialog(this);
        message->setAnswer(dialog.ask() == 0 ? 0 : 1);
        return true;
    }
    case KvMainFormMsg::SplitUngroupQuestion: {
        FGeneralSettings &general = KvAppSettings::GetInstance()->GetSettings().GetGeneralSetting();
        if (!general.GetAlwaysAskSplitUnGroup() || general.GetAutoSplitUnGroup()) {
            message->setAnswer(general.GetAutoSplitUnGroup() ? int(FSplitUnGroupDialog::UnGroup)
                                                             : int(FSplitUnGroupDialog::KeepGroup));
            return true;
        }
        FSplitUnGroupDialog dialog(this);
        const int answer = dialog.ask();
        general.SetAlwaysAskSplitUnGroup(!dialog.rememberChoice());
        if (dialog.rememberChoice())
            general.SetAutoSplitUnGroup(answer == FSplitUnGroupDialog::UnGroup);
        message->setAnswer(answer);
        return true;
    }
    case KvMainFormMsg::MatchProject:
        popupMatchProjDlg(message);
        return true;
    case KvMainFormMsg::SpeechToTextParams:
        openSpeechParameters(message, false);
        return true;
    case KvMainFormMsg::TextToSpeechParams:
        openSpeechParameters(message, true);
        return true;
    case KvMainFormMsg::GuideAddTrack:
    case KvMainFormMsg::StartGuidedTour:
        return guideMessage(message);
    default:
        return false;
    }
}

bool KorvaneMainForm::guideMessage(KvMessage *message)
{
    FMaskManager *mask = FMaskManager::instance();
    if (message->code() == KvMainFormMsg::GuideAddTrack) {
        if (!FMaskManager::IsMaskVisible())
            return true;
        QTimer::singleShot(0, this, [this] {
            IKvTimeline *timeline = m_presenter->timeline();
            if (timeline && timeline->clipCount() == 0 && m_timelinePresenter)
                m_timelinePresenter->addChosenMedia();
            m_quickStartMgr->continueGuide();
        });
        return true;
    }
    // The guided tour starts on a new project.
    if (!FProjectDocProxy::instance()->newProject(KvProjectAspectRatio_16_9)) {
        KV_LOG_INFO("the guided tour was not started: no new project");
        return true;
    }
    bringToFront();
    KvConfig::Instance()->setVerticalScreen(false);
    applyScreenOrientation(false);
    m_quickStartMgr->setQuickStartState(FQuickStartMgr::ImportMedia);
    KvMessage importRect(KvEditingMessageId::GuideImportButtonRect);
    sendMessageToScene(&importRect);
    KvMessage timelineRect(KvEditingMessageId::GuideTimelineRect);
    sendMessageToScene(&timelineRect);
    auto *library = view(KvEditingViewType::MediaLibrary);
    mask->setGuideRunning(true);
    mask->showGuideMask(this, QStringLiteral("import_media"), library ? library->widget() : nullptr,
                        FQuickStartMgr::stepText(FQuickStartMgr::ImportMedia));
    m_quickStartMgr->start();
    return true;
}
