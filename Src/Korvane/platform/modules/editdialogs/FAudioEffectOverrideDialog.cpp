#include "FAudioEffectOverrideDialog.h"

#include "IKvBaseLog.h"
#include "KvConfig.h"

#include <QGuiApplication>

FAudioEffectOverrideDialog::FAudioEffectOverrideDialog(QWidget *parent)
    : FMessageDialog(parent)
{
    setObjectName("FAudioEffectOverrideDialog");
    setTitle(QGuiApplication::applicationDisplayName());
    setText(tr("Applying this effect replaces the audio effects already on the selected clips. Do you want to continue?"));
    setCheckBoxText(tr("Don't show this again"));
    addButton(tr("Apply"), Apply);
    addButton(tr("Cancel"), Cancel);
}

int FAudioEffectOverrideDialog::ask()
{
    const int answer = DoModal() == Apply ? Apply : Cancel;
    if (answer == Apply && isChecked()) {
        KvConfig::Instance()->SetAudioEffectOverwriteTipDontShow(true);
        KV_LOG_INFO("audio effect replacement will no longer be asked");
    }
    return answer;
}
