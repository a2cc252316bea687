// The editing dialogs the main form runs for the modules' messages.
#include "KorvaneMainForm.h"

#include "FAudioEffectOverrideDialog.h"
#include "FAudioMixerDialog.h"
#include "FGeneralSettings.h"
#include "FProjectSettingsDialog.h"
#include "FSilenceDetectionDialog.h"
#include "FSplitUnGroupDialog.h"
#include "IKvBaseLog.h"
#include "IKvProject.h"
#include "IKvProjectManager.h"
#include "KorvaneMainFormPresenter.h"
#include "KvAppSettings.h"
#include "KvConfig.h"
#include "KvMainFormMessageId.h"
#include "KvMainWindowTracking.h"
#include "KvMessage.h"

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
        KvMessage stop(KvMainFormMsg::StopPlayback);
        sendMessageToScene(&stop);
        FProjectSettingsDialog dialog(project, this);
        message->setAnswer(dialog.DoModal());
        return true;
    }
    case KvMainFormMsg::SilenceDetection: {
        KvMessage stop(KvMainFormMsg::StopPlayback);
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
    default:
        return false;
    }
}
